// The main window at work: recomputation on every change, failures of a run, focus and the
// controls that only the user changes.

#include "AppTestSupport.h"
#include "PrintTestSupport.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

namespace {

// The counts in the order the screen shows them, top to bottom: ДМ, ВМ, ДЖ, ВЖ, НП.
struct ScreenCounts
{
    std::string dm, vm, dzh, vzh, np;
    bool operator==(const ScreenCounts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ScreenCounts& c)
{
    return out << "ДМ " << c.dm << ", ВМ " << c.vm << ", ДЖ " << c.dzh << ", ВЖ " << c.vzh << ", НП " << c.np;
}

class MainWindow : public testing::Test
{
protected:
    MainWindow() : m_form(NoSettingsKey) {}

    QLineEdit* Box(int number)
    {
        return Control<QLineEdit>(m_form, ("Edit" + std::to_string(number)).c_str());
    }
    QLineEdit* VerdictBox(int row) { return Box(row + 11); }
    QLabel* Label(const char* name) { return Control<QLabel>(m_form, name); }

    // Reads each count from the label that stands in the caption's row, as a user reads it.
    ScreenCounts Counts()
    {
        std::array<std::string, 5> texts;
        const char* captions[] = {"Label26", "Label31", "Label28", "Label32", "Label30"};
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QLabel* caption = Label(captions[i]);
            const QLabel* count = nullptr;
            for (const char* name : {"Label1", "Label2", "Label3", "Label4", "Label5"})
                if (Label(name)->y() == caption->y())
                    count = Label(name);
            texts[i] = count == nullptr ? "?" : count->text().toStdString();
        }
        return {texts[0], texts[1], texts[2], texts[3], texts[4]};
    }

    std::vector<std::string> Verdicts()
    {
        std::vector<std::string> shown;
        for (int row = 1; row <= 11; ++row)
            shown.push_back(VerdictBox(row)->text().toStdString());
        return shown;
    }

