#include "ReportLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <stdexcept>

namespace {

struct TDeviceScale
{
    double dpiX;
    double dpiY;

    QPointF point(Mm100 x, Mm100 y) const { return {toDots(x, dpiX), toDots(y, dpiY)}; }
    QRectF rect(Mm100 left, Mm100 top, Mm100 width, Mm100 height) const
    {
        return {point(left, top), QSizeF(toDots(width, dpiX), toDots(height, dpiY))};
    }
};

// The page has no line breaks: a text with some (an institution line from the settings) stays on one
// line, each break or tab shown as a blank.
QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (const QChar lineBreak : {QChar(u'\r'), QChar(u'\n'), QChar(u'\t'), QChar(u'\v'), QChar(u'\f'),
                                  QChar(QChar::LineSeparator), QChar(QChar::ParagraphSeparator)}) {
        text.replace(lineBreak, QLatin1Char(' '));
    }
    return text;
}

void paintLabel(QPainter& painter, const TDeviceScale& scale, const TLabelItem& label, const QFont& font)
{
    const QString text = singleLine(label.text);
    if (text.isEmpty())
        return;
    // Qt loads a font at a whole number of device pixels: 10 pt at 1200 dpi becomes 167 instead of
    // 166.67, which would stretch every character cell by 0.2 %. Load it at the whole size and scale
    // the painter by the rest, so that the cells stay exact at every resolution.
    const double exactPixels = font.pointSizeF() * scale.dpiY / 72.0;
    QFont sized = font;
    sized.setPixelSize(std::max(1, qRound(exactPixels)));
    const double stretch = exactPixels / sized.pixelSize();
    const QFontMetricsF metrics(sized, painter.device());

    painter.save();
    painter.translate(scale.point(label.left, label.top));
    painter.scale(stretch * scale.dpiX / scale.dpiY, stretch);
    // The line box's top is the label's top; the text stands on the baseline one ascent below it.
    painter.fillRect(QRectF(0, 0, metrics.horizontalAdvance(text), metrics.ascent() + metrics.descent()),
                     Qt::white);
    painter.setFont(sized);
    painter.drawText(QPointF(0, metrics.ascent()), text);
    painter.restore();
}

void paintShape(QPainter& painter, const TDeviceScale& scale, const TShapeItem& shape)
{
    const QRectF box = scale.rect(shape.left, shape.top, shape.width, shape.height);
    switch (shape.kind) {
    case TShapeKind::Rectangle:
        painter.fillRect(box, Qt::white);
        painter.drawRect(box);
        break;
    case TShapeKind::VerticalLine:
        painter.drawLine(QPointF(box.center().x(), box.top()), QPointF(box.center().x(), box.bottom()));
        break;
    case TShapeKind::HorizontalLine:
        painter.drawLine(QPointF(box.left(), box.center().y()), QPointF(box.right(), box.center().y()));
        break;
    }
}

// Where the painter's origin lies on the sheet: the corner for full-page painting, else the margins.
QPointF sheetCornerOffset(const QPagedPaintDevice& device)
{
    const QPageLayout layout = device.pageLayout();
    if (layout.mode() == QPageLayout::FullPageMode)
        return {};
    return layout.paintRectPixels(device.logicalDpiX()).topLeft();
}

} // namespace

void setUpPage(QPagedPaintDevice& device, const TReportPageSetup& setup)
{
    QPageLayout layout = setup.layout;
    layout.setMode(QPageLayout::FullPageMode);
    if (auto* printer = dynamic_cast<QPrinter*>(&device)) {
        printer->setPageSize(layout.pageSize());
        printer->setPageOrientation(layout.orientation());
        printer->setPageMargins(layout.margins(), layout.units());
        // A printer keeps full-page painting as a flag of its own.
        printer->setFullPage(true);
        printer->setDocName(setup.title);
        printer->setCopyCount(setup.copies);
        printer->setDuplex(setup.duplex);
        printer->setPrintRange(setup.range);
        printer->setPaperSource(setup.paperSource);
    } else {
        device.setPageLayout(layout);
    }
}

void layOutPage(QPagedPaintDevice& device, const TReportPageContent& content)
{
    // Fonts first, so that an unusable face fails before a page has been started.
    reportFont(TReportFontStyle::Regular10);
    reportFont(TReportFontStyle::Bold12);

    QPainter painter;
    if (!painter.begin(&device))
        throw std::runtime_error("The report page cannot be started on the printer");
    painter.translate(-sheetCornerOffset(device));
    paintPage(painter, content);
    if (!painter.end())
        throw std::runtime_error("The report page could not be finished on the printer");
}

void paintPage(QPainter& painter, const TReportPageContent& content)
{
    const QFont regular = reportFont(TReportFontStyle::Regular10);
    const QFont bold = reportFont(TReportFontStyle::Bold12);
    const TDeviceScale scale{static_cast<double>(painter.device()->logicalDpiX()),
                             static_cast<double>(painter.device()->logicalDpiY())};

    painter.save();
    // A cosmetic pen is one device dot wide at every resolution.
    QPen thin(Qt::black, 0, Qt::SolidLine);
    thin.setCosmetic(true);
    painter.setPen(thin);
    painter.setBrush(Qt::NoBrush);
    painter.setBackgroundMode(Qt::TransparentMode);

    for (const TPageItem& item : content.items) {
        if (const auto* label = std::get_if<TLabelItem>(&item)) {
            paintLabel(painter, scale, *label, label->font == TReportFontStyle::Bold12 ? bold : regular);
        } else {
            paintShape(painter, scale, std::get<TShapeItem>(item));
        }
    }
    painter.restore();
}
