// What covers what on the page, seen on a bitmap: a long size text hides the size column's right line.

#include "ReportLayout.h"
#include "TPrKelForm.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double Dpi = 300.0;
constexpr double SizeColumnRightMm = 150.55;
constexpr double Row1TopMm = 59.27;
constexpr double LineBoxHeightMm = 3.9; // one 10-pt line of the face, a little less

int dots(double mm)
{
    return qRound(mm / 25.4 * Dpi);
}

QImage renderPage(const TPrKelForm& report)
{
    QImage page(dots(215.9), dots(279.4), QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(Dpi / 0.0254));
    page.setDotsPerMeterY(qRound(Dpi / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    paintPage(painter, report.content());
    return page;
}

// Whether the size column's right line shows anywhere across a band of rows.
bool lineVisible(const QImage& page, double fromMm, double toMm)
{
    for (int y = dots(fromMm); y <= dots(toMm); ++y) {
        for (int x = dots(SizeColumnRightMm) - 2; x <= dots(SizeColumnRightMm) + 2; ++x) {
            if (qGray(page.pixel(x, y)) < 128)
                return true;
        }
    }
    return false;
}

// Whether the line shows on every row of a band.
bool lineUnbroken(const QImage& page, double fromMm, double toMm)
{
    for (double mm = fromMm; mm <= toMm; mm += 25.4 / Dpi) {
        if (!lineVisible(page, mm, mm))
            return false;
    }
    return true;
}

} // namespace

TEST(ReportPixels, ShortSizeLeavesTheColumnLineWhole)
{
    TPrKelForm report;
    report.QRLabel68->setText(u"168"_s);
    const QImage page = renderPage(report);
    EXPECT_TRUE(lineUnbroken(page, 45.0, 130.0));
}

TEST(ReportPixels, LongSizeDrawnLaterCoversTheColumnLine)
{
    TPrKelForm report;
    // Cell 11 of the text, a blank, lies over the line: only the label's white box can hide it there.
    report.QRLabel68->setText(u"1234567890 2345"_s);
    const QImage page = renderPage(report);
    EXPECT_FALSE(lineVisible(page, Row1TopMm + 0.3, Row1TopMm + LineBoxHeightMm - 0.3));
    EXPECT_TRUE(lineUnbroken(page, 45.0, Row1TopMm - 0.3));
    EXPECT_TRUE(lineUnbroken(page, Row1TopMm + 4.3, 130.0));
}