    FailureRecorder m_failures;
    TForm1 m_form;
};

TEST_F(MainWindow, StartsWithEmptyVerdictsAndZeroCounts)
{
    EXPECT_EQ(Verdicts(), std::vector<std::string>(11));
    EXPECT_EQ(Counts(), (ScreenCounts{"0", "0", "0", "0", "0"}));
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

struct Keystroke
{
    int box;
    const char* key; // typed text, or "\b" for Backspace
    const char* verdict;
    ScreenCounts counts;
};

struct TypingCase
{
    const char* name;
    std::vector<Keystroke> keystrokes;
};

class Typing : public MainWindow, public testing::WithParamInterface<TypingCase>
{};

TEST_P(Typing, RecomputesTheSheetAfterEveryKeystroke)
{
    for (const Keystroke& stroke : GetParam().keystrokes) {
        QLineEdit* box = Box(stroke.box);
        if (std::string_view(stroke.key) == "\b")
            QTest::keyClick(box, Qt::Key_Backspace);
        else
            QTest::keyClicks(box, QString::fromUtf8(stroke.key));
        SCOPED_TRACE("after typing " + std::string(stroke.key) + " into Edit" + std::to_string(stroke.box));
        EXPECT_EQ(VerdictBox(stroke.box)->text(), QString::fromUtf8(stroke.verdict));
        EXPECT_EQ(Counts(), stroke.counts);
    }
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

const TypingCase TypingCases[] = {
    {"OneSixEightIntoHeight",
     {{1, "1", "     ДЖ", {"0", "0", "1", "0", "0"}},
      {1, "6", "     ДЖ", {"0", "0", "1", "0", "0"}},
      {1, "8", "     ДМ", {"1", "0", "0", "0", "0"}}}},
    {"DeletingTakesTheVerdictOutOfTheCounts",
     {{2, "112", "     ВМ", {"0", "1", "0", "0", "0"}},
      {2, "\b", "     ДЖ", {"0", "0", "1", "0", "0"}}, // 11
      {2, "\b", "     ДЖ", {"0", "0", "1", "0", "0"}}, // 1
      {2, "\b", "", {"0", "0", "0", "0", "0"}}}},
    {"UndeterminedCountsBesideItsCaptionAtTheBottom",
     {{3, "130", "     НП", {"0", "0", "0", "0", "1"}}, {11, "28", "     НП", {"0", "0", "0", "0", "2"}}}},
    {"SameValueDifferentRows",
     {{5, "100", "     ВЖ", {"0", "0", "0", "1", "0"}}, {4, "100", "     ДМ", {"1", "0", "0", "1", "0"}}}},
    {"NoNumberAndOutOfRangeGiveNoVerdict",
     {{1, "abc", "", {"0", "0", "0", "0", "0"}},
      {6, "1000", "", {"0", "0", "0", "0", "0"}},
      {7, "12,5", "     ДЖ", {"0", "0", "1", "0", "0"}}}},
    {"AllElevenCountUpToEleven",
     {{1, "170", "     ДМ", {"1", "0", "0", "0", "0"}},
      {2, "120", "     ДМ", {"2", "0", "0", "0", "0"}},
      {3, "150", "     ДМ", {"3", "0", "0", "0", "0"}},
      {4, "95", "     ДМ", {"4", "0", "0", "0", "0"}},
      {5, "130", "     ДМ", {"5", "0", "0", "0", "0"}},
      {6, "70", "     ДМ", {"6", "0", "0", "0", "0"}},
      {7, "150", "     ДМ", {"7", "0", "0", "0", "0"}},
      {8, "60", "     ДМ", {"8", "0", "0", "0", "0"}},
      {9, "55", "     ДМ", {"9", "0", "0", "0", "0"}},
      {10, "45", "     ДМ", {"10", "0", "0", "0", "0"}},
      {11, "31", "     ДМ", {"11", "0", "0", "0", "0"}}}},
};

INSTANTIATE_TEST_SUITE_P(Sequences, Typing, testing::ValuesIn(TypingCases),
                         [](const testing::TestParamInfo<TypingCase>& info) { return info.param.name; });

TEST_F(MainWindow, CountLabelsSizeThemselvesToTheirCount)
{
    const QLabel* dm = Label("Label1");
    const int oneDigitWidth = dm->width();
    for (int row = 1; row <= 11; ++row)
        QTest::keyClicks(Box(row), QStringLiteral("999"));
    EXPECT_EQ(dm->text(), QStringLiteral("11"));
    EXPECT_GT(dm->width(), oneDigitWidth);
    EXPECT_EQ(dm->x(), 718);
}

struct FailingText
{
    const char* name;
    const char* text;
    const char* message;
};

class FailingRun : public MainWindow, public testing::WithParamInterface<FailingText>
{
protected:
    void SetUp() override
    {
        QTest::keyClicks(Box(1), QStringLiteral("168"));
        QTest::keyClicks(Box(2), QStringLiteral("100"));
        QTest::keyClicks(Box(3), QStringLiteral("130"));
    }

    const std::vector<std::string> m_before{"     ДМ", "     ВЖ", "     НП", "", "", "", "", "", "", "", ""};
    const ScreenCounts m_countsBefore{"1", "0", "0", "1", "1"};
};

TEST_P(FailingRun, TypedTextShowsTheFailureAndLeavesTheWindowAsItWas)
{
    ASSERT_EQ(Verdicts(), m_before);
    QTest::keyClicks(Box(4), QString::fromUtf8(GetParam().text));

    EXPECT_EQ(m_failures.Shown(), QStringList(QString::fromUtf8(GetParam().message)));
    EXPECT_EQ(Verdicts(), m_before);
    EXPECT_EQ(Counts(), m_countsBefore);

    // Correcting the text recomputes from scratch.
    Box(4)->setText(QStringLiteral("90"));
    EXPECT_EQ(VerdictBox(4)->text(), QStringLiteral("     ВМ"));
    EXPECT_EQ(Counts(), (ScreenCounts{"1", "1", "0", "1", "1"}));
    EXPECT_EQ(m_failures.Shown().size(), 1);
}

TEST_P(FailingRun, PastedTextShowsTheFailureAndLeavesTheWindowAsItWas)
{
    QApplication::clipboard()->setText(QString::fromUtf8(GetParam().text));
    QTest::keyClick(Box(1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Box(1), Qt::Key_V, Qt::ControlModifier);

    ASSERT_EQ(Box(1)->text(), QString::fromUtf8(GetParam().text));
    EXPECT_EQ(m_failures.Shown(), QStringList(QString::fromUtf8(GetParam().message)));
    EXPECT_EQ(Verdicts(), m_before);
    EXPECT_EQ(Counts(), m_countsBefore);
}

INSTANTIATE_TEST_SUITE_P(
    FloatingPointErrors, FailingRun,
    testing::Values(FailingText{"NotANumber", "+NAN", "Invalid floating point operation."},
                    FailingText{"NegativeNotANumber", "-NAN", "Invalid floating point operation."},
                    FailingText{"Overflow", "2e4932", "Floating point overflow."},
                    FailingText{"OverflowOfALongerMantissa", "12e4931", "Floating point overflow."}),
    [](const testing::TestParamInfo<FailingText>& info) { return info.param.name; });

TEST_F(MainWindow, VerdictBoxesCanBeCopiedButNotChanged)
{
    QTest::keyClicks(Box(1), QStringLiteral("168"));
    QLineEdit* verdict = VerdictBox(1);
    QTest::mouseClick(verdict, Qt::LeftButton);
    EXPECT_EQ(m_form.focusWidget(), verdict);

    QTest::keyClick(verdict, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(verdict, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("     ДМ"));

    QTest::keyClicks(verdict, QStringLiteral("5"));
    QTest::keyClick(verdict, Qt::Key_Backspace);
    QTest::keyClick(verdict, Qt::Key_Delete);
    QTest::keyClick(verdict, Qt::Key_X, Qt::ControlModifier);
    QApplication::clipboard()->setText(QStringLiteral("ВЖ"));
    QTest::keyClick(verdict, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(verdict->text(), QStringLiteral("     ДМ"));
    EXPECT_EQ(Counts(), (ScreenCounts{"1", "0", "0", "0", "0"}));
}

class Focus : public MainWindow
{
protected:
    void SetUp() override
    {
        m_form.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_form));
    }

    // The objectNames of the controls that Tab (or Shift+Tab) visits, starting after the focused one.
    QStringList Cycle(int presses, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QStringList visited;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
            visited.append(QApplication::focusWidget()->objectName());
        }
        return visited;
    }

    static QStringList Names(std::initializer_list<const char*> names)
    {
        QStringList list;
        for (const char* name : names)
            list.append(QString::fromLatin1(name));
        return list;
    }
};

TEST_F(Focus, StartsInTheFirstMeasurementBox)
{
    EXPECT_EQ(QApplication::focusWidget(), Box(1));
}

TEST_F(Focus, TabRunsThroughTheBoxesAndTheSelectedSexButton)
{
    EXPECT_EQ(Cycle(13), Names({"Edit2", "Edit3", "Edit4", "Edit5", "Edit6", "Edit7", "Edit8", "Edit9",
                                "Edit10", "Edit11", "RadioButton1", "Edit1", "Edit2"}));
}

TEST_F(Focus, ShiftTabRunsBackwards)
{
    EXPECT_EQ(Cycle(3, Qt::ShiftModifier), Names({"RadioButton1", "Edit11", "Edit10"}));
}

TEST_F(Focus, TheTabStopFollowsTheSelectedSexButton)
{
    auto* female = Control<QRadioButton>(m_form, "RadioButton2");
    QTest::mouseClick(female, Qt::LeftButton);
    EXPECT_TRUE(female->isChecked());
    EXPECT_FALSE(Control<QRadioButton>(m_form, "RadioButton1")->isChecked());
    QTest::mouseClick(female, Qt::LeftButton);
    EXPECT_TRUE(female->isChecked()) << "clicking the selected button again keeps it";

    Box(11)->setFocus();
    EXPECT_EQ(Cycle(2), Names({"RadioButton2", "Edit1"}));
}

TEST_F(Focus, SpeedButtonsNeverTakeTheFocus)
{
    // The print button opens a preview; it is closed at once, and the focus looked at while it is open.
    TPrKelForm report;
    const ReportReference reference(&report);
    QWidget* focusWhilePreviewOpen = nullptr;
    QTimer::singleShot(0, [&] {
        EXPECT_TRUE(WaitForPreviews(1));
        focusWhilePreviewOpen = m_form.focusWidget();
        CloseAllPreviews();
    });
    Box(3)->setFocus();
    QTest::mouseClick(Control<QWidget>(m_form, "PrintBtn"), Qt::LeftButton);
    EXPECT_EQ(focusWhilePreviewOpen, Box(3));
    EXPECT_EQ(m_form.focusWidget(), Box(3));
}

TEST(MainWindowCreation, FailureInFormCreateIsShownOnceAndTheWindowWorks)
{
    FailureRecorder failures;
    TForm1 form([]() -> TExpertNames { throw std::runtime_error("Реестр недоступен"); });
    EXPECT_EQ(failures.Shown(), QStringList(QStringLiteral("Реестр недоступен.")));

    auto* count = Control<QLabel>(form, "Label1");
    EXPECT_EQ(count->text(), QStringLiteral("Num")) << "FormCreate stopped before computing the sheet";
    QTest::keyClicks(Control<QLineEdit>(form, "Edit1"), QStringLiteral("168"));
    EXPECT_EQ(Control<QLineEdit>(form, "Edit12")->text(), QStringLiteral("     ДМ"));
    EXPECT_EQ(count->text(), QStringLiteral("1"));
    EXPECT_EQ(Control<QLabel>(form, "Label3")->text(), QStringLiteral("0"));
    EXPECT_EQ(failures.Shown().size(), 1);
}

} // namespace
