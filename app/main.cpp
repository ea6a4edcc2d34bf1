#include "Application.h"
#include "TForm1.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The application's long-lived objects, created in this order and kept for the whole run.
    std::unique_ptr<TForm1> form1;
    return RunApplication([&]() -> QWidget& {
        TForm1& mainWindow = CreateObject(form1, Form1);
        return mainWindow;
    });
}
