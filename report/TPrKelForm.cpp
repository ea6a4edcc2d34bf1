#include "TPrKelForm.h"

#include <QPageLayout>
#include <QPageSize>

using namespace Qt::Literals::StringLiterals;

namespace {

TReportPageSetup letterPortrait()
{
    TReportPageSetup setup;
    setup.layout = QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                               QPageLayout::Millimeter);
    return setup; // empty title, one copy, single-sided, all pages, first tray
}

// Rows stand a quarter inch apart.
constexpr Mm100 rowTop(int row)
{
    return 59.27_mm + (row - 1) * 6.35_mm;
}

constexpr Mm100 NumberLeft = 19.05_mm;
constexpr Mm100 TwoDigitNumberLeft = 16.93_mm; // one cell further left, so that the points line up
constexpr Mm100 NameLeft = 29.63_mm;
constexpr Mm100 SizeLeft = 129.12_mm;
constexpr Mm100 IndicatorLeft = 154.52_mm;
constexpr Mm100 HeadTop = 46.57_mm;
constexpr Mm100 SecondHeadTop = 50.80_mm;

constexpr Mm100 LegendLeft = 21.17_mm;
constexpr Mm100 SecondLegendLeft = 114.30_mm;
// 28 cells after the legend's left edge: one blank cell after its closing dash.
constexpr Mm100 CountLeft = 80.43_mm;
constexpr Mm100 SecondCountLeft = 173.57_mm;
constexpr Mm100 LegendTop1 = 137.58_mm;
constexpr Mm100 LegendTop2 = 143.93_mm;
constexpr Mm100 LegendTop3 = 150.28_mm;

constexpr Mm100 SexLineTop = 160.87_mm;
constexpr Mm100 SignatureTop = 171.45_mm;

constexpr Mm100 TableLeft = 14.82_mm;
constexpr Mm100 TableTop = 44.45_mm;
constexpr Mm100 TableWidth = 173.83_mm;
constexpr Mm100 TableHeight = 85.99_mm;
constexpr Mm100 LineBoxThickness = 2.38_mm;

constexpr auto Bold12 = TReportFontStyle::Bold12;

} // namespace

