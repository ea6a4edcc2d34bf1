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

// A word expected on the page, at millimetres from the sheet's corner.
struct ExpectedWord
{
    QString text;
    double leftMm;
    double topMm;
};

// The words of a text in the report's fixed-pitch face (0.6 of the size a cell), each at the cell
// where it begins.
std::vector<ExpectedWord> wordsOf(const QString& text, double leftMm, double topMm, int pointSize);

constexpr double pointsFromMm(double mm)
{
    return mm * 72.0 / 25.4;
}
