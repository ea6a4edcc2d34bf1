#pragma once

#include "ReportFont.h"
#include "ReportUnits.h"

#include <QPageLayout>
#include <QPrinter>
#include <QString>

#include <variant>
#include <vector>

// Paper, margins and print settings of a report.
struct TReportPageSetup
{
    QPageLayout layout;
    QString title; // the preview window's caption and the print job's name
    int copies = 1;
    QPrinter::DuplexMode duplex = QPrinter::DuplexNone;
    QPrinter::PrintRange range = QPrinter::AllPages;
    QPrinter::PaperSource paperSource = QPrinter::Upper; // the first tray
};

// A label as it is drawn: an opaque white box as wide as its text and one line high, at its left and
// top edges. Only enabled labels are drawn.
struct TLabelItem
{
    QString text;
    Mm100 left = 0;
    Mm100 top = 0;
    TReportFontStyle font = TReportFontStyle::Regular10;
};

enum class TShapeKind
{
    Rectangle,      // white fill, black outline
    VerticalLine,   // through the middle of the box, top to bottom
    HorizontalLine, // through the middle of the box, left to right
};

struct TShapeItem
{
    TShapeKind kind = TShapeKind::Rectangle;
    Mm100 left = 0;
    Mm100 top = 0;
    Mm100 width = 0;
    Mm100 height = 0;
};

using TPageItem = std::variant<TLabelItem, TShapeItem>;

// A value copy of everything that ends up on the page, in drawing order: later items cover earlier ones.
struct TReportPageContent
{
    TReportPageSetup setup;
    std::vector<TPageItem> items;
};
