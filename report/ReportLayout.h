#pragma once

#include "ReportPageContent.h"

class QPagedPaintDevice;
class QPainter;

// Gives a paged device (a QPrinter, a QPdfWriter) the paper and print settings of the page, with the
// painter's origin at the sheet's corner rather than at the margins.
void setUpPage(QPagedPaintDevice& device, const TReportPageSetup& setup);

// Draws the page as one page on a paged device, relative to the sheet's corner whether or not the
// device paints from its margins. Throws std::runtime_error when the device cannot be painted on or
// the report font is unusable.
void layOutPage(QPagedPaintDevice& device, const TReportPageContent& content);

// Draws the items with a painter whose origin is the sheet's corner, at its device's resolution
// (for printers, PDF writers and images alike).
void paintPage(QPainter& painter, const TReportPageContent& content);
