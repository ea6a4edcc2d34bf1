#include "PdfReader.h"

#include "TReportPage.h"

#include <QPdfWriter>
#include <QProcess>
#include <QXmlStreamReader>

#include <stdexcept>

namespace {

QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        throw std::runtime_error(
            (program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(process.readAllStandardError()))
                .toStdString());
    }
    return process.readAllStandardOutput();
}

double number(const QXmlStreamAttributes& attributes, QLatin1StringView name)
{
    return attributes.value(name).toDouble();
}

} // namespace

std::vector<PdfPage> readPdfWords(const QString& pdfPath)
{
    const QByteArray layout =
        runTool(QStringLiteral("pdftotext"), {QStringLiteral("-bbox-layout"), pdfPath, QStringLiteral("-")});

    std::vector<PdfPage> pages;
    QXmlStreamReader reader(layout);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto attributes = reader.attributes();
        if (reader.name() == u"page") {
            pages.push_back({number(attributes, QLatin1StringView("width")),
                             number(attributes, QLatin1StringView("height")),
                             {}});
        } else if (reader.name() == u"word" && !pages.empty()) {
            PdfWord word{{},
                         number(attributes, QLatin1StringView("xMin")),
                         number(attributes, QLatin1StringView("yMin")),
                         number(attributes, QLatin1StringView("xMax")),
                         number(attributes, QLatin1StringView("yMax"))};
            word.text = reader.readElementText();
            pages.back().words.push_back(word);
        }
    }
    if (reader.hasError())
        throw std::runtime_error("pdftotext output is not readable: " + reader.errorString().toStdString());
    return pages;
}

QStringList pdfFontNames(const QString& pdfPath)
{
    const QStringList lines = QString::fromUtf8(runTool(QStringLiteral("pdffonts"), {pdfPath}))
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QStringList names;
    // Two heading lines, then one font a line, its name first.
    for (qsizetype i = 2; i < lines.size(); ++i)
        names << lines[i].section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    return names;
}

QString writeReportPdf(const TReportPage& report, const QString& folder, const QString& name)
{
    const QString path = folder + QLatin1Char('/') + name + QStringLiteral(".pdf");
    QPdfWriter writer(path);
    report.layOut(writer);
    return path;
}

std::vector<ExpectedWord> wordsOf(const QString& text, double leftMm, double topMm, int pointSize)
{
    const double cellMm = 0.6 * pointSize * 25.4 / 72.0;
    std::vector<ExpectedWord> words;
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || text[i] == u' ';
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            words.push_back({text.mid(start, i - start), leftMm + start * cellMm, topMm});
            start = -1;
        }
    }
    return words;
}
