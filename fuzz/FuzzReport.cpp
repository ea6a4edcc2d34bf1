// Any texts through the print command's filling of the report and the page's layout into a PDF.
// The main window and the report are built once, offscreen, as the program builds them. Each
// input is split at line feeds: the institution line (given to the program through a settings
// file, as a site would), the eleven measurement boxes, the name chooser; the last byte picks
// the checked sex button.
//
// Properties checked: the window recomputes and never fails other than by its two floating-point
// failures; the report holds exactly the texts the window shows; the institution line is the
// Title setting when that is not empty and otherwise stays; the page lays out into a whole PDF.

#include "FailureDisplay.h"
#include "FuzzProperty.h"
#include "Settings.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QRadioButton>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

const QStringList AllowedFailures{QStringLiteral("Invalid floating point operation."),
                                  QStringLiteral("Floating point overflow.")};

std::string& SettingsFile()
{
    static std::string path;
    return path;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("LC_ALL", "C.UTF-8", 1);
    std::string configDir = "/tmp/ostrameda-fuzz-report-XXXXXX";
    if (!mkdtemp(configDir.data()) || !QDir().mkpath(QString::fromStdString(configDir + "/Gorvud")))
        Fail("a temporary settings folder can be made");
    setenv("XDG_CONFIG_DIRS", configDir.c_str(), 1);
    SettingsFile() = configDir + "/Gorvud/Ostrameda.conf";

    static QApplication application(*argc, *argv);
    SetFailureDisplay([](const QString& text) {
        Check(AllowedFailures.contains(text), "the window fails only by its floating-point failures");
    });
    Form1 = new TForm1(ReadExpertNames);
    PrKelForm = new TPrKelForm;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::uint8_t sexButton = 0;
    if (!input.empty()) {
        sexButton = static_cast<std::uint8_t>(input.back());
        input.remove_suffix(1);
    }
    std::vector<std::string_view> pieces;
    for (std::size_t start = 0; start <= input.size() && pieces.size() < 13;) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        pieces.push_back(input.substr(start, end - start));
        start = end + 1;
    }
    pieces.resize(13);

    {
        std::ofstream settings(SettingsFile(), std::ios::binary | std::ios::trunc);
        settings << "Name1=a\nTitle=" << pieces[0] << '\n';
    }
    TForm1& form = *Form1;
    TPrKelForm& report = *PrKelForm;
    const std::array boxes{form.Edit1, form.Edit2, form.Edit3, form.Edit4,  form.Edit5, form.Edit6,
                           form.Edit7, form.Edit8, form.Edit9, form.Edit10, form.Edit11};
    for (std::size_t row = 0; row < boxes.size(); ++row)
        boxes[row]->setText(
            QString::fromUtf8(pieces[row + 1].data(), static_cast<qsizetype>(pieces[row + 1].size())));
    form.ComboBox1->setEditText(
        QString::fromUtf8(pieces[12].data(), static_cast<qsizetype>(pieces[12].size())));
    const std::array buttons{form.RadioButton1, form.RadioButton2, form.RadioButton3};
    buttons[sexButton % 3]->setChecked(true);

    const QString previousTitle = report.QRLabel1->text();
    const QString title = QString::fromStdString(ReadReportTitle());
    form.FillReport();

    Check(report.QRLabel1->text() == (title.isEmpty() ? previousTitle : title),
          "the institution line is the Title setting, or stays");
    const std::array sizes{report.QRLabel68, report.QRLabel69, report.QRLabel70, report.QRLabel71,
                           report.QRLabel72, report.QRLabel73, report.QRLabel74, report.QRLabel75,
                           report.QRLabel76, report.QRLabel77, report.QRLabel78};
    const std::array verdicts{form.Edit12, form.Edit13, form.Edit14, form.Edit15, form.Edit16, form.Edit17,
                              form.Edit18, form.Edit19, form.Edit20, form.Edit21, form.Edit22};
    const std::array indicators{report.QRLabel93,  report.QRLabel94,  report.QRLabel95, report.QRLabel96,
                                report.QRLabel97,  report.QRLabel98,  report.QRLabel99, report.QRLabel100,
                                report.QRLabel101, report.QRLabel102, report.QRLabel103};
    for (std::size_t row = 0; row < boxes.size(); ++row) {
        Check(sizes[row]->text() == boxes[row]->text(), "each size is its box's text");
        Check(indicators[row]->text() == verdicts[row]->text(), "each indicator is its verdict box's text");
    }
    Check(report.QRLabel118->text() == form.Label1->text() &&
              report.QRLabel122->text() == form.Label5->text(),
          "the counts are the window's");
    Check(report.QRLabel127->text() == form.ComboBox1->currentText(), "the name is the chooser's text");
    const std::array marks{report.QRLabel124, report.QRLabel125, report.QRLabel126};
    for (std::size_t i = 0; i < marks.size(); ++i)
        Check(marks[i]->isEnabled() == (i == sexButton % 3), "only the checked sex is marked");

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        report.layOut(writer);
    }
    Check(pdf.data().startsWith("%PDF-") && pdf.data().trimmed().endsWith("%%EOF"), "a whole PDF is written");
    return 0;
}
