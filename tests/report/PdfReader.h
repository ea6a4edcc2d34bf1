#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TReportPage;

// A word as poppler's pdftotext finds it, in points from the page's top-left corner.
struct PdfWord
{
    QString text;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
};

struct PdfPage
{
    double width;
    double height;
    std::vector<PdfWord> words;
};

// Reads the pages of a PDF file with `pdftotext -bbox-layout`, an independent reader. Throws on failure.
std::vector<PdfPage> readPdfWords(const QString& pdfPath);

// The names of the fonts a PDF file embeds, from `pdffonts`. Throws on failure.
QStringList pdfFontNames(const QString& pdfPath);

// Lays the report out into a PDF file in the test's temporary folder and returns its path.
QString writeReportPdf(const TReportPage& report, const QString& folder,
                       const QString& name = QStringLiteral("page"));

constexpr double pointsFromMm(double mm)
{
    return mm * 72.0 / 25.4;
}
