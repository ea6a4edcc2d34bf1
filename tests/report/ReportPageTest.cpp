// The page as an independent PDF reader sees it: paper, every text at its place, and the filled-in
// placeholders.

#include "PdfReader.h"
#include "TPrKelForm.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double ToleranceMm = 0.25;
constexpr double LetterWidthPt = 612.0;
constexpr double LetterHeightPt = 792.0;

struct ExpectedLabel
{
    const char* name;
    QString text;
    double leftMm;
    double topMm;
    int pointSize;
};

void PrintTo(const ExpectedLabel& label, std::ostream* out)
{
    *out << label.name;
}

double rowTop(int row)
{
    return 59.27 + (row - 1) * 6.35;
}

const std::vector<ExpectedLabel> TemplateLabels = {
    {"QRLabel1", u"Медико - криминалистическое отделение * Кредонское Обл. Бюро СМЭ"_s, 21.17, 12.70, 12},
    {"QRLabel2", u"ПОКАЗАТЕЛИ ДИАГНОСТИЧЕСКИХ РАЗМЕРОВ ЛОПАТКИ ПРИ УСТАНОВЛЕНИИ ПОЛОВОЙ"_s, 33.87, 19.05, 10},
    {"QRLabel3", u"ПРИНАДЛЕЖНОСТИ ( В ММ )"_s, 67.73, 25.40, 10},
    {"QRLabel4", u"Приложение №"_s, 80.43, 31.75, 10},
    {"QRLabel5", u"к заключению эксперта ( к акту ) №"_s, 67.73, 35.98, 10},
    {"QRLabel6", u"№"_s, 19.05, 46.57, 10},
    {"QRLabel7", u"п/п"_s, 16.93, 50.80, 10},
    {"QRLabel8", u"Наименование"_s, 29.63, 46.57, 10},
    {"QRLabel9", u"диагностических размеров"_s, 29.63, 50.80, 10},
    {"QRLabel10", u"Размер"_s, 124.88, 46.57, 10},
    {"QRLabel11", u"Показатель"_s, 158.75, 46.57, 10},
    {"QRLabel12", u"1."_s, 19.05, rowTop(1), 10},
    {"QRLabel13", u"2."_s, 19.05, rowTop(2), 10},
    {"QRLabel14", u"3."_s, 19.05, rowTop(3), 10},
    {"QRLabel15", u"4."_s, 19.05, rowTop(4), 10},
    {"QRLabel16", u"5."_s, 19.05, rowTop(5), 10},
    {"QRLabel17", u"6."_s, 19.05, rowTop(6), 10},
    {"QRLabel18", u"7."_s, 19.05, rowTop(7), 10},
    {"QRLabel19", u"8."_s, 19.05, rowTop(8), 10},
    {"QRLabel20", u"9."_s, 19.05, rowTop(9), 10},
    {"QRLabel21", u"10."_s, 16.93, rowTop(10), 10},
    {"QRLabel22", u"11."_s, 16.93, rowTop(11), 10},
    {"QRLabel52", u"Высота"_s, 29.63, rowTop(1), 10},
    {"QRLabel53", u"Ширина"_s, 29.63, rowTop(2), 10},
    {"QRLabel54", u"Длина латерного края"_s, 29.63, rowTop(3), 10},
    {"QRLabel55", u"Длина верхнего края"_s, 29.63, rowTop(4), 10},
    {"QRLabel56", u"Ширина подостной ямки"_s, 29.63, rowTop(5), 10},
    {"QRLabel57", u"Ширина надостной ямки"_s, 29.63, rowTop(6), 10},
    {"QRLabel58", u"Длина лопаточной ости"_s, 29.63, rowTop(7), 10},
    {"QRLabel59", u"Длина плечевого отростка"_s, 29.63, rowTop(8), 10},
    {"QRLabel60", u"Длина клювовидного отростка"_s, 29.63, rowTop(9), 10},
    {"QRLabel61", u"Длина суставной впадины"_s, 29.63, rowTop(10), 10},
    {"QRLabel37", u"Проекционная ширина суставной впадины"_s, 29.63, rowTop(11), 10},
    {"QRLabel68", u"0"_s, 129.12, rowTop(1), 10},
    {"QRLabel69", u"0"_s, 129.12, rowTop(2), 10},
    {"QRLabel70", u"0"_s, 129.12, rowTop(3), 10},
    {"QRLabel71", u"0"_s, 129.12, rowTop(4), 10},
    {"QRLabel72", u"0"_s, 129.12, rowTop(5), 10},
    {"QRLabel73", u"0"_s, 129.12, rowTop(6), 10},
    {"QRLabel74", u"0"_s, 129.12, rowTop(7), 10},
    {"QRLabel75", u"0"_s, 129.12, rowTop(8), 10},
    {"QRLabel76", u"0"_s, 129.12, rowTop(9), 10},
    {"QRLabel77", u"0"_s, 129.12, rowTop(10), 10},
    {"QRLabel78", u"0"_s, 129.12, rowTop(11), 10},
    {"QRLabel93", u"0"_s, 154.52, rowTop(1), 10},
    {"QRLabel94", u"0"_s, 154.52, rowTop(2), 10},
    {"QRLabel95", u"0"_s, 154.52, rowTop(3), 10},
    {"QRLabel96", u"0"_s, 154.52, rowTop(4), 10},
    {"QRLabel97", u"0"_s, 154.52, rowTop(5), 10},
    {"QRLabel98", u"0"_s, 154.52, rowTop(6), 10},
    {"QRLabel99", u"0"_s, 154.52, rowTop(7), 10},
    {"QRLabel100", u"0"_s, 154.52, rowTop(8), 10},
    {"QRLabel101", u"0"_s, 154.52, rowTop(9), 10},
    {"QRLabel102", u"0"_s, 154.52, rowTop(10), 10},
    {"QRLabel103", u"0"_s, 154.52, rowTop(11), 10},
    {"QRLabel62", u"Д.М. - достоверно мужской -"_s, 21.17, 137.58, 10},
    {"QRLabel63", u"В.М. - вероятно мужской   -"_s, 21.17, 143.93, 10},
    {"QRLabel66", u"Н.П. - неопределенный     -"_s, 21.17, 150.28, 10},
    {"QRLabel64", u"Д.Ж. - достоверно женский -"_s, 114.30, 137.58, 10},
    {"QRLabel65", u"В.Ж. - вероятно женский   -"_s, 114.30, 143.93, 10},
    {"QRLabel118", u"0"_s, 80.43, 137.58, 10},
    {"QRLabel119", u"0"_s, 80.43, 143.93, 10},
    {"QRLabel120", u"0"_s, 80.43, 150.28, 10},
    {"QRLabel121", u"0"_s, 173.57, 137.58, 10},
    {"QRLabel122", u"0"_s, 173.57, 143.93, 10},
    {"QRLabel123", u"Пол       мужской              женский           неопределенный"_s, 23.28, 160.87, 10},
    {"QRLabel67", u"Судебно-медицинский эксперт"_s, 25.40, 171.45, 10},
    {"QRLabel127", u"Fio"_s, 131.23, 171.45, 10},
};

