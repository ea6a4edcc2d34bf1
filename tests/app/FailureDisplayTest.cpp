#include "FailureDisplay.h"
#include "AppTestSupport.h"
#include "FloatingPointError.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

struct FullStopCase
{
    const char* message;
    const char* shown;
};

class FailureTextTest : public testing::TestWithParam<FullStopCase>
{};

TEST_P(FailureTextTest, AppendsFullStopOnlyAfterCharactersAboveIt)
{
    EXPECT_EQ(FailureText(GetParam().message), QString::fromUtf8(GetParam().shown));
}

INSTANTIATE_TEST_SUITE_P(
    Messages, FailureTextTest,
    testing::Values(FullStopCase{"Invalid floating point operation", "Invalid floating point operation."},
                    FullStopCase{"Floating point overflow", "Floating point overflow."},
                    FullStopCase{"Нет доступа к реестру", "Нет доступа к реестру."}, // Cyrillic last letter
                    FullStopCase{"Why?", "Why?."},                                   // '?' is above '.'
                    FullStopCase{"Version 5", "Version 5."},                         // digits too
                    FullStopCase{"Path /", "Path /."},                               // '/' is just above '.'
                    FullStopCase{"Done.", "Done."}, // '.' itself is not above
                    FullStopCase{"Stop!", "Stop!"}, FullStopCase{"Comma,", "Comma,"},
                    FullStopCase{"Dash -", "Dash -"}, FullStopCase{"Trailing blank ", "Trailing blank "},
                    FullStopCase{"", ""}));

TEST(RunGuardedTest, ShowsEachEscapingFailureOnceAndGoesOn)
{
    FailureRecorder recorder;
    RunGuarded([] { throw EOverflow(); });
    RunGuarded([] { throw std::runtime_error("Ошибка"); });
    bool ran = false;
    RunGuarded([&] { ran = true; });

    EXPECT_TRUE(ran);
    EXPECT_EQ(recorder.Shown(),
              QStringList({QStringLiteral("Floating point overflow."), QStringLiteral("Ошибка.")}));
}

// The one test that lets the real display open: its next step is queued before the box opens.
TEST(FailureDisplayTest, DefaultDisplayIsACriticalBoxWithOneOkButtonCaptionedWithTheApplicationTitle)
{
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*> buttons;
    std::function<void()> inspectAndClose = [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            QTimer::singleShot(0, inspectAndClose);
            return;
        }
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        buttons = box->buttons();
        box->button(QMessageBox::Ok)->click();
    };
    QTimer::singleShot(0, inspectAndClose);

    ShowFailure(EInvalidOp());

    EXPECT_EQ(title, QCoreApplication::applicationName());
    EXPECT_EQ(title, QStringLiteral("app_tests"));
    EXPECT_EQ(text, QStringLiteral("Invalid floating point operation."));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(buttons.size(), 1);
}

} // namespace
