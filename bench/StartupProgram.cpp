// The program's own start-up, exactly as main() runs it, ended once the main window has been
// shown and painted: for timing the whole process against StartupBare.
#include "Application.h"
#include "ExitWhenShown.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TPrKelForm> prKelForm;
    TExitWhenShown exitWhenShown;
    return RunApplication([&]() -> QWidget& {
        TForm1& mainWindow = CreateObject(form1, Form1);
        CreateObject(prKelForm, PrKelForm);
        mainWindow.installEventFilter(&exitWhenShown);
        return mainWindow;
    });
}