std::optional<PdfWord> wordNear(const PdfPage& page, const ExpectedWord& expected)
{
    const double tolerance = pointsFromMm(ToleranceMm);
    for (const PdfWord& word : page.words) {
        if (word.text == expected.text && std::abs(word.xMin - pointsFromMm(expected.leftMm)) <= tolerance &&
            std::abs(word.yMin - pointsFromMm(expected.topMm)) <= tolerance)
            return word;
    }
    return std::nullopt;
}

// Words whose box overlaps the given point of the sheet.
std::vector<PdfWord> wordsAt(const PdfPage& page, double xMm, double yMm)
{
    std::vector<PdfWord> found;
    const double x = pointsFromMm(xMm);
    const double y = pointsFromMm(yMm);
    for (const PdfWord& word : page.words) {
        if (word.xMin <= x && x <= word.xMax && word.yMin <= y && y <= word.yMax)
            found.push_back(word);
    }
    return found;
}

void expectWordsAt(const PdfPage& page, const QString& text, double leftMm, double topMm, int pointSize)
{
    for (const ExpectedWord& word : wordsOf(text, leftMm, topMm, pointSize)) {
        EXPECT_TRUE(wordNear(page, word).has_value()) << "no \"" << word.text.toStdString() << "\" at "
                                                      << word.leftMm << " mm, " << word.topMm << " mm";
    }
}

