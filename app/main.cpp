#include "Application.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    // The program speaks Russian only, so Qt's own dialogs (the preview, the printer setup) do too.
    QTranslator qtTranslations;
    if (qtTranslations.load(QLocale(QLocale::Russian), QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslations);
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
