#include "Application.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The application's long-lived objects, created in this order and kept for the whole run.
    // The report comes second: nothing the main window runs while it is created may use it.
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TPrKelForm> prKelForm;
    return RunApplication([&]() -> QWidget& {
        TForm1& mainWindow = CreateObject(form1, Form1);
        CreateObject(prKelForm, PrKelForm);
        return mainWindow;
    });
}