class ReportPdf : public ::testing::Test
{
protected:
    PdfPage renderSinglePage()
    {
        const auto pages = readPdfWords(writeReportPdf(m_report, m_folder.path()));
        if (pages.size() != 1)
            throw std::runtime_error("expected one page, got " + std::to_string(pages.size()));
        return pages.front();
    }

    QTemporaryDir m_folder;
    TPrKelForm m_report;
};

class TemplateLabel : public ::testing::TestWithParam<ExpectedLabel>
{
protected:
    static void SetUpTestSuite()
    {
        s_folder = new QTemporaryDir;
        s_report = new TPrKelForm;
        s_page = new PdfPage(readPdfWords(writeReportPdf(*s_report, s_folder->path())).at(0));
    }
    static void TearDownTestSuite()
    {
        delete s_page;
        delete s_report;
        delete s_folder;
    }

    static inline QTemporaryDir* s_folder = nullptr;
    static inline TPrKelForm* s_report = nullptr;
    static inline PdfPage* s_page = nullptr;
};

} // namespace

TEST_P(TemplateLabel, HasItsTextAndEveryWordInItsCell)
{
    const ExpectedLabel& expected = GetParam();
    const auto* label = s_report->findChild<TReportLabel*>(QString::fromLatin1(expected.name));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text(), expected.text);
    EXPECT_TRUE(label->isEnabled());
    expectWordsAt(*s_page, expected.text, expected.leftMm, expected.topMm, expected.pointSize);
}

INSTANTIATE_TEST_SUITE_P(Page, TemplateLabel, ::testing::ValuesIn(TemplateLabels),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportPdf, IsOneUsLetterPageWithEveryTextInsideTheMargins)
{
    const PdfPage page = renderSinglePage();
    EXPECT_NEAR(page.width, LetterWidthPt, 0.01);
    EXPECT_NEAR(page.height, LetterHeightPt, 0.01);
    ASSERT_FALSE(page.words.empty());
    const double margin = pointsFromMm(10.0);
    for (const PdfWord& word : page.words) {
        EXPECT_GE(word.xMin, margin) << word.text.toStdString();
        EXPECT_GE(word.yMin, margin) << word.text.toStdString();
        EXPECT_LE(word.xMax, LetterWidthPt - margin) << word.text.toStdString();
        EXPECT_LE(word.yMax, LetterHeightPt - margin) << word.text.toStdString();
    }
}

TEST_F(ReportPdf, TemplateHasEveryElementAndNoMarkEnabled)
{
    EXPECT_EQ(m_report.findChildren<TReportLabel*>().size(), 71);
    EXPECT_EQ(m_report.findChildren<TReportShape*>().size(), 4);
    ASSERT_NE(m_report.findChild<TReportTable*>(u"MasterTable"_s), nullptr);
    EXPECT_FALSE(m_report.MasterTable->isActive());
    EXPECT_EQ(m_report.content().items.size(), 72u); // 75 elements less the three disabled marks
    for (const auto* mark : {m_report.QRLabel124, m_report.QRLabel125, m_report.QRLabel126}) {
        EXPECT_FALSE(mark->isEnabled()) << mark->objectName().toStdString();
        EXPECT_EQ(mark->text(), u"*"_s);
    }
}

TEST_F(ReportPdf, IndicatorLettersStandFiveCellsRightOfItsEdge)
{
    m_report.QRLabel93->setText(u"     ДМ"_s);
    m_report.QRLabel103->setText(u"     ВЖ"_s);
    const PdfPage page = renderSinglePage();
    EXPECT_TRUE(wordNear(page, {u"ДМ"_s, 165.10, rowTop(1)}).has_value());
    EXPECT_TRUE(wordNear(page, {u"ВЖ"_s, 165.10, rowTop(11)}).has_value());
}

TEST_F(ReportPdf, TwoDigitCountKeepsItsLeftEdgeAndGrowsToTheRight)
{
    m_report.QRLabel118->setText(u"10"_s);
    m_report.QRLabel122->setText(u"11"_s);
    const PdfPage page = renderSinglePage();
    const auto ten = wordNear(page, {u"10"_s, 80.43, 137.58});
    ASSERT_TRUE(ten.has_value());
    EXPECT_NEAR(ten->xMax, pointsFromMm(80.43) + 2 * 6.0, pointsFromMm(ToleranceMm));
    EXPECT_TRUE(wordNear(page, {u"11"_s, 173.57, 143.93}).has_value());
    // The legend stays as it was: the dash one blank cell before the count.
    EXPECT_TRUE(wordNear(page, {u"-"_s, 21.17 + 26 * 0.6 * 10 * 25.4 / 72, 137.58}).has_value());
}

