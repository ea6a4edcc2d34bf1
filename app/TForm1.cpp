#include "TForm1.h"

#include "FailureDisplay.h"
#include "FontSubstitutes.h"
#include "MeasurementSheet.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QStyledItemDelegate>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

TForm1* Form1 = nullptr;

namespace {

// The count captions end at this x, whatever the width of their text.
constexpr int CountCaptionRight = 701;
constexpr QPoint DesignedWindowPosition(0, 243);

// The size of a text cell as the design measures it: the advance of the text, and whole pixels
// above and below the baseline.
QSize TextCellSize(const QFont& font, const QString& text)
{
    const QFontMetricsF metrics(font);
    return QSize(static_cast<int>(std::ceil(metrics.horizontalAdvance(text))),
                 static_cast<int>(std::ceil(metrics.ascent()) + std::ceil(metrics.descent())));
}

void FitToText(QLabel* label)
{
    label->resize(TextCellSize(label->font(), label->text()));
}

// The name list's rows are of the designed height, whatever the style would make them.
class TFixedHeightItemDelegate : public QStyledItemDelegate
{
public:
    TFixedHeightItemDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height;
};

constexpr int NameListItemHeight = 13;

void SetTextIfChanged(QLineEdit* box, const QString& text)
{
    // Unchanged boxes are not touched, so that a keystroke repaints only what it changed.
    if (box->text() != text)
        box->setText(text);
}

} // namespace

TForm1::TForm1(TExpertNamesReader readExpertNames, QWidget* parent)
    : QWidget(parent), m_readExpertNames(std::move(readExpertNames))
{
    InstallFontSubstitutes();
    setupUi(this);
    m_measurementBoxes = {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11};
    m_verdictBoxes = {Edit12, Edit13, Edit14, Edit15, Edit16, Edit17, Edit18, Edit19, Edit20, Edit21, Edit22};
    // The boxes set no length limit of their own (Qt's default is 32767): a pasted text is kept
    // whole, however long, so that nothing the expert pasted is silently cut.
    for (const auto& boxes : {m_measurementBoxes, m_verdictBoxes}) {
        for (QLineEdit* box : boxes)
            box->setMaxLength(std::numeric_limits<int>::max());
    }

    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    move(DesignedWindowPosition);
    ApplyDesignFonts();
    ApplySystemColours();
    SizeLabelsToText();
    MakeSelectedSexButtonTheTabStop();

    ComboBox1->setItemDelegate(new TFixedHeightItemDelegate(NameListItemHeight, ComboBox1));
    // The list holds the sample names, but none is selected until FormCreate; the first is shown.
    ComboBox1->setCurrentIndex(-1);
    ComboBox1->setEditText(ComboBox1->itemText(0));

    for (QLineEdit* box : m_measurementBoxes)
        connect(box, &QLineEdit::textChanged, this, Guarded(&TForm1::Edit1Change, box));
    connect(PrintBtn, &QToolButton::clicked, this, Guarded(&TForm1::PrintBtnClick, PrintBtn));
    connect(ExitBtn, &QToolButton::clicked, this, Guarded(&TForm1::ExitBtnClick, ExitBtn));

    Edit1->setFocus();
    Guarded(&TForm1::FormCreate, this)();
}

std::function<void()> TForm1::Guarded(void (TForm1::*handler)(QObject*), QObject* sender)
{
    return [this, handler, sender] {
        RunGuarded([&] { (this->*handler)(sender); });
    };
}

// The design gives font heights in pixels, which a .ui file cannot hold; each widget that names
// its own font carries the height in the property fontPixelSize. Full hinting gives whole-pixel
// advances, so that texts keep the widths they were designed with.
void TForm1::ApplyDesignFonts()
{
    QList<QWidget*> widgets = findChildren<QWidget*>();
    widgets.prepend(this);
    for (QWidget* widget : widgets) {
        const QVariant pixelSize = widget->property("fontPixelSize");
        if (!pixelSize.isValid())
            continue;
        QFont font = widget->font();
        font.setPixelSize(pixelSize.toInt());
        font.setHintingPreference(QFont::PreferFullHinting);
        widget->setFont(font);
    }
}

// The window and the panels take system colours, which a .ui file cannot name: the window the
// tooltip background, the panels the button text colour (a black face on most systems). The
// panels fill with that role rather than change their window colour, which their boxes inherit
// and the style draws the boxes' frames from.
void TForm1::ApplySystemColours()
{
    QPalette window = palette();
    window.setColor(QPalette::Window, QApplication::palette().color(QPalette::ToolTipBase));
    setPalette(window);
    Panel1->setBackgroundRole(QPalette::ButtonText);
    Panel2->setBackgroundRole(QPalette::ButtonText);
}

void TForm1::SizeLabelsToText()
{
    for (QLabel* label : findChildren<QLabel*>())
        FitToText(label);
    for (QLabel* caption : {Label26, Label31, Label28, Label32, Label30})
        caption->move(CountCaptionRight - caption->width(), caption->y());
}

// As in a Windows radio group, only the selected button is a tab stop; the arrow keys move the
// selection within the group.
void TForm1::MakeSelectedSexButtonTheTabStop()
{
    const auto updateFocusPolicy = [](QAbstractButton* button, bool checked) {
        button->setFocusPolicy(checked ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QAbstractButton* button : SexButtons->buttons())
        updateFocusPolicy(button, button->isChecked());
    connect(SexButtons, &QButtonGroup::buttonToggled, this, updateFocusPolicy);
}

void TForm1::FormCreate(QObject* /*Sender*/)
{
    const TExpertNames experts = m_readExpertNames();
    if (experts.KeyOpened) {
        // Emptying the list leaves the text of the edit field as it is.
        const QString shownText = ComboBox1->currentText();
        ComboBox1->clear();
        ComboBox1->setEditText(shownText);
        for (const std::string& name : experts.Names)
            ComboBox1->addItem(QString::fromStdString(name));
    }
    if (ComboBox1->count() > 0)
        ComboBox1->setCurrentIndex(0);
    Edit1Change(this);
}

void TForm1::Edit1Change(QObject* /*Sender*/)
{
    TMeasurementTexts texts;
    for (std::size_t i = 0; i < MeasurementCount; ++i)
        texts[i] = m_measurementBoxes[i]->text().toStdString();
    // Nothing is shown before the whole sheet has been computed: a failure leaves the window as it was.
    const TVerdictCounts counts = RecalculateSheet(texts);

    for (std::size_t i = 0; i < MeasurementCount; ++i)
        SetTextIfChanged(m_verdictBoxes[i], QString::fromStdString(Verdicts[i]));
    ShowCount(Label1, counts[TSexVerdict::svDefinitelyMale]);
    ShowCount(Label2, counts[TSexVerdict::svProbablyMale]);
    ShowCount(Label3, counts[TSexVerdict::svUndetermined]);
    ShowCount(Label4, counts[TSexVerdict::svDefinitelyFemale]);
    ShowCount(Label5, counts[TSexVerdict::svProbablyFemale]);
}

void TForm1::ShowCount(QLabel* label, int count)
{
    const QString text = QString::number(count);
    if (label->text() == text)
        return;
    label->setText(text);
    FitToText(label);
}

void TForm1::ExitBtnClick(QObject* /*Sender*/)
{
    close();
}
