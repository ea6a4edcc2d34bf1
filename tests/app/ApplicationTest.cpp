// Start-up and shutdown through RunApplication, the logic of the program's entry function.

#include "Application.h"
#include "AppTestSupport.h"
#include "TForm1.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace {

// Counts how often a widget is shown and remembers a text the window shows at its first showing.
class ShowWatcher : public QObject
{
public:
    explicit ShowWatcher(const QLabel* count) : m_count(count) {}

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Show && m_shows++ == 0)
            m_countWhenShown = m_count->text();
        return false;
    }

    int Shows() const { return m_shows; }
    QString CountWhenShown() const { return m_countWhenShown; }

private:
    const QLabel* m_count;
    int m_shows = 0;
    QString m_countWhenShown;
};

// Runs step once the event loop runs; a loop that outlives the test's steps is ended as failed,
// so that a regression shows as a failure rather than a hanging test.
void WhenTheLoopRuns(std::function<void()> step)
{
    QTimer::singleShot(0, std::move(step));
    QTimer::singleShot(30000, [] {
        ADD_FAILURE() << "the event loop did not end";
        QCoreApplication::exit(1);
    });
}

struct ClosingCase
{
    const char* name;
    std::function<void(TForm1&)> close;
    bool anotherWindowOpen;
};

class Closing : public testing::TestWithParam<ClosingCase>
{};

TEST_P(Closing, ClosingTheMainWindowEndsTheApplicationWithExitCodeZero)
{
    FailureRecorder failures;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<ShowWatcher> watcher;
    QWidget otherWindow; // stands for a report preview
    bool wasVisible = false;
    WhenTheLoopRuns([&] {
        wasVisible = form->isVisible();
        if (GetParam().anotherWindowOpen)
            otherWindow.show();
        GetParam().close(*form);
    });

    const int exitCode = RunApplication([&]() -> QWidget& {
        form = std::make_unique<TForm1>(NoSettingsKey);
        watcher = std::make_unique<ShowWatcher>(Control<QLabel>(*form, "Label1"));
        form->installEventFilter(watcher.get());
        return *form;
    });

    EXPECT_EQ(exitCode, 0);
    EXPECT_TRUE(wasVisible);
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(watcher->Shows(), 1);
    EXPECT_EQ(watcher->CountWhenShown(), QStringLiteral("0")) << "FormCreate runs before the window shows";
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_TRUE(failures.Shown().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Closing,
    testing::Values(
        ClosingCase{
            "ExitButton",
            [](TForm1& form) { QTest::mouseClick(Control<QWidget>(form, "ExitBtn"), Qt::LeftButton); },
            false},
        ClosingCase{"CloseCommand", [](TForm1& form) { form.close(); }, false},
        ClosingCase{
            "ExitButtonWhileAnotherWindowIsOpen",
            [](TForm1& form) { QTest::mouseClick(Control<QWidget>(form, "ExitBtn"), Qt::LeftButton); }, true},
        ClosingCase{"CloseCommandWhileAnotherWindowIsOpen", [](TForm1& form) { form.close(); }, true}),
    [](const testing::TestParamInfo<ClosingCase>& info) { return info.param.name; });

TEST(Startup, FailureWhileCreatingObjectsIsShownAndEndsTheRunBeforeTheWindowShows)
{
    FailureRecorder failures;
    std::unique_ptr<TForm1> form;
    std::unique_ptr<ShowWatcher> watcher;

    const int exitCode = RunApplication([&]() -> QWidget& {
        form = std::make_unique<TForm1>(NoSettingsKey);
        watcher = std::make_unique<ShowWatcher>(Control<QLabel>(*form, "Label1"));
        form->installEventFilter(watcher.get());
        throw std::runtime_error("Report design not found"); // as if the second object failed
    });

    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(failures.Shown(), QStringList(QStringLiteral("Report design not found.")));
    EXPECT_EQ(watcher->Shows(), 0);
}

TEST(Startup, FailureBeforeAnyObjectExistsIsShownAndEndsTheRun)
{
    FailureRecorder failures;
    const int exitCode = RunApplication([]() -> QWidget& { throw std::bad_alloc(); });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(failures.Shown(), QStringList(FailureText(std::bad_alloc().what())));
}

} // namespace
