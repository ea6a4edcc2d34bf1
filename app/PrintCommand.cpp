// The print command: the report is filled from what the window shows and then previewed.

#include "TForm1.h"

#include "Settings.h"
#include "TPrKelForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <array>
#include <stdexcept>
#include <string>

TPrKelForm* PrKelForm = nullptr;

namespace {

TPrKelForm& Report()
{
    // Only a click can print, and the window is shown after the report exists; a null report
    // would mean a start-up out of order, which is reported instead of crashing.
    if (PrKelForm == nullptr)
        throw std::logic_error("The report object does not exist");
    return *PrKelForm;
}

} // namespace

void TForm1::PrintBtnClick(QObject* /*Sender*/)
{
    FillReport();
    Report().ShowPreview();
}

void TForm1::FillReport()
{
    TPrKelForm& report = Report();

    // Read at every print: the setting may have changed since the last one. An empty or
    // unreadable Title keeps the line the report holds, which may come from an earlier print.
    const std::string title = ReadReportTitle();
    if (!title.empty())
        report.QRLabel1->setText(QString::fromStdString(title));

    // The report prints the texts as the window shows them, never recomputed or re-formatted.
    const std::array sizes{report.QRLabel68, report.QRLabel69, report.QRLabel70, report.QRLabel71,
                           report.QRLabel72, report.QRLabel73, report.QRLabel74, report.QRLabel75,
                           report.QRLabel76, report.QRLabel77, report.QRLabel78};
    for (std::size_t row = 0; row < MeasurementCount; ++row)
        sizes[row]->setText(m_measurementBoxes[row]->text());

    const std::array indicators{report.QRLabel93,  report.QRLabel94,  report.QRLabel95, report.QRLabel96,
                                report.QRLabel97,  report.QRLabel98,  report.QRLabel99, report.QRLabel100,
                                report.QRLabel101, report.QRLabel102, report.QRLabel103};
    for (std::size_t row = 0; row < MeasurementCount; ++row)
        indicators[row]->setText(m_verdictBoxes[row]->text());

    report.QRLabel118->setText(Label1->text());
    report.QRLabel119->setText(Label2->text());
    report.QRLabel120->setText(Label3->text());
    report.QRLabel121->setText(Label4->text());
    report.QRLabel122->setText(Label5->text());

    report.QRLabel127->setText(ComboBox1->currentText());

    const std::array marks{report.QRLabel124, report.QRLabel125, report.QRLabel126};
    for (TReportLabel* mark : marks)
        mark->setEnabled(false);
    const std::array buttons{RadioButton1, RadioButton2, RadioButton3};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            marks[i]->setEnabled(true);
            break;
        }
    }
}
