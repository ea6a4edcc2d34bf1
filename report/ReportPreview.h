#pragma once

#include "ReportPageContent.h"

// Shows the page in a preview window of its own (viewing, printer setup, printing) and waits in a
// nested event loop until the window is closed or the application is ending. The preview draws and
// prints its own copy of the page. A failure while laying out the page, at opening or when printing,
// closes the preview and is rethrown here.
void showPreviewAndWait(const TReportPageContent& content);
