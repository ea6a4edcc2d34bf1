// The main window as designed: every control with its kind, parent, place, text, font, colours
// and focus. The window is looked at before FormCreate has changed anything: its names reader
// fails, so FormCreate stops at once.

#include "AppTestSupport.h"
#include "ReferenceTable.h"
#include "SpeedButton.h"
#include "TForm1.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

namespace {

enum class Sizing
{
    Fixed,
    ToText,
    ToTextRightAligned
};
enum class Ink
{
    SystemWindowText,
    Navy,
    Yellow,
    Maroon
};
enum class Fill
{
    None,
    Lime,
    WindowColour,
    SystemButtonText,
    Black
};

struct ControlCase
{
    const char* name;
    const char* kind;
    const char* parent;
    QRect geometry;
    const char* text;
    const char* face;
    int pixelSize;
    bool bold;
    Ink ink;
    Fill fill;
    Qt::FocusPolicy focus;
    Sizing sizing;
};

// Label widths are those of their texts; metric-compatible faces come within this of the design.
constexpr int TextSizeTolerance = 2;

const QColor Lime(0, 255, 0), Yellow(255, 255, 0), Black(0, 0, 0), Navy(0, 0, 128), Maroon(128, 0, 0);

std::ostream& operator<<(std::ostream& out, const ControlCase& control)
{
    return out << control.name;
}

constexpr ControlCase RowLabel(const char* name, const char* caption, int top, int width, bool odd)
{
    return {name,
            "QLabel",
            "Form1",
            QRect(25, top, width, 19),
            caption,
            "Arial",
            16,
            true,
            Ink::SystemWindowText,
            odd ? Fill::Lime : Fill::WindowColour,
            Qt::NoFocus,
            Sizing::ToText};
}

constexpr ControlCase Box(const char* name, const char* panel, int top, bool verdict)
{
    return {name,
            "QLineEdit",
            panel,
            QRect(7, top, 72, 23),
            "",
            "Arial",
            12,
            false,
            Ink::Yellow,
            Fill::Black,
            verdict ? Qt::ClickFocus : Qt::StrongFocus,
            Sizing::Fixed};
}

constexpr ControlCase Header(const char* name, int left, int width, const char* caption)
{
    return {name,      "QLabel",        "Form1",     QRect(left, 25, width, 16),
            caption,   "MS Sans Serif", 15,          true,
            Ink::Navy, Fill::None,      Qt::NoFocus, Sizing::ToText};
}

constexpr ControlCase Radio(const char* name, int left, Qt::FocusPolicy focus)
{
    return {name,      "QRadioButton",  "Form1", QRect(left, 25, 17, 17),
            name,      "MS Sans Serif", 15,      true,
            Ink::Navy, Fill::None,      focus,   Sizing::Fixed};
}

constexpr ControlCase Count(const char* name, int left, int top, int width, const char* text, Sizing sizing)
{
    return {name,      "QLabel",          "Form1",     QRect(left, top, width, 24),
            text,      "Times New Roman", 21,          true,
            Ink::Navy, Fill::None,        Qt::NoFocus, sizing};
}

constexpr ControlCase Button(const char* name, int left, int top, const char* caption)
{
    return {name,        "TSpeedButton",    "Form1",     QRect(left, top, 153, 33),
            caption,     "Times New Roman", 16,          true,
            Ink::Maroon, Fill::None,        Qt::NoFocus, Sizing::Fixed};
}

const ControlCase Controls[] = {
    RowLabel("Label27", "1 Высота______________________________________", 10, 417, true),
    RowLabel("Label29", "2 Ширина______________________________________", 37, 420, false),
    RowLabel("Label33", "3 Длина латерного края___________________________", 63, 433, true),
    RowLabel("Label34", "4 Длина верхнего края____________________________", 90, 433, false),
    RowLabel("Label35", "5 Ширина подостной ямки________________________", 116, 427, true),
    RowLabel("Label6", "6 Ширина надостной ямки_______________________", 143, 417, false),
    RowLabel("Label7", "7 Длина лопаточной ости________________________", 170, 420, true),
    RowLabel("Label8", "8 Длина плечевого отростка_______________________", 196, 434, false),
    RowLabel("Label12", "9 Длина клювовидного отростка___________________", 223, 433, true),
    RowLabel("Label13", "10 Длина суставной впадины_____________________", 249, 426, false),
    RowLabel("Label9", "11 Проекционная ширина суставной впадины____", 276, 407, true),
    {"Panel1", "QFrame", "Form1", QRect(427, 0, 85, 304), "", "MS Sans Serif", 11, false,
     Ink::SystemWindowText, Fill::SystemButtonText, Qt::NoFocus, Sizing::Fixed},
    {"Panel2", "QFrame", "Form1", QRect(523, -1, 85, 304), "", "MS Sans Serif", 11, false,
     Ink::SystemWindowText, Fill::SystemButtonText, Qt::NoFocus, Sizing::Fixed},
    Box("Edit1", "Panel1", 7, false),
    Box("Edit2", "Panel1", 34, false),
    Box("Edit3", "Panel1", 60, false),
    Box("Edit4", "Panel1", 87, false),
    Box("Edit5", "Panel1", 113, false),
    Box("Edit6", "Panel1", 140, false),
    Box("Edit7", "Panel1", 167, false),
    Box("Edit8", "Panel1", 193, false),
    Box("Edit9", "Panel1", 220, false),
    Box("Edit10", "Panel1", 246, false),
    Box("Edit11", "Panel1", 273, false),
    Box("Edit12", "Panel2", 7, true),
    Box("Edit13", "Panel2", 34, true),
    Box("Edit14", "Panel2", 60, true),
    Box("Edit15", "Panel2", 87, true),
    Box("Edit16", "Panel2", 113, true),
    Box("Edit17", "Panel2", 140, true),
    Box("Edit18", "Panel2", 167, true),
    Box("Edit19", "Panel2", 193, true),
    Box("Edit20", "Panel2", 220, true),
    Box("Edit21", "Panel2", 246, true),
    Box("Edit22", "Panel2", 273, true),
    {"ComboBox1", "QComboBox", "Form1", QRect(632, 2, 153, 21), "Соколов А.В.", "MS Sans Serif", 11, false,
     Ink::SystemWindowText, Fill::None, Qt::ClickFocus, Sizing::Fixed},
    Header("Label10", 632, 46, "Пол М"),
    Radio("RadioButton1", 680, Qt::StrongFocus),
    Header("Label37", 704, 15, "Ж"),
    Radio("RadioButton2", 720, Qt::ClickFocus),
    Header("Label11", 752, 12, "Н"),
    Radio("RadioButton3", 768, Qt::ClickFocus),
    Button("PrintBtn", 631, 46, " ПЕЧАТЬ"),
    Count("Label26", 661, 82, 40, "ДМ:", Sizing::ToTextRightAligned),
    Count("Label1", 718, 82, 43, "Num", Sizing::ToText),
    Count("Label31", 660, 120, 41, "ВМ:", Sizing::ToTextRightAligned),
    Count("Label2", 718, 120, 43, "Num", Sizing::ToText),
    Count("Label28", 659, 158, 42, "ДЖ:", Sizing::ToTextRightAligned),
    Count("Label4", 718, 158, 43, "Num", Sizing::ToText),
    Count("Label32", 658, 196, 43, "ВЖ:", Sizing::ToTextRightAligned),
    Count("Label5", 718, 196, 43, "Num", Sizing::ToText),
    Count("Label30", 662, 234, 39, "НП:", Sizing::ToTextRightAligned),
    Count("Label3", 718, 234, 43, "Num", Sizing::ToText),
    Button("ExitBtn", 632, 264, " ВЫХОД"),
};

QString TextOf(const QWidget& control)
{
    if (auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (auto* box = qobject_cast<const QLineEdit*>(&control))
        return box->text();
    if (auto* button = qobject_cast<const QAbstractButton*>(&control))
        return button->text();
    if (auto* combo = qobject_cast<const QComboBox*>(&control))
        return combo->currentText();
    return {};
}

QColor InkColour(Ink ink)
{
    switch (ink) {
    case Ink::SystemWindowText:
        return QApplication::palette().color(QPalette::WindowText);
    case Ink::Navy:
        return Navy;
    case Ink::Yellow:
        return Yellow;
    case Ink::Maroon:
        return Maroon;
    }
    return {};
}

class DesignedWindow : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        FailureRecorder recorder;
        s_form = std::make_unique<TForm1>([]() -> TExpertNames { throw std::runtime_error("not yet"); });
    }
    static void TearDownTestSuite() { s_form.reset(); }

