#include "Application.h"

#include "FailureDisplay.h"
#include "ResourceImage.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QWidget>

#ifdef Q_OS_WIN
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

namespace {

// Closing the main window ends the application at once, even while other top-level windows
// (a report preview) are open; Qt by itself quits only when the last window has closed.
// The main window never refuses to close, so seeing the close request is enough.
class TQuitOnClose : public QObject
{
public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Close)
            QCoreApplication::exit(0);
        return false;
    }
};

// Shows the main window in the state the process was started with (a shortcut set to run
// maximised or minimised).
void ShowMainWindow(QWidget& window)
{
#ifdef Q_OS_WIN
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    if (startup.dwFlags & STARTF_USESHOWWINDOW) {
        switch (startup.wShowWindow) {
        case SW_SHOWMAXIMIZED:
            window.showMaximized();
            return;
        case SW_SHOWMINIMIZED:
        case SW_MINIMIZE:
        case SW_SHOWMINNOACTIVE:
        case SW_FORCEMINIMIZE:
            window.showMinimized();
            return;
        default:
            break;
        }
    }
#endif
    window.show();
}

} // namespace

int RunApplication(const std::function<QWidget&()>& createObjects)
{
    try {
        QApplication::setWindowIcon(
            QIcon(QPixmap::fromImage(ReadResourceImage(QStringLiteral(":/ostrameda.png")))));
        QWidget& mainWindow = createObjects();
        TQuitOnClose quitOnClose;
        mainWindow.installEventFilter(&quitOnClose);
        ShowMainWindow(mainWindow);
        QApplication::exec();
    } catch (const std::exception& failure) {
        ShowFailure(failure);
    }
    return 0;
}
