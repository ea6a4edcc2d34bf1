// The preview window: shown without blocking the application, one per call, each keeping the page it
// was opened with, and every wait ending with its window or with the application.

#include "PdfReader.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

QList<QPrintPreviewDialog*> openPreviews()
{
    QList<QPrintPreviewDialog*> previews;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(window); preview && preview->isVisible())
            previews << preview;
    }
    return previews;
}

bool waitForPreviews(qsizetype count)
{
    return QTest::qWaitFor([count] { return openPreviews().size() == count; });
}

void closeAllPreviews()
{
    for (QPrintPreviewDialog* preview : openPreviews())
        preview->close();
}

// Prints what a preview holds into a PDF file, as its print command does, and returns the page's words.
std::vector<PdfWord> printPreview(QPrintPreviewDialog* preview, const QString& path)
{
    auto* widget = preview->findChild<QPrintPreviewWidget*>();
    if (widget == nullptr)
        throw std::runtime_error("the preview has no preview widget");
    preview->printer()->setOutputFileName(path);
    widget->print();
    return readPdfWords(path).at(0).words;
}

bool hasWord(const std::vector<PdfWord>& words, const QString& text)
{
    return std::any_of(words.begin(), words.end(), [&](const PdfWord& word) { return word.text == text; });
}

// The signature name printed at its place, measured from the sheet's corner as on any other device.
bool hasNameAtItsPlace(const std::vector<PdfWord>& words, const QString& name)
{
    const double tolerance = pointsFromMm(0.25);
    return std::any_of(words.begin(), words.end(), [&](const PdfWord& word) {
        return word.text == name && std::abs(word.xMin - pointsFromMm(131.23)) <= tolerance &&
               std::abs(word.yMin - pointsFromMm(171.45)) <= tolerance;
    });
}

class ReportPreview : public ::testing::Test
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE(openPreviews().isEmpty());
        closeAllPreviews();
    }

    TPrKelForm m_report;
    QTemporaryDir m_folder;
};

} // namespace

TEST_F(ReportPreview, ShowsOnePageWithoutBlockingAndReturnsWhenClosed)
{
    bool inspected = false;
    QTimer::singleShot(0, [&] {
        const auto closeLeftovers = qScopeGuard(closeAllPreviews);
        ASSERT_TRUE(waitForPreviews(1));
        QPrintPreviewDialog* preview = openPreviews().front();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(preview));
        auto* widget = preview->findChild<QPrintPreviewWidget*>();
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->pageCount(), 1);
        EXPECT_EQ(widget->orientation(), QPageLayout::Portrait);
        EXPECT_TRUE(preview->windowTitle().isEmpty());
        // Not modal: the rest of the application keeps taking input.
        EXPECT_FALSE(preview->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        const QPrinter* printer = preview->printer();
        EXPECT_TRUE(printer->pageLayout().pageSize().isEquivalentTo(QPageSize(QPageSize::Letter)));
        EXPECT_TRUE(printer->fullPage());
        EXPECT_EQ(printer->copyCount(), 1);
        EXPECT_EQ(printer->duplex(), QPrinter::DuplexNone);
        EXPECT_EQ(printer->printRange(), QPrinter::AllPages);
        EXPECT_TRUE(printer->docName().isEmpty());
        inspected = true;
        preview->close();
    });
    m_report.ShowPreview();
    EXPECT_TRUE(inspected);
}

TEST_F(ReportPreview, SecondPreviewOpensWhileTheFirstKeepsItsPage)
{
    m_report.QRLabel127->setText(u"Петров"_s);
    bool secondReturned = false;
    bool firstStillOpen = false;
    QTimer::singleShot(0, [&] {
        const auto closeLeftovers = qScopeGuard(closeAllPreviews);
        ASSERT_TRUE(waitForPreviews(1));
        QPrintPreviewDialog* first = openPreviews().front();

        m_report.QRLabel127->setText(u"Сидоров"_s);
        QTimer::singleShot(0, [&] {
            const auto closeSecond = qScopeGuard([&] {
                for (QPrintPreviewDialog* preview : openPreviews()) {
                    if (preview != first)
                        preview->close();
                }
            });
            ASSERT_TRUE(waitForPreviews(2));
            QPrintPreviewDialog* second =
                openPreviews().front() == first ? openPreviews().back() : openPreviews().front();
            const auto firstPage = printPreview(first, m_folder.filePath(u"first.pdf"_s));
            const auto secondPage = printPreview(second, m_folder.filePath(u"second.pdf"_s));
            EXPECT_TRUE(hasNameAtItsPlace(firstPage, u"Петров"_s));
            EXPECT_FALSE(hasWord(firstPage, u"Сидоров"_s));
            EXPECT_TRUE(hasNameAtItsPlace(secondPage, u"Сидоров"_s));
            EXPECT_FALSE(hasWord(secondPage, u"Петров"_s));
        });
        m_report.ShowPreview();
        secondReturned = true;
        firstStillOpen = first->isVisible();
        first->close();
    });
    m_report.ShowPreview();
    EXPECT_TRUE(secondReturned);
    EXPECT_TRUE(firstStillOpen);
}

TEST_F(ReportPreview, QuittingTheApplicationEndsEveryWait)
{
    bool outerReturned = false;
    bool innerReturned = false;
    bool quitRequested = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            QTimer::singleShot(0, [&] {
                if (!waitForPreviews(2)) {
                    ADD_FAILURE() << "the previews did not open";
                    closeAllPreviews();
                }
                quitRequested = true;
                QCoreApplication::quit();
            });
            m_report.ShowPreview();
            innerReturned = true;
        });
        m_report.ShowPreview();
        outerReturned = true;
    });
    // quit() takes effect only while the application's own loop runs, as it does in the program.
    QApplication::exec();
    EXPECT_TRUE(quitRequested);
    EXPECT_TRUE(innerReturned);
    EXPECT_TRUE(outerReturned);
}

TEST_F(ReportPreview, ClosingTheMainWindowEndsTheApplicationAndTheWait)
{
    QWidget mainWindow;
    mainWindow.show();
    bool returned = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [&] {
            EXPECT_TRUE(waitForPreviews(1));
            mainWindow.close();
            // The open preview must not keep the application alive: its end closes the preview.
            if (!waitForPreviews(0)) {
                ADD_FAILURE() << "the preview kept the application running";
                closeAllPreviews();
                QCoreApplication::quit();
            }
        });
        m_report.ShowPreview();
        returned = true;
    });
    QApplication::exec();
    EXPECT_TRUE(returned);
}

TEST_F(ReportPreview, OpenedAfterTheApplicationEndedReturnsAtOnce)
{
    QTimer::singleShot(0, [&] {
        QCoreApplication::quit();
        m_report.ShowPreview();
    });
    QApplication::exec();
    EXPECT_TRUE(openPreviews().isEmpty());
}