    static TForm1& Form() { return *s_form; }

private:
    static inline std::unique_ptr<TForm1> s_form;
};

class DesignedControl : public DesignedWindow, public testing::WithParamInterface<ControlCase>
{};

TEST_P(DesignedControl, HasItsKindParentAndPlace)
{
    const ControlCase& expected = GetParam();
    const auto* control = Control<QWidget>(Form(), expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->metaObject()->className(), expected.kind);
    EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(expected.parent));

    const QRect actual = control->geometry();
    switch (expected.sizing) {
    case Sizing::Fixed:
        EXPECT_EQ(actual, expected.geometry);
        return;
    case Sizing::ToText:
        EXPECT_EQ(actual.topLeft(), expected.geometry.topLeft());
        break;
    case Sizing::ToTextRightAligned:
        EXPECT_EQ(actual.x() + actual.width(), expected.geometry.x() + expected.geometry.width());
        EXPECT_EQ(actual.y(), expected.geometry.y());
        break;
    }
    EXPECT_NEAR(actual.width(), expected.geometry.width(), TextSizeTolerance);
    EXPECT_NEAR(actual.height(), expected.geometry.height(), TextSizeTolerance);
    const QFontMetrics metrics(control->font());
    EXPECT_GE(actual.width(), metrics.horizontalAdvance(TextOf(*control))) << "the text is cut off";
}

