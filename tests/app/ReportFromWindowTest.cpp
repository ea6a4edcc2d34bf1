// The page that the print command fills from the window, as an independent PDF reader sees it:
// the window is driven as a user drives it, FillReport copies it, and the page is laid out to PDF.

#include "AppTestSupport.h"
#include "PrintTestSupport.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <optional>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double LetterWidthPt = 612.0;
constexpr double LetterHeightPt = 792.0;
constexpr double SizeLeft = 129.12;
constexpr double IndicatorLeft = 154.52;
constexpr double IndicatorLettersLeft = 165.10; // after the verdict string's five blanks
constexpr double TitleLeft = 21.17;
constexpr double TitleTop = 12.70;
constexpr double NameLeft = 131.23;
constexpr double NameTop = 171.45;
constexpr double SexLineTop = 160.87;
constexpr std::array MarkLefts{63.50, 107.95, 160.87}; // male, female, undetermined
const QString BuiltInTitle = u"Медико - криминалистическое отделение * Кредонское Обл. Бюро СМЭ"_s;

double RowTop(int row)
{
    return 59.27 + (row - 1) * 6.35;
}

// Where each count stands, in the order ДМ, ВМ, НП, ДЖ, ВЖ.
struct CountPlace
{
    double left;
    double top;
};
constexpr std::array<CountPlace, 5> CountPlaces{
    {{80.43, 137.58}, {80.43, 143.93}, {80.43, 150.28}, {173.57, 137.58}, {173.57, 143.93}}};

class ReportFromWindow : public testing::Test
{
protected:
    ReportFromWindow() : m_reference(&m_report), m_form(NoSettingsKey) {}

    QLineEdit* Box(int number)
    {
        return Control<QLineEdit>(m_form, ("Edit" + std::to_string(number)).c_str());
    }
    QComboBox* NameChooser() { return Control<QComboBox>(m_form, "ComboBox1"); }

    void Type(int row, const QString& text) { QTest::keyClicks(Box(row), text); }

    void TypeAll(const std::array<const char*, 11>& texts)
    {
        for (int row = 1; row <= 11; ++row)
            Type(row, QString::fromUtf8(texts[row - 1]));
    }

    void ReplaceName(const QString& text)
    {
        QLineEdit* edit = NameChooser()->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        TypeText(edit, text);
    }

    // Fills the report from the window and reads its one page back.
    PdfPage Print()
    {
        m_form.FillReport();
        const PdfPage page = LayOutSinglePage(m_report, m_folder.path(), u"print-%1"_s.arg(++m_prints));
        EXPECT_NEAR(page.width, LetterWidthPt, 0.01);
        EXPECT_NEAR(page.height, LetterHeightPt, 0.01);
        return page;
    }

    TemporarySettings m_settings;
    FailureRecorder m_failures;
    TPrKelForm m_report;
    ReportReference m_reference;
    TForm1 m_form;
    QTemporaryDir m_folder;
    int m_prints = 0;
};

// One measurement typed into its row: the size printed as typed, and the indicator's letters.
struct RowCase
{
    const char* name;
    int row;
    const char* typed;
    const char* size;      // the first word printed in the size place; empty: blank
    double sizeShiftCells; // where that word begins, in cells from the size label's edge
    const char* verdict;   // the indicator's letters; empty: blank
};

void PrintTo(const RowCase& c, std::ostream* out)
{
    *out << c.name;
}

class Row : public ReportFromWindow, public testing::WithParamInterface<RowCase>
{};

TEST_P(Row, PrintsTheSizeAsTypedBesideTheVerdictTheWindowShows)
{
    const RowCase& c = GetParam();
    Type(c.row, QString::fromUtf8(c.typed));
    const QString verdict = QString::fromUtf8(c.verdict);
    ASSERT_EQ(Box(c.row + 11)->text().trimmed(), verdict) << "the window's own verdict";

    const PdfPage page = Print();
    const double top = RowTop(c.row);
    const double cellMm = 0.6 * 10 * 25.4 / 72.0;
    if (*c.size == '\0')
        EXPECT_TRUE(NoWordStartsIn(page, SizeLeft - 1, 150.55, top - 1, top + 3)) << "size not blank";
    else
        EXPECT_TRUE(WordAt(page, QString::fromUtf8(c.size), SizeLeft + c.sizeShiftCells * cellMm, top));
    if (verdict.isEmpty())
        EXPECT_TRUE(NoWordStartsIn(page, IndicatorLeft - 1, 188.0, top - 1, top + 3))
            << "indicator not blank";
    else
        EXPECT_TRUE(WordAt(page, verdict, IndicatorLettersLeft, top)) << "indicator letters not at 165.10 mm";
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, Row,
    testing::Values(RowCase{"DefinitelyMale", 1, "170", "170", 0, "ДМ"},
                    RowCase{"LastRow", 11, "27", "27", 0, "ВЖ"},
                    RowCase{"DecimalPoint", 6, "57.5", "57.5", 0, "ВМ"},
                    // The comma ends the number the window reads (12), but the page shows the text.
                    RowCase{"DecimalComma", 1, "12,5", "12,5", 0, "ДЖ"},
                    RowCase{"LeadingBlanksKept", 1, "  150", "150", 2, "НП"},
                    RowCase{"OutOfEveryRange", 3, "0", "0", 0, ""},
                    RowCase{"NotANumber", 4, "abc", "abc", 0, ""}, RowCase{"Empty", 5, "", "", 0, ""}),
    [](const testing::TestParamInfo<RowCase>& info) { return info.param.name; });

