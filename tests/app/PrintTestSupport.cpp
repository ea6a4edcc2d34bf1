#include "PrintTestSupport.h"

#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <stdexcept>
#include <string>

namespace {

constexpr double ToleranceMm = 0.25;

const QString SettingsFile = QStringLiteral("Gorvud/Ostrameda.conf");

} // namespace

TemporarySettings::TemporarySettings()
    : m_previous(qgetenv("XDG_CONFIG_DIRS")), m_hadPrevious(qEnvironmentVariableIsSet("XDG_CONFIG_DIRS"))
{
    if (!m_config.isValid())
        throw std::runtime_error("no temporary configuration folder");
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(m_config.path()));
}

TemporarySettings::~TemporarySettings()
{
    if (m_hadPrevious)
        qputenv("XDG_CONFIG_DIRS", m_previous);
    else
        qunsetenv("XDG_CONFIG_DIRS");
}

void TemporarySettings::Write(std::optional<QByteArray> contents)
{
    const QString path = m_config.filePath(SettingsFile);
    if (!contents) {
        if (QFile::exists(path) && !QFile::remove(path))
            throw std::runtime_error("cannot remove the settings file");
        return;
    }
    QFile file(path);
    if (!QDir(m_config.path()).mkpath(QStringLiteral("Gorvud")) ||
        !file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(*contents) != contents->size())
        throw std::runtime_error("cannot write the settings file");
}

ReportReference::ReportReference(TPrKelForm* report)
{
    PrKelForm = report;
}

ReportReference::~ReportReference()
{
    PrKelForm = nullptr;
}

PdfPage LayOutSinglePage(const TPrKelForm& report, const QString& folder, const QString& name)
{
    std::vector<PdfPage> pages = readPdfWords(writeReportPdf(report, folder, name));
    if (pages.size() != 1)
        throw std::runtime_error("the report laid out " + std::to_string(pages.size()) + " pages");
    return pages.front();
}

std::optional<PdfWord> WordAt(const PdfPage& page, const QString& text, double leftMm, double topMm)
{
    const double tolerance = pointsFromMm(ToleranceMm);
    for (const PdfWord& word : page.words) {
        if (word.text == text && std::abs(word.xMin - pointsFromMm(leftMm)) <= tolerance &&
            std::abs(word.yMin - pointsFromMm(topMm)) <= tolerance)
            return word;
    }
    return std::nullopt;
}

bool HasTextAt(const PdfPage& page, const QString& text, double leftMm, double topMm, int pointSize)
{
    const std::vector<ExpectedWord> words = wordsOf(text, leftMm, topMm, pointSize);
    return !words.empty() && std::all_of(words.begin(), words.end(), [&](const ExpectedWord& word) {
        return WordAt(page, word.text, word.leftMm, word.topMm).has_value();
    });
}

bool NoWordStartsIn(const PdfPage& page, double leftMm, double rightMm, double topMm, double bottomMm)
{
    for (const PdfWord& word : page.words) {
        if (word.xMin >= pointsFromMm(leftMm) && word.xMin < pointsFromMm(rightMm) &&
            word.yMin >= pointsFromMm(topMm) && word.yMin < pointsFromMm(bottomMm))
            return false;
    }
    return true;
}

void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar character : text) {
        if (character.unicode() < 0x80)
            QTest::keyClick(widget, character.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

QList<QPrintPreviewDialog*> OpenPreviews()
{
    QList<QPrintPreviewDialog*> previews;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(window); preview && preview->isVisible())
            previews << preview;
    }
    return previews;
}

bool WaitForPreviews(qsizetype count)
{
    return QTest::qWaitFor([count] { return OpenPreviews().size() == count; });
}

void CloseAllPreviews()
{
    for (QPrintPreviewDialog* preview : OpenPreviews())
        preview->close();
}

PdfPage PrintPreview(QPrintPreviewDialog* preview, const QString& path)
{
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    if (widget == nullptr)
        throw std::runtime_error("the preview has no preview widget");
    preview->printer()->setOutputFileName(path);
    widget->print();
    std::vector<PdfPage> pages = readPdfWords(path);
    if (pages.size() != 1)
        throw std::runtime_error("the preview printed " + std::to_string(pages.size()) + " pages");
    return pages.front();
}

LoopWatchdog::LoopWatchdog()
{
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [] {
        ADD_FAILURE() << "the event loop did not end";
        CloseAllPreviews();
        QCoreApplication::exit(1);
    });
    m_timer.start(std::chrono::minutes(1));
}
