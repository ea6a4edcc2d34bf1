// Hostile input through the real window and the print command: every character typed or pasted
// into a measurement box, a megabyte pasted, and institution lines the report was not designed for.

#include "AppTestSupport.h"
#include "FloatingPointError.h"
#include "ParseMeasurement.h"
#include "ReferenceTable.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QLineEdit>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

// The verdict the window owes for a box's text, or nothing when the run must fail.
std::optional<QString> OwedVerdict(const QString& text, std::size_t row)
{
    try {
        const double value = ParseMeasurement(text.toStdString());
        return QString::fromStdString(VerdictString(ClassifyMeasurement(value, ReferenceTable[row])));
    } catch (const EFloatingPointError&) {
        return std::nullopt;
    }
}

// The key a keyboard reports with a character: the editing keys for their control characters,
// no particular key for the rest (a character typed through an input method or Alt codes).
Qt::Key KeyOf(QChar c)
{
    switch (c.unicode()) {
    case '\b':
        return Qt::Key_Backspace;
    case '\t':
        return Qt::Key_Tab;
    case '\n':
    case '\r':
        return Qt::Key_Return;
    case 0x1B:
        return Qt::Key_Escape;
    case 0x7F:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

class HostileBoxInput : public testing::Test
{
protected:
    HostileBoxInput() : m_form(NoSettingsKey) {}

    QLineEdit* Box() { return m_form.Edit1; }
    QLineEdit* VerdictBox() { return m_form.Edit12; }

    // The window has recomputed from what the box holds and shows the verdict owed for it.
    void ExpectRecomputed(const char* what)
    {
        const std::optional<QString> owed = OwedVerdict(Box()->text(), 0);
        ASSERT_TRUE(owed.has_value()) << what;
        EXPECT_EQ(VerdictBox()->text(), *owed) << what;
    }

    FailureRecorder m_failures;
    TForm1 m_form;
};

// Typed characters: printable ones are inserted; control characters (C0, DEL, C1) never reach
// the text, and the keys they stand for do what they do in any box (Backspace deletes).
TEST_F(HostileBoxInput, EveryCharacterTypedIsInsertedOrIgnored)
{
    QList<QChar> characters;
    for (int code = 0; code < 256; ++code)
        characters.append(QChar(code));
    for (const char16_t code : {u'\u0410', u'\u00A0', u'\u2028', u'\u202E', u'\uFEFF', u'\uFFFD', u'\uE000'})
        characters.append(QChar(code));

    for (const QChar c : characters) {
        Box()->setText(QStringLiteral("16"));
        Box()->setFocus();
        QTest::sendKeyEvent(QTest::Click, Box(), KeyOf(c), QString(c), Qt::NoModifier);
        const QString held = Box()->text();
        const QString what = QStringLiteral("character U+%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        const bool insertable =
            c.isPrint() || c.category() == QChar::Other_Format || c.category() == QChar::Other_PrivateUse;
        if (insertable)
            EXPECT_EQ(held, QStringLiteral("16") + c) << what.toStdString();
        else if (c == QLatin1Char('\b'))
            EXPECT_EQ(held, QStringLiteral("1")) << what.toStdString();
        else
            EXPECT_EQ(held, QStringLiteral("16")) << what.toStdString();
        ExpectRecomputed(what.toStdString().c_str());
    }
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

// A pasted text is held exactly as pasted, zero character, control characters and line breaks
// included (Qt's line edit does not cut a paste at its line break); the sheet reads its number.
TEST_F(HostileBoxInput, EveryBytePastedIsHeldAsPasted)
{
    QString all;
    for (int code = 1; code < 256; ++code)
        all.append(QChar(code));
    const QString pasted = QStringLiteral("12") + QChar(0) + all + QStringLiteral("\r\nsecond line");
    QApplication::clipboard()->setText(pasted);
    Box()->clear();
    Box()->paste();

    EXPECT_EQ(Box()->text(), pasted);
    ExpectRecomputed("pasted bytes");
    EXPECT_EQ(VerdictBox()->text(), QStringLiteral("     ДЖ")); // 12
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

// A megabyte pasted is kept whole (the boxes set no length limit) and recomputed.
TEST_F(HostileBoxInput, PastedMegabyteIsKeptWholeAndRecomputed)
{
    for (const QString& megabyte :
         {QString(1 << 20, QLatin1Char('9')), QStringLiteral("168") + QString(1 << 20, QLatin1Char('x')),
          QStringLiteral("0.") + QString(1 << 20, QLatin1Char('0')) + QStringLiteral("1")}) {
        QApplication::clipboard()->setText(megabyte);
        Box()->clear();
        Box()->paste();
        EXPECT_EQ(Box()->text(), megabyte);
        ExpectRecomputed("a megabyte");
    }
    EXPECT_EQ(VerdictBox()->text(), QString()); // 0.000...01 is far below 1 mm
    EXPECT_TRUE(m_failures.Shown().isEmpty());
}

// The institution line as a site might misconfigure it, through the settings file and the print
// command onto a laid-out page.
class HostileTitle : public testing::Test
{
protected:
    HostileTitle() : m_form(NoSettingsKey)
    {
        const QByteArray dirs = qgetenv("XDG_CONFIG_DIRS");
        m_oldDirs = dirs.isNull() ? std::nullopt : std::optional<QByteArray>(dirs);
        qputenv("XDG_CONFIG_DIRS", m_config.path().toLocal8Bit());
        QDir(m_config.path()).mkpath(QStringLiteral("Gorvud"));
        PrKelForm = &m_report;
    }
    ~HostileTitle() override
    {
        PrKelForm = nullptr;
        if (m_oldDirs)
            qputenv("XDG_CONFIG_DIRS", *m_oldDirs);
        else
            qunsetenv("XDG_CONFIG_DIRS");
    }

    void WriteSettings(const std::string& content)
    {
        std::ofstream out(m_config.filePath(QStringLiteral("Gorvud/Ostrameda.conf")).toStdString(),
                          std::ios::binary | std::ios::trunc);
        out << content;
    }

    // Fills the report and lays the page out into a PDF, which must be whole.
    void PrintToPdf()
    {
        m_form.FillReport();
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            m_report.layOut(writer);
        }
        EXPECT_TRUE(pdf.data().startsWith("%PDF-"));
        EXPECT_TRUE(pdf.data().trimmed().endsWith("%%EOF"));
    }

    QString Title() const { return m_report.QRLabel1->text(); }

    QTemporaryDir m_config;
    std::optional<QByteArray> m_oldDirs;
    TPrKelForm m_report;
    TForm1 m_form;
};

TEST_F(HostileTitle, ControlCharactersInsideTheLineArePrintedOnOneLine)
{
    // A line break ends a value in the settings file; a carriage return or other control
    // character inside the line stays part of the title.
    WriteSettings("Title=Бюро\rСМЭ\x01\x1F\x7F конец\nName1=x\n");
    PrintToPdf();
    EXPECT_EQ(Title(), QString::fromUtf8("Бюро\rСМЭ\x01\x1F\x7F конец"));
}

TEST_F(HostileTitle, OverlongTitleIsIgnored)
{
    const QString builtIn = Title();
    WriteSettings("Title=" + std::string(10'000, 'T') + "\n");
    PrintToPdf();
    EXPECT_EQ(Title(), builtIn);
}

TEST_F(HostileTitle, CharactersBeyondWindows1251AreKept)
{
    const char* title = "Bureau 法医 \xF0\x9F\xA9\xBB \u202Eright-to-left";
    WriteSettings(std::string("Title=") + title + "\n");
    PrintToPdf();
    EXPECT_EQ(Title(), QString::fromUtf8(title));
}

TEST_F(HostileTitle, BoxTextsOfAnyKindArePrintedAsTheWindowHoldsThem)
{
    const QString hostile = QStringLiteral("\t\u202E168\u0000\uFFFD") + QString(32000, QChar(u'Ж'));
    m_form.Edit1->setText(hostile);
    m_form.ComboBox1->setEditText(QString(5000, QChar(u'\u0301')));
    PrintToPdf();
    EXPECT_EQ(m_report.QRLabel68->text(), m_form.Edit1->text());
    EXPECT_EQ(m_report.QRLabel127->text(), m_form.ComboBox1->currentText());
}

} // namespace