TEST_F(ReportPdf, EmptyLabelsLeaveTheirPlacesBlank)
{
    m_report.QRLabel68->setText(QString());
    m_report.QRLabel93->setText(QString());
    m_report.QRLabel127->setText(QString());
    const PdfPage page = renderSinglePage();
    EXPECT_TRUE(wordsAt(page, 129.12 + 1.0, rowTop(1) + 2.0).empty());
    EXPECT_TRUE(wordsAt(page, 154.52 + 1.0, rowTop(1) + 2.0).empty());
    EXPECT_TRUE(wordsAt(page, 131.23 + 1.0, 171.45 + 2.0).empty());
    // Neighbours are untouched.
    EXPECT_TRUE(wordNear(page, {u"0"_s, 129.12, rowTop(2)}).has_value());
}

TEST_F(ReportPdf, FilledTextsPrintAsSet)
{
    m_report.QRLabel1->setText(u"ГБУЗ «Бюро СМЭ»"_s);
    m_report.QRLabel72->setText(u"12,5"_s);
    m_report.QRLabel127->setText(u"Иванов И.И."_s);
    const PdfPage page = renderSinglePage();
    expectWordsAt(page, u"ГБУЗ «Бюро СМЭ»"_s, 21.17, 12.70, 12);
    expectWordsAt(page, u"12,5"_s, 129.12, rowTop(5), 10);
    expectWordsAt(page, u"Иванов И.И."_s, 131.23, 171.45, 10);
}

TEST_F(ReportPdf, LineBreaksInATextStayOnOneLine)
{
    m_report.QRLabel1->setText(u"Бюро\nСМЭ\r\nКредон"_s);
    const PdfPage page = renderSinglePage();
    expectWordsAt(page, u"Бюро СМЭ Кредон"_s, 21.17, 12.70, 12);
}

TEST_F(ReportPdf, LaidOutOnADeviceThatCannotBeWrittenFailsWithAMessage)
{
    QPdfWriter writer(m_folder.path() + u"/missing/folder/page.pdf"_s);
    EXPECT_THROW(m_report.layOut(writer), std::runtime_error);
}

// Which sex mark is enabled: none, male, female or undetermined.
class SexMark : public ReportPdf, public ::testing::WithParamInterface<int>
{};

TEST_P(SexMark, OnlyTheEnabledMarkPrintsAsABoldStarInItsGap)
{
    const std::array marks{m_report.QRLabel124, m_report.QRLabel125, m_report.QRLabel126};
    const std::array marksLeftMm{63.50, 107.95, 160.87};
    const int enabled = GetParam();
    for (int i = 0; i < 3; ++i)
        marks[i]->setEnabled(i == enabled);
    // The institution line is the other bold text: blank it to see which fonts the marks use.
    m_report.QRLabel1->setText(QString());

    const QString path = writeReportPdf(m_report, m_folder.path());
    const PdfPage page = readPdfWords(path).at(0);
    for (int i = 0; i < 3; ++i) {
        const auto star = wordNear(page, {u"*"_s, marksLeftMm[i], 160.87});
        EXPECT_EQ(star.has_value(), i == enabled) << marks[i]->objectName().toStdString();
        if (star) {
            EXPECT_NEAR(star->xMax - star->xMin, 7.2, 0.05); // one 12-pt cell wide
        }
    }
    const long starCount = std::count_if(page.words.begin(), page.words.end(),
                                         [](const PdfWord& word) { return word.text == u"*"_s; });
    EXPECT_EQ(starCount, enabled >= 0 ? 1 : 0);

    const QStringList fonts = pdfFontNames(path);
    const bool hasBold =
        std::any_of(fonts.begin(), fonts.end(), [](const QString& font) { return font.contains(u"Bold"_s); });
    EXPECT_EQ(hasBold, enabled >= 0) << fonts.join(u", "_s).toStdString();
}

static std::string markName(const ::testing::TestParamInfo<int>& info)
{
    static const std::array<const char*, 4> names{"None", "Male", "Female", "Undetermined"};
    return names.at(info.param + 1);
}

INSTANTIATE_TEST_SUITE_P(Marks, SexMark, ::testing::Values(-1, 0, 1, 2), markName);