TEST_P(DesignedControl, ShowsItsTextInItsFont)
{
    const ControlCase& expected = GetParam();
    const auto* control = Control<QWidget>(Form(), expected.name);
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(TextOf(*control), QString::fromUtf8(expected.text));
    const QFont font = control->font();
    EXPECT_EQ(font.family(), QString::fromLatin1(expected.face));
    EXPECT_EQ(font.pixelSize(), expected.pixelSize);
    EXPECT_EQ(font.bold(), expected.bold);
    EXPECT_EQ(font.italic(), false);
    // Whatever face stands in for the designed one, Cyrillic must show.
    EXPECT_TRUE(QFontMetrics(font).inFont(QChar(u'Ж')))
        << "resolved to " << QFontInfo(font).family().toStdString();
}

TEST_P(DesignedControl, HasItsColoursAndFocus)
{
    const ControlCase& expected = GetParam();
    const auto* control = Control<QWidget>(Form(), expected.name);
    ASSERT_NE(control, nullptr);
    const QPalette palette = control->palette();
    const QPalette::ColorRole inkRole = qobject_cast<const QLineEdit*>(control)      ? QPalette::Text
                                        : qobject_cast<const TSpeedButton*>(control) ? QPalette::ButtonText
                                                                                     : QPalette::WindowText;
    EXPECT_EQ(palette.color(inkRole), InkColour(expected.ink));
    const QColor background = palette.color(control->backgroundRole());
    switch (expected.fill) {
    case Fill::None:
        break;
    case Fill::Lime:
        EXPECT_TRUE(control->autoFillBackground());
        EXPECT_EQ(background, Lime);
        break;
    case Fill::WindowColour:
        EXPECT_TRUE(control->autoFillBackground());
        EXPECT_EQ(background, Form().palette().color(QPalette::Window));
        break;
    case Fill::SystemButtonText:
        EXPECT_TRUE(control->autoFillBackground());
        EXPECT_EQ(background, QApplication::palette().color(QPalette::ButtonText));
        break;
    case Fill::Black:
        EXPECT_EQ(palette.color(QPalette::Base), Black);
        break;
    }
    EXPECT_EQ(control->focusPolicy(), expected.focus);
}

INSTANTIATE_TEST_SUITE_P(Design, DesignedControl, testing::ValuesIn(Controls),
                         [](const testing::TestParamInfo<ControlCase>& info) { return info.param.name; });

TEST_F(DesignedWindow, IsAFixedWindowWithItsCaptionAtItsPlace)
{
    const QString caption = QStringLiteral("              ОПРЕДЕЛЕНИЕ ПОЛОВОЙ ПРИНАДЛЕЖНОСТИ ЛОПАТКИ ПО ЕЁ "
                                           "РАЗМЕРАМ, ММ (Л.А.КОШЕЛЕВ, 1971)");
    EXPECT_EQ(caption.size(), 95);
    EXPECT_EQ(Form().windowTitle(), caption);
    EXPECT_EQ(Form().objectName(), QStringLiteral("Form1"));
    EXPECT_EQ(Form().size(), QSize(792, 303));
    EXPECT_EQ(Form().minimumSize(), QSize(792, 303));
    EXPECT_EQ(Form().maximumSize(), QSize(792, 303));
    EXPECT_EQ(Form().pos(), QPoint(0, 243));
    const Qt::WindowFlags flags = Form().windowFlags();
    EXPECT_TRUE(flags & Qt::WindowSystemMenuHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(Form().palette().color(QPalette::Window), QApplication::palette().color(QPalette::ToolTipBase));
    EXPECT_EQ(Form().font().family(), QStringLiteral("MS Sans Serif"));
    EXPECT_EQ(Form().font().pixelSize(), 11);
}

TEST_F(DesignedWindow, PanelsAreBlackRaisedFacesOverTheEndsOfTheLeaderLines)
{
    for (const char* name : {"Panel1", "Panel2"}) {
        const auto* panel = Control<QFrame>(Form(), name);
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->frameShape(), QFrame::Panel);
        EXPECT_EQ(panel->frameShadow(), QFrame::Raised);
        EXPECT_EQ(panel->lineWidth(), 2) << "a raised outer and a raised inner bevel of 1 pixel";
    }
    const auto* panel1 = Control<QFrame>(Form(), "Panel1");
    for (const char* name : {"Label27", "Label29", "Label33", "Label34", "Label35", "Label6", "Label7",
                             "Label8", "Label12", "Label13", "Label9"}) {
        const auto* label = Control<QLabel>(Form(), name);
        ASSERT_NE(label, nullptr);
        // The stripe and the leader line run on under the panel, which lies above the label.
        EXPECT_GE(label->geometry().right(), panel1->x()) << name;
        const QWidget* onTop = Form().childAt(panel1->x(), label->geometry().center().y());
        EXPECT_EQ(onTop, panel1) << name;
    }
}

