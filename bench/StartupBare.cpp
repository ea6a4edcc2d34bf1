// The toolkit's floor for StartupProgram: a bare Qt program that shows an empty window of the
// main window's size and ends once it has been shown and painted.
#include "ExitWhenShown.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(792, 303);
    TExitWhenShown exitWhenShown;
    window.installEventFilter(&exitWhenShown);
    window.show();
    return QApplication::exec();
}