TPrKelForm::TPrKelForm(QObject* parent)
    : TReportPage(u"PrKelForm"_s, letterPortrait(), parent),
      QRLabel1(addLabel(u"QRLabel1"_s, u"Медико - криминалистическое отделение * Кредонское Обл. Бюро СМЭ"_s,
                        21.17_mm, 12.70_mm, Bold12)),
      QRLabel2(addLabel(u"QRLabel2"_s,
                        u"ПОКАЗАТЕЛИ ДИАГНОСТИЧЕСКИХ РАЗМЕРОВ ЛОПАТКИ ПРИ УСТАНОВЛЕНИИ ПОЛОВОЙ"_s, 33.87_mm,
                        19.05_mm)),
      QRLabel3(addLabel(u"QRLabel3"_s, u"ПРИНАДЛЕЖНОСТИ ( В ММ )"_s, 67.73_mm, 25.40_mm)),
      QRLabel4(addLabel(u"QRLabel4"_s, u"Приложение №"_s, 80.43_mm, 31.75_mm)),
      QRLabel5(addLabel(u"QRLabel5"_s, u"к заключению эксперта ( к акту ) №"_s, 67.73_mm, 35.98_mm)),

      QRLabel62(addLabel(u"QRLabel62"_s, u"Д.М. - достоверно мужской -"_s, LegendLeft, LegendTop1)),
      QRLabel63(addLabel(u"QRLabel63"_s, u"В.М. - вероятно мужской   -"_s, LegendLeft, LegendTop2)),
      QRLabel64(addLabel(u"QRLabel64"_s, u"Д.Ж. - достоверно женский -"_s, SecondLegendLeft, LegendTop1)),
      QRLabel65(addLabel(u"QRLabel65"_s, u"В.Ж. - вероятно женский   -"_s, SecondLegendLeft, LegendTop2)),
      QRLabel66(addLabel(u"QRLabel66"_s, u"Н.П. - неопределенный     -"_s, LegendLeft, LegendTop3)),
      QRLabel67(addLabel(u"QRLabel67"_s, u"Судебно-медицинский эксперт"_s, 25.40_mm, SignatureTop)),

      QRLabel118(addLabel(u"QRLabel118"_s, u"0"_s, CountLeft, LegendTop1)),
      QRLabel119(addLabel(u"QRLabel119"_s, u"0"_s, CountLeft, LegendTop2)),
      QRLabel120(addLabel(u"QRLabel120"_s, u"0"_s, CountLeft, LegendTop3)),
      QRLabel121(addLabel(u"QRLabel121"_s, u"0"_s, SecondCountLeft, LegendTop1)),
      QRLabel122(addLabel(u"QRLabel122"_s, u"0"_s, SecondCountLeft, LegendTop2)),
      // The marks stand in the third cell after their words, over blank cells of the sex line.
      QRLabel123(addLabel(u"QRLabel123"_s,
                          u"Пол       мужской              женский           неопределенный"_s, 23.28_mm,
                          SexLineTop)),
      QRLabel124(addLabel(u"QRLabel124"_s, u"*"_s, 63.50_mm, SexLineTop, Bold12)),
      QRLabel125(addLabel(u"QRLabel125"_s, u"*"_s, 107.95_mm, SexLineTop, Bold12)),
      QRLabel126(addLabel(u"QRLabel126"_s, u"*"_s, 160.87_mm, SexLineTop, Bold12)),
      QRLabel127(addLabel(u"QRLabel127"_s, u"Fio"_s, 131.23_mm, SignatureTop)),

      QRShape1(addShape(u"QRShape1"_s, TShapeKind::Rectangle, TableLeft, TableTop, TableWidth, TableHeight)),
      QRShape2(addShape(u"QRShape2"_s, TShapeKind::Rectangle, 114.30_mm, TableTop, 36.25_mm, TableHeight)),
      QRShape3(addShape(u"QRShape3"_s, TShapeKind::VerticalLine, 25.40_mm, TableTop, LineBoxThickness,
                        TableHeight)),

      QRLabel6(addLabel(u"QRLabel6"_s, u"№"_s, 19.05_mm, HeadTop)),
      QRLabel7(addLabel(u"QRLabel7"_s, u"п/п"_s, 16.93_mm, SecondHeadTop)),
      QRShape4(addShape(u"QRShape4"_s, TShapeKind::HorizontalLine, TableLeft, 55.03_mm, TableWidth,
                        LineBoxThickness)),

      QRLabel8(addLabel(u"QRLabel8"_s, u"Наименование"_s, NameLeft, HeadTop)),
      QRLabel9(addLabel(u"QRLabel9"_s, u"диагностических размеров"_s, NameLeft, SecondHeadTop)),
      QRLabel10(addLabel(u"QRLabel10"_s, u"Размер"_s, 124.88_mm, HeadTop)),
      QRLabel11(addLabel(u"QRLabel11"_s, u"Показатель"_s, 158.75_mm, HeadTop)),
      QRLabel12(addLabel(u"QRLabel12"_s, u"1."_s, NumberLeft, rowTop(1))),
      QRLabel13(addLabel(u"QRLabel13"_s, u"2."_s, NumberLeft, rowTop(2))),
      QRLabel14(addLabel(u"QRLabel14"_s, u"3."_s, NumberLeft, rowTop(3))),
      QRLabel15(addLabel(u"QRLabel15"_s, u"4."_s, NumberLeft, rowTop(4))),
      QRLabel16(addLabel(u"QRLabel16"_s, u"5."_s, NumberLeft, rowTop(5))),
      QRLabel17(addLabel(u"QRLabel17"_s, u"6."_s, NumberLeft, rowTop(6))),
      QRLabel18(addLabel(u"QRLabel18"_s, u"7."_s, NumberLeft, rowTop(7))),
      QRLabel19(addLabel(u"QRLabel19"_s, u"8."_s, NumberLeft, rowTop(8))),
      QRLabel20(addLabel(u"QRLabel20"_s, u"9."_s, NumberLeft, rowTop(9))),
      QRLabel21(addLabel(u"QRLabel21"_s, u"10."_s, TwoDigitNumberLeft, rowTop(10))),
      QRLabel22(addLabel(u"QRLabel22"_s, u"11."_s, TwoDigitNumberLeft, rowTop(11))),

      QRLabel37(addLabel(u"QRLabel37"_s, u"Проекционная ширина суставной впадины"_s, NameLeft, rowTop(11))),
      QRLabel52(addLabel(u"QRLabel52"_s, u"Высота"_s, NameLeft, rowTop(1))),
      QRLabel53(addLabel(u"QRLabel53"_s, u"Ширина"_s, NameLeft, rowTop(2))),
      QRLabel54(addLabel(u"QRLabel54"_s, u"Длина латерного края"_s, NameLeft, rowTop(3))),
      QRLabel55(addLabel(u"QRLabel55"_s, u"Длина верхнего края"_s, NameLeft, rowTop(4))),
      QRLabel56(addLabel(u"QRLabel56"_s, u"Ширина подостной ямки"_s, NameLeft, rowTop(5))),
      QRLabel57(addLabel(u"QRLabel57"_s, u"Ширина надостной ямки"_s, NameLeft, rowTop(6))),
      QRLabel58(addLabel(u"QRLabel58"_s, u"Длина лопаточной ости"_s, NameLeft, rowTop(7))),
      QRLabel59(addLabel(u"QRLabel59"_s, u"Длина плечевого отростка"_s, NameLeft, rowTop(8))),
      QRLabel60(addLabel(u"QRLabel60"_s, u"Длина клювовидного отростка"_s, NameLeft, rowTop(9))),
      QRLabel61(addLabel(u"QRLabel61"_s, u"Длина суставной впадины"_s, NameLeft, rowTop(10))),

      QRLabel68(addLabel(u"QRLabel68"_s, u"0"_s, SizeLeft, rowTop(1))),
      QRLabel69(addLabel(u"QRLabel69"_s, u"0"_s, SizeLeft, rowTop(2))),
      QRLabel70(addLabel(u"QRLabel70"_s, u"0"_s, SizeLeft, rowTop(3))),
      QRLabel71(addLabel(u"QRLabel71"_s, u"0"_s, SizeLeft, rowTop(4))),
      QRLabel72(addLabel(u"QRLabel72"_s, u"0"_s, SizeLeft, rowTop(5))),
      QRLabel73(addLabel(u"QRLabel73"_s, u"0"_s, SizeLeft, rowTop(6))),
      QRLabel74(addLabel(u"QRLabel74"_s, u"0"_s, SizeLeft, rowTop(7))),
      QRLabel75(addLabel(u"QRLabel75"_s, u"0"_s, SizeLeft, rowTop(8))),
      QRLabel76(addLabel(u"QRLabel76"_s, u"0"_s, SizeLeft, rowTop(9))),
      QRLabel77(addLabel(u"QRLabel77"_s, u"0"_s, SizeLeft, rowTop(10))),
      QRLabel78(addLabel(u"QRLabel78"_s, u"0"_s, SizeLeft, rowTop(11))),

      QRLabel93(addLabel(u"QRLabel93"_s, u"0"_s, IndicatorLeft, rowTop(1))),
      QRLabel94(addLabel(u"QRLabel94"_s, u"0"_s, IndicatorLeft, rowTop(2))),
      QRLabel95(addLabel(u"QRLabel95"_s, u"0"_s, IndicatorLeft, rowTop(3))),
      QRLabel96(addLabel(u"QRLabel96"_s, u"0"_s, IndicatorLeft, rowTop(4))),
      QRLabel97(addLabel(u"QRLabel97"_s, u"0"_s, IndicatorLeft, rowTop(5))),
      QRLabel98(addLabel(u"QRLabel98"_s, u"0"_s, IndicatorLeft, rowTop(6))),
      QRLabel99(addLabel(u"QRLabel99"_s, u"0"_s, IndicatorLeft, rowTop(7))),
      QRLabel100(addLabel(u"QRLabel100"_s, u"0"_s, IndicatorLeft, rowTop(8))),
      QRLabel101(addLabel(u"QRLabel101"_s, u"0"_s, IndicatorLeft, rowTop(9))),
      QRLabel102(addLabel(u"QRLabel102"_s, u"0"_s, IndicatorLeft, rowTop(10))),
      QRLabel103(addLabel(u"QRLabel103"_s, u"0"_s, IndicatorLeft, rowTop(11))),

      MasterTable(new TReportTable(u"MasterTable"_s, this))
{
    // Only one of the marks is ever printed, after the sex the expert concludes.
    QRLabel124->setEnabled(false);
    QRLabel125->setEnabled(false);
    QRLabel126->setEnabled(false);
}