// Eleven typed texts and the counts the page shows for them, ДМ, ВМ, НП, ДЖ, ВЖ.
struct CountsCase
{
    const char* name;
    std::array<const char*, 11> typed;
    std::array<const char*, 5> counts;
};

void PrintTo(const CountsCase& c, std::ostream* out)
{
    *out << c.name;
}

class Counts : public ReportFromWindow, public testing::WithParamInterface<CountsCase>
{};

TEST_P(Counts, EachCountStandsBesideItsLegend)
{
    TypeAll(GetParam().typed);
    const PdfPage page = Print();
    for (std::size_t i = 0; i < CountPlaces.size(); ++i) {
        const QString count = QString::fromUtf8(GetParam().counts[i]);
        const auto word = WordAt(page, count, CountPlaces[i].left, CountPlaces[i].top);
        ASSERT_TRUE(word.has_value()) << "count " << i << " is not " << GetParam().counts[i];
        // Two digits keep the left edge and take one more cell.
        EXPECT_NEAR(word->xMax - word->xMin, count.size() * 6.0, 0.05);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sheets, Counts,
    testing::Values(
        CountsCase{"NothingTyped", {"", "", "", "", "", "", "", "", "", "", ""}, {"0", "0", "0", "0", "0"}},
        CountsCase{"Realistic",
                   {"170", "112", "130", "60", "100", "40", "140", "50", "45", "35", "27"},
                   {"1", "2", "3", "1", "4"}},
        CountsCase{"ElevenDefinitelyMale",
                   {"999", "999", "999", "999", "999", "999", "999", "999", "999", "999", "999"},
                   {"11", "0", "0", "0", "0"}},
        CountsCase{"TenDefinitelyFemale",
                   {"10", "10", "10", "10", "10", "10", "10", "10", "10", "10", ""},
                   {"0", "0", "0", "10", "0"}},
        CountsCase{"ElevenProbablyFemale",
                   {"145", "100", "120", "65", "105", "40", "125", "40", "41", "35", "27"},
                   {"0", "0", "0", "0", "11"}}),
    [](const testing::TestParamInfo<CountsCase>& info) { return info.param.name; });

TEST_F(ReportFromWindow, NothingTypedGivesBlankSizesAndIndicators)
{
    const PdfPage page = Print();
    for (int row = 1; row <= 11; ++row) {
        EXPECT_TRUE(NoWordStartsIn(page, SizeLeft - 1, 188.0, RowTop(row) - 1, RowTop(row) + 3))
            << "row " << row;
    }
}

// How the user leaves the sex buttons, and which mark the page then carries (-1: none).
struct SexCase
{
    const char* name;
    std::function<void(TForm1&)> choose;
    int mark;
};

void PrintTo(const SexCase& c, std::ostream* out)
{
    *out << c.name;
}

class SexMark : public ReportFromWindow, public testing::WithParamInterface<SexCase>
{};

int PrintedMark(const PdfPage& page)
{
    const long stars = std::count_if(page.words.begin(), page.words.end(),
                                     [](const PdfWord& word) { return word.text == u"*"_s; });
    // The institution line holds a star of its own, far above the sex line.
    const long onSexLine = std::count_if(page.words.begin(), page.words.end(), [](const PdfWord& word) {
        return word.text == u"*"_s && word.yMin > pointsFromMm(SexLineTop - 1);
    });
    EXPECT_EQ(stars - onSexLine, 1) << "the institution line's star";
    if (onSexLine != 1)
        return onSexLine == 0 ? -1 : -2;
    for (int i = 0; i < 3; ++i) {
        if (WordAt(page, u"*"_s, MarkLefts[i], SexLineTop))
            return i;
    }
    return -2;
}

void Click(TForm1& form, const char* button)
{
    QTest::mouseClick(Control<QRadioButton>(form, button), Qt::LeftButton);
}

TEST_P(SexMark, OnlyTheMarkOfTheCheckedButtonIsPrinted)
{
    GetParam().choose(m_form);
    EXPECT_EQ(PrintedMark(Print()), GetParam().mark);
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, SexMark,
    testing::Values(SexCase{"MaleAsTheWindowStarts", [](TForm1&) {}, 0},
                    SexCase{"Female", [](TForm1& form) { Click(form, "RadioButton2"); }, 1},
                    SexCase{"Undetermined", [](TForm1& form) { Click(form, "RadioButton3"); }, 2},
                    SexCase{"FemaleThenMale",
                            [](TForm1& form) {
                                Click(form, "RadioButton2");
                                Click(form, "RadioButton1");
                            },
                            0},
                    // Not something the window lets a user do, but the page must then carry no mark.
                    SexCase{"NoneChecked",
                            [](TForm1& form) {
                                form.SexButtons->setExclusive(false);
                                form.RadioButton1->setChecked(false);
                            },
                            -1}),
    [](const testing::TestParamInfo<SexCase>& info) { return info.param.name; });

TEST_F(ReportFromWindow, PrintingAgainAfterChoosingFemaleMovesTheMark)
{
    EXPECT_EQ(PrintedMark(Print()), 0);
    Click(m_form, "RadioButton2");
    EXPECT_EQ(PrintedMark(Print()), 1);
}

// How the user leaves the name chooser: entries moved down the list with the arrow key, then
// perhaps a text typed over the name; and the name printed at the signature (empty: blank).
struct NameCase
{
    const char* name;
    int downPresses;
    std::optional<const char*> typed;
    const char* printed;
};

void PrintTo(const NameCase& c, std::ostream* out)
{
    *out << c.name;
}

class ExpertName : public ReportFromWindow, public testing::WithParamInterface<NameCase>
{};

TEST_P(ExpertName, IsPrintedAsTheChooserShowsIt)
{
    for (int i = 0; i < GetParam().downPresses; ++i)
        QTest::keyClick(NameChooser(), Qt::Key_Down);
    if (GetParam().typed)
        ReplaceName(QString::fromUtf8(*GetParam().typed));
    const PdfPage page = Print();
    const QString printed = QString::fromUtf8(GetParam().printed);
    if (printed.isEmpty())
        EXPECT_TRUE(NoWordStartsIn(page, NameLeft - 1, 200, NameTop - 1, NameTop + 3));
    else
        EXPECT_TRUE(HasTextAt(page, printed, NameLeft, NameTop, 10));
}

INSTANTIATE_TEST_SUITE_P(Chooser, ExpertName,
                         testing::Values(NameCase{"FirstAsTheWindowStarts", 0, std::nullopt, "Соколов А.В."},
                                         NameCase{"PickedFromTheList", 2, std::nullopt, "Волков Д.С."},
                                         NameCase{"TypedNotInTheList", 0, "Кузнецов  П.Р. (и.о.)",
                                                  "Кузнецов  П.Р. (и.о.)"},
                                         NameCase{"Empty", 1, "", ""}),
                         [](const testing::TestParamInfo<NameCase>& info) { return info.param.name; });

// The settings file at each print (nullopt: none) and the institution line of the last page.
struct TitleCase
{
    const char* name;
    std::vector<std::optional<QByteArray>> settingsAtEachPrint;
    QString line; // empty: a blank line
};

void PrintTo(const TitleCase& c, std::ostream* out)
{
    *out << c.name;
}

class InstitutionLine : public ReportFromWindow, public testing::WithParamInterface<TitleCase>
{};

TEST_P(InstitutionLine, IsTheLatestTitleSetOrTheBuiltInLine)
{
    std::optional<PdfPage> page;
    for (const std::optional<QByteArray>& settings : GetParam().settingsAtEachPrint) {
        m_settings.Write(settings);
        page = Print();
    }
    const QString& line = GetParam().line;
    if (line.isEmpty()) {
        EXPECT_TRUE(NoWordStartsIn(*page, 0, 216, TitleTop - 1, 19.0)) << "the line is not blank";
    } else {
        EXPECT_TRUE(HasTextAt(*page, line, TitleLeft, TitleTop, 12));
        // Bold 12 pt: each character takes 7.2 pt.
        const auto first = WordAt(*page, line.section(u' ', 0, 0), TitleLeft, TitleTop);
        ASSERT_TRUE(first.has_value());
        EXPECT_NEAR(first->xMax - first->xMin, line.section(u' ', 0, 0).size() * 7.2, 0.05);
    }
    if (line != BuiltInTitle) {
        EXPECT_FALSE(WordAt(*page, u"Медико"_s, TitleLeft, TitleTop)) << "the built-in line is still there";
    }
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, InstitutionLine,
    testing::Values(TitleCase{"NoSettings", {std::nullopt}, BuiltInTitle},
                    TitleCase{"SettingsWithoutTitle", {"Name1=Иванов\n"}, BuiltInTitle},
                    TitleCase{"EmptyTitle", {"Title=\n"}, BuiltInTitle},
                    TitleCase{"CyrillicTitle",
                              {"Title=ГБУЗ «Бюро СМЭ» Кредонской области\n"},
                              u"ГБУЗ «Бюро СМЭ» Кредонской области"_s},
                    TitleCase{"TitleOfBlanks", {"Title=\"   \"\n"}, QString()},
                    TitleCase{"TitleRemovedBetweenPrints", {"Title=Бюро СМЭ\n", std::nullopt}, u"Бюро СМЭ"_s},
                    TitleCase{"TitleEmptiedBetweenPrints", {"Title=Бюро СМЭ\n", "Title=\n"}, u"Бюро СМЭ"_s},
                    TitleCase{
                        "TitleChangedBetweenPrints", {"Title=Бюро СМЭ\n", "Title=Морг №2\n"}, u"Морг №2"_s}),
    [](const testing::TestParamInfo<TitleCase>& info) { return info.param.name; });

bool SameWords(const PdfPage& a, const PdfPage& b)
{
    return std::equal(a.words.begin(), a.words.end(), b.words.begin(), b.words.end(),
                      [](const PdfWord& x, const PdfWord& y) {
                          return x.text == y.text && x.xMin == y.xMin && x.yMin == y.yMin &&
                                 x.xMax == y.xMax && x.yMax == y.yMax;
                      });
}

TEST_F(ReportFromWindow, TwoPrintsWithoutChangesGiveTheSamePage)
{
    m_settings.Write("Title=Бюро СМЭ\n");
    TypeAll({"170", "112", "130", "60", "100", "40", "140", "50", "45", "35", "27"});
    Click(m_form, "RadioButton3");
    const PdfPage first = Print();
    const PdfPage second = Print();
    EXPECT_GT(first.words.size(), 100u);
    EXPECT_TRUE(SameWords(first, second));
}

TEST_F(ReportFromWindow, EveryPrintOverwritesWhatTheLastOneWrote)
{
    TypeAll({"170", "112", "130", "60", "100", "40", "140", "50", "45", "35", "27"});
    Click(m_form, "RadioButton2");
    ReplaceName(u"Петров"_s);
    Print();

    for (int row = 1; row <= 11; ++row)
        Box(row)->clear();
    Click(m_form, "RadioButton1");
    ReplaceName(QString());
    const PdfPage page = Print();
    EXPECT_TRUE(NoWordStartsIn(page, SizeLeft - 1, 188.0, RowTop(1) - 1, RowTop(11) + 3));
    for (std::size_t i = 0; i < CountPlaces.size(); ++i)
        EXPECT_TRUE(WordAt(page, u"0"_s, CountPlaces[i].left, CountPlaces[i].top)) << "count " << i;
    EXPECT_TRUE(NoWordStartsIn(page, NameLeft - 1, 200, NameTop - 1, NameTop + 3));
    EXPECT_EQ(PrintedMark(page), 0);
}

TEST_F(ReportFromWindow, CopiesEveryTextOfTheWindowIntoItsOwnElement)
{
    TypeAll({"170", "112", "130", "60", "100", "40", "140", "50", "45", "35", "27"});
    m_form.FillReport();
    const std::array sizes{m_report.QRLabel68, m_report.QRLabel69, m_report.QRLabel70, m_report.QRLabel71,
                           m_report.QRLabel72, m_report.QRLabel73, m_report.QRLabel74, m_report.QRLabel75,
                           m_report.QRLabel76, m_report.QRLabel77, m_report.QRLabel78};
    const std::array indicators{m_report.QRLabel93,  m_report.QRLabel94,  m_report.QRLabel95,
                                m_report.QRLabel96,  m_report.QRLabel97,  m_report.QRLabel98,
                                m_report.QRLabel99,  m_report.QRLabel100, m_report.QRLabel101,
                                m_report.QRLabel102, m_report.QRLabel103};
    for (int row = 1; row <= 11; ++row) {
        EXPECT_EQ(sizes[row - 1]->text(), Box(row)->text()) << "row " << row;
        EXPECT_EQ(indicators[row - 1]->text(), Box(row + 11)->text()) << "row " << row;
        EXPECT_EQ(indicators[row - 1]->text().left(5), u"     "_s) << "row " << row;
    }
    const std::array counts{m_report.QRLabel118, m_report.QRLabel119, m_report.QRLabel120,
                            m_report.QRLabel121, m_report.QRLabel122};
    const std::array labels{"Label1", "Label2", "Label3", "Label4", "Label5"};
    for (std::size_t i = 0; i < counts.size(); ++i)
        EXPECT_EQ(counts[i]->text(), Control<QLabel>(m_form, labels[i])->text()) << labels[i];
    EXPECT_EQ(m_report.QRLabel127->text(), NameChooser()->currentText());
}

} // namespace
