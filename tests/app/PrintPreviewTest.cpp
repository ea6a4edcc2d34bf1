// The print button at work in a running application: it opens a preview without blocking the
// main window, each print opens a preview of its own that keeps its page, and closing the main
// window ends every preview wait and the application.

#include "AppTestSupport.h"
#include "Application.h"
#include "PrintTestSupport.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double SizeLeft = 129.12;
constexpr double IndicatorLettersLeft = 165.10;
constexpr double RowOneTop = 59.27;

QLineEdit* Box(const TForm1& form, int number)
{
    return Control<QLineEdit>(form, ("Edit" + std::to_string(number)).c_str());
}

void ClickPrint(TForm1& form)
{
    QTest::mouseClick(Control<QWidget>(form, "PrintBtn"), Qt::LeftButton);
}

// The application as the program builds it: the main window, then the report object, both kept
// for the run and known by their process-wide references.
class RunningApplication : public testing::Test
{
protected:
    ~RunningApplication() override
    {
        CloseAllPreviews();
        Form1 = nullptr;
        PrKelForm = nullptr;
    }

    int Run()
    {
        return RunApplication([this]() -> QWidget& {
            TForm1& window = CreateObject(m_form, Form1);
            CreateObject(m_report, PrKelForm);
            return window;
        });
    }

    TemporarySettings m_settings;
    FailureRecorder m_failures;
    LoopWatchdog m_watchdog;
    QTemporaryDir m_folder;
    std::unique_ptr<TForm1> m_form;
    std::unique_ptr<TPrKelForm> m_report;
};

TEST_F(RunningApplication, PreviewLeavesTheWindowWorkingAndEachPrintKeepsItsPage)
{
    bool firstPrintReturned = false;
    bool secondPrintReturned = false;
    bool sawBothPreviews = false;

    // Runs inside the second print's preview wait: both previews are open.
    const auto withTwoPreviews = [&](QPrintPreviewDialog* first) {
        const auto leaveAnyway = qScopeGuard([&] { QTest::mouseClick(m_form->ExitBtn, Qt::LeftButton); });
        ASSERT_TRUE(WaitForPreviews(2));
        sawBothPreviews = true;
        QPrintPreviewDialog* second =
            OpenPreviews().front() == first ? OpenPreviews().back() : OpenPreviews().front();
        const PdfPage firstPage = PrintPreview(first, m_folder.filePath(u"first.pdf"_s));
        const PdfPage secondPage = PrintPreview(second, m_folder.filePath(u"second.pdf"_s));
        EXPECT_TRUE(WordAt(firstPage, u"170"_s, SizeLeft, RowOneTop));
        EXPECT_TRUE(WordAt(firstPage, u"ДМ"_s, IndicatorLettersLeft, RowOneTop));
        EXPECT_FALSE(WordAt(firstPage, u"100"_s, SizeLeft, RowOneTop));
        EXPECT_TRUE(WordAt(secondPage, u"100"_s, SizeLeft, RowOneTop));
        EXPECT_TRUE(WordAt(secondPage, u"ДЖ"_s, IndicatorLettersLeft, RowOneTop));
        // Closing the main window, as its exit button does, ends both waits and the application.
    };

    // Runs inside the first print's preview wait.
    const auto withOnePreview = [&] {
        const auto leaveOnFailure = qScopeGuard([&] {
            if (!sawBothPreviews)
                m_form->close();
        });
        ASSERT_TRUE(WaitForPreviews(1)) << "no preview opened";
        QPrintPreviewDialog* first = OpenPreviews().front();
        EXPECT_FALSE(first->isModal());
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

        // The window recomputes while the preview is open; the report keeps what was printed.
        QLineEdit* edit = Box(*m_form, 1);
        edit->selectAll();
        QTest::keyClicks(edit, u"100"_s);
        EXPECT_EQ(Box(*m_form, 12)->text(), u"     ДЖ"_s);
        EXPECT_EQ(Control<QLabel>(*m_form, "Label1")->text(), u"0"_s);
        EXPECT_EQ(Control<QLabel>(*m_form, "Label4")->text(), u"1"_s);
        EXPECT_EQ(m_report->QRLabel68->text(), u"170"_s);
        EXPECT_EQ(m_report->QRLabel93->text(), u"     ДМ"_s);
        EXPECT_EQ(m_report->QRLabel118->text(), u"1"_s);
        EXPECT_EQ(m_report->QRLabel121->text(), u"0"_s);

        QTimer::singleShot(0, [&, first] { withTwoPreviews(first); });
        ClickPrint(*m_form);
        secondPrintReturned = true;
    };

    QTimer::singleShot(0, [&] {
        EXPECT_EQ(OpenPreviews().size(), 0) << "the report shows nothing before a print";
        QTest::keyClicks(Box(*m_form, 1), u"170"_s);
        QTimer::singleShot(0, withOnePreview);
        ClickPrint(*m_form);
        firstPrintReturned = true;
    });

    EXPECT_EQ(Run(), 0);
    EXPECT_EQ(PrKelForm, m_report.get());
    EXPECT_TRUE(sawBothPreviews);
    EXPECT_TRUE(secondPrintReturned);
    EXPECT_TRUE(firstPrintReturned);
    EXPECT_TRUE(OpenPreviews().isEmpty());
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_TRUE(m_failures.Shown().isEmpty()) << m_failures.Shown().join(u'\n').toStdString();
}

TEST_F(RunningApplication, ClosingThePreviewReturnsToTheWindow)
{
    bool printReturned = false;
    QTimer::singleShot(0, [&] {
        QTimer::singleShot(0, [] {
            ASSERT_TRUE(WaitForPreviews(1));
            OpenPreviews().front()->close();
        });
        ClickPrint(*m_form);
        printReturned = true;
        EXPECT_TRUE(m_form->isVisible());
        QTest::mouseClick(m_form->ExitBtn, Qt::LeftButton);
    });
    EXPECT_EQ(Run(), 0);
    EXPECT_TRUE(printReturned);
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

TEST(PrintButton, FailureOfThePrintCommandGoesToTheFailureDisplayAndTheWindowWorksOn)
{
    // Without a report object the command fails: the failure must reach the display through the
    // handler's guard, not escape into the event loop.
    FailureRecorder failures;
    TForm1 form(NoSettingsKey);
    ASSERT_EQ(PrKelForm, nullptr);
    ClickPrint(form);
    EXPECT_EQ(failures.Shown(), QStringList(u"The report object does not exist."_s));
    EXPECT_TRUE(OpenPreviews().isEmpty());

    QTest::keyClicks(Box(form, 1), u"170"_s);
    EXPECT_EQ(Box(form, 12)->text(), u"     ДМ"_s);
}

} // namespace
