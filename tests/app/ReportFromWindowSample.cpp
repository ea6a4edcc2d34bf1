// Writes the report page as the program fills it from its main window, as a PDF for people to
// look at: report-from-window out.pdf
// The objects are created as the program creates them; a user's input is typed into the window.

#include "Application.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPdfWriter>
#include <QRadioButton>
#include <QTest>

#include <array>
#include <cstdio>
#include <exception>
#include <memory>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: report-from-window out.pdf\n", stderr);
        return 2;
    }

    try {
        std::unique_ptr<TForm1> form1;
        std::unique_ptr<TPrKelForm> prKelForm;
        CreateObject(form1, Form1);
        CreateObject(prKelForm, PrKelForm);

        // A male scapula whose measurements give every verdict at least once: ДМ 1, ВМ 2, НП 3,
        // ДЖ 1, ВЖ 4.
        const std::array measurements{"170", "112", "130", "60", "100", "40", "140", "50", "45", "35", "27"};
        const std::array boxes{Form1->Edit1, Form1->Edit2,  Form1->Edit3, Form1->Edit4,
                               Form1->Edit5, Form1->Edit6,  Form1->Edit7, Form1->Edit8,
                               Form1->Edit9, Form1->Edit10, Form1->Edit11};
        for (std::size_t row = 0; row < boxes.size(); ++row)
            QTest::keyClicks(boxes[row], QString::fromLatin1(measurements[row]));
        QTest::keyClick(Form1->ComboBox1, Qt::Key_Down); // the second expert of the list
        QTest::mouseClick(Form1->RadioButton1, Qt::LeftButton);

        Form1->FillReport();
        QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
        PrKelForm->layOut(writer);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "report-from-window: %s\n", failure.what());
        return 1;
    }
    return 0;
}