TEST_F(DesignedWindow, MeasurementBoxesAreNamedForTheirMeasurement)
{
    for (std::size_t i = 0; i < MeasurementCount; ++i) {
        const std::string name = "Edit" + std::to_string(i + 1);
        const auto* box = Control<QLineEdit>(Form(), name.c_str());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->accessibleName().toStdString(), MeasurementNames[i]);
        EXPECT_FALSE(box->isReadOnly());
    }
    for (int number = 12; number <= 22; ++number) {
        const auto* box = Control<QLineEdit>(Form(), ("Edit" + std::to_string(number)).c_str());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(box->isReadOnly());
    }
}

TEST_F(DesignedWindow, NameChooserHoldsFourSampleNamesAndNoneIsSelected)
{
    const auto* combo = Control<QComboBox>(Form(), "ComboBox1");
    ASSERT_NE(combo, nullptr);
    EXPECT_TRUE(combo->isEditable());
    EXPECT_EQ(combo->insertPolicy(), QComboBox::NoInsert);
    ASSERT_EQ(combo->count(), 4);
    const QRegularExpression surnameAndInitials(QStringLiteral("^[А-ЯЁ][а-яё]+ [А-ЯЁ]\\.[А-ЯЁ]\\.$"));
    for (int i = 0; i < combo->count(); ++i)
        EXPECT_TRUE(surnameAndInitials.match(combo->itemText(i)).hasMatch())
            << combo->itemText(i).toStdString();
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->currentText(), combo->itemText(0));
    EXPECT_EQ(combo->view()->sizeHintForRow(0), 13);
}

TEST_F(DesignedWindow, SexButtonsFormOneGroupWithTheFirstSelected)
{
    const auto* group = Form().findChild<QButtonGroup*>();
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->exclusive());
    EXPECT_EQ(group->buttons().size(), 3);
    EXPECT_EQ(group->checkedButton(), Control<QRadioButton>(Form(), "RadioButton1"));
}

TEST_F(DesignedWindow, SpeedButtonsAreRaisedAndShowTransparentGlyphs)
{
    for (const char* name : {"PrintBtn", "ExitBtn"}) {
        const auto* button = Control<TSpeedButton>(Form(), name);
        ASSERT_NE(button, nullptr);
        EXPECT_FALSE(button->autoRaise());
        EXPECT_EQ(button->iconSize(), QSize(16, 16));
        const QImage enabled = button->icon().pixmap(16, 16, QIcon::Normal).toImage();
        const QImage disabled = button->icon().pixmap(16, 16, QIcon::Disabled).toImage();
        ASSERT_FALSE(enabled.isNull());
        EXPECT_EQ(enabled.pixelColor(0, 15).alpha(), 0) << "olive is transparent";
        EXPECT_NE(enabled, disabled);
    }
}

TEST(ButtonGlyphTest, AreFourBitBitmapsOfTwoImagesWithAnOliveCorner)
{
    for (const char* path : {":/PrintBtn.bmp", ":/ExitBtn.bmp"}) {
        const QImage glyph(QString::fromLatin1(path));
        ASSERT_FALSE(glyph.isNull()) << path;
        EXPECT_EQ(glyph.size(), QSize(32, 16));
        EXPECT_EQ(glyph.format(), QImage::Format_Indexed8) << "read from a palette bitmap";
        EXPECT_EQ(glyph.colorCount(), 16);
        EXPECT_EQ(glyph.pixelColor(0, 15), QColor(128, 128, 0));
    }
    EXPECT_NE(QImage(QStringLiteral(":/PrintBtn.bmp")), QImage(QStringLiteral(":/ExitBtn.bmp")));
}

TEST(ApplicationIconTest, WindowIconShowsThePictureOfTheWindowsIcon)
{
    const QImage png(QStringLiteral(":/ostrameda.png"));
    ASSERT_EQ(png.size(), QSize(32, 32));
    const QImage ico(QStringLiteral(OSTRAMEDA_APP_RESOURCES "/ostrameda.ico"));
    if (ico.isNull())
        GTEST_SKIP() << "Qt's ico image plugin is not installed";
    EXPECT_EQ(ico.size(), QSize(32, 32));
    EXPECT_EQ(ico.convertToFormat(QImage::Format_ARGB32), png.convertToFormat(QImage::Format_ARGB32));
}

} // namespace
