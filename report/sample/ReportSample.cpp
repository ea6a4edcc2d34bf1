// Writes the report page filled with realistic sample values as a PDF, for people to look at the
// layout: report-sample out.pdf

#include "TPrKelForm.h"

#include <QGuiApplication>
#include <QPdfWriter>

#include <array>
#include <cstdio>
#include <exception>

using namespace Qt::Literals::StringLiterals;

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fputs("usage: report-sample out.pdf\n", stderr);
        return 2;
    }

    try {
        TPrKelForm report;
        const std::array sizes{report.QRLabel68, report.QRLabel69, report.QRLabel70, report.QRLabel71,
                               report.QRLabel72, report.QRLabel73, report.QRLabel74, report.QRLabel75,
                               report.QRLabel76, report.QRLabel77, report.QRLabel78};
        const std::array indicators{report.QRLabel93,  report.QRLabel94,  report.QRLabel95, report.QRLabel96,
                                    report.QRLabel97,  report.QRLabel98,  report.QRLabel99, report.QRLabel100,
                                    report.QRLabel101, report.QRLabel102, report.QRLabel103};
        const std::array sizeTexts{u"168"_s, u"112"_s, u"145"_s, u"87"_s, u"12,5"_s, u"49"_s,
                                   u"138"_s, u"51"_s,  u"44"_s,  u"39"_s, u""_s};
        const std::array indicatorTexts{u"     ДМ"_s, u"     ДМ"_s, u"     ВМ"_s, u"     НП"_s,
                                        u"     ДМ"_s, u"     ВЖ"_s, u"     ДМ"_s, u"     ВМ"_s,
                                        u"     ДЖ"_s, u"     ДМ"_s, u""_s};
        for (std::size_t row = 0; row < sizes.size(); ++row) {
            sizes[row]->setText(sizeTexts[row]);
            indicators[row]->setText(indicatorTexts[row]);
        }
        report.QRLabel118->setText(u"5"_s);
        report.QRLabel119->setText(u"2"_s);
        report.QRLabel120->setText(u"1"_s);
        report.QRLabel121->setText(u"1"_s);
        report.QRLabel122->setText(u"1"_s);
        report.QRLabel127->setText(u"Иванов И.И."_s);
        report.QRLabel124->setEnabled(true);

        QPdfWriter writer(QString::fromLocal8Bit(argv[1]));
        report.layOut(writer);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "report-sample: %s\n", failure.what());
        return 1;
    }
    return 0;
}
