// Prints the filled report on a real printer queue the way a user does: the main window and the
// report are created as the program creates them, the measurements are typed, a name and the sex
// are chosen, the print button opens the preview, and the preview's own print button opens the
// print dialog, which is accepted on the given queue. scripts/test-print checks what the queue
// produced.
//   print-through-preview QUEUE
// Exits 0 when the job was handed to QUEUE, 1 otherwise (the reason on stderr).

#include "Application.h"
#include "FailureDisplay.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

// Every step that waits for a window gives up after this many polls.
constexpr int PollInterval = 50;      // ms
constexpr int PollAttempts = 20 * 30; // 30 s

// What is typed into Edit1 to Edit11. Row 3 is typed with a decimal comma: it counts as 143 and
// is printed as typed.
constexpr std::array Measurements{u"168.5", u"112", u"143,5", u"60", u"100", u"40",
                                  u"140",   u"50",  u"45",    u"35", u"27"};

void fail(const QString& reason)
{
    std::fprintf(stderr, "print-through-preview: %s\n", qPrintable(reason));
}

// Runs step every PollInterval until it returns true, at most PollAttempts times; then onTimeout.
void poll(std::function<bool()> step, std::function<void()> onTimeout, int attempt = 0)
{
    QTimer::singleShot(PollInterval, qApp,
                       [step = std::move(step), onTimeout = std::move(onTimeout), attempt] {
                           if (step())
                               return;
                           if (attempt + 1 >= PollAttempts)
                               onTimeout();
                           else
                               poll(step, onTimeout, attempt + 1);
                       });
}

QPrintPreviewDialog* visiblePreview()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(window); preview && preview->isVisible())
            return preview;
    }
    return nullptr;
}

// The preview's print command: its action, and the tool button that shows it.
QToolButton* printButtonOf(QPrintPreviewDialog& preview)
{
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>()) {
        if (action->text() != printText)
            continue;
        for (QToolBar* toolBar : preview.findChildren<QToolBar*>()) {
            if (auto* button = qobject_cast<QToolButton*>(toolBar->widgetForAction(action)))
                return button;
        }
    }
    return nullptr;
}

void closeModalWindows()
{
    for (int i = 0; i < 10 && QApplication::activeModalWidget() != nullptr; ++i)
        QApplication::activeModalWidget()->close();
    if (QPrintPreviewDialog* preview = visiblePreview())
        preview->reject();
}

class TPreviewPrinter
{
public:
    explicit TPreviewPrinter(QString queue) : m_queue(std::move(queue)) {}

    bool printed() const { return m_printed; }

    // Waits for the preview, then presses its print button; the print dialog that opens is accepted.
    void start()
    {
        poll([this] { return pressPrintInPreview(); },
             [] {
                 fail(u"no print preview appeared"_s);
                 closeModalWindows();
             });
    }

private:
    bool pressPrintInPreview()
    {
        QPrintPreviewDialog* preview = visiblePreview();
        if (preview == nullptr)
            return false;
        QToolButton* printButton = printButtonOf(*preview);
        if (printButton == nullptr) {
            fail(u"the preview has no print button"_s);
            preview->reject();
            return true;
        }
        poll([this] { return acceptPrintDialog(); },
             [] {
                 fail(u"no print dialog appeared"_s);
                 closeModalWindows();
             });
        // Returns once the print dialog has been closed and the page printed.
        QTest::mouseClick(printButton, Qt::LeftButton);
        return true;
    }

    bool acceptPrintDialog()
    {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible())
            return false;
        // The dialog offers the printers of the print server; the job must go to the test queue.
        if (auto* printers = dialog->findChild<QComboBox*>(u"printers"_s)) {
            const int index = printers->findText(m_queue);
            if (index < 0) {
                fail(u"the print dialog does not offer the queue %1"_s.arg(m_queue));
                dialog->reject();
                return true;
            }
            printers->setCurrentIndex(index);
        }
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        QPushButton* print = buttons != nullptr ? buttons->button(QDialogButtonBox::Ok) : nullptr;
        if (print == nullptr) {
            fail(u"the print dialog has no print button"_s);
            dialog->reject();
            return true;
        }
        QPrinter* printer = dialog->printer();
        QTest::mouseClick(print, Qt::LeftButton);
        // Accepting has given the printer the dialog's choices; the preview prints right after.
        if (printer->outputFormat() != QPrinter::NativeFormat || printer->printerName() != m_queue) {
            fail(u"the print dialog chose printer \"%1\" instead of the queue %2"_s.arg(
                printer->printerName(), m_queue));
            return true;
        }
        m_printed = true;
        return true;
    }

    QString m_queue;
    bool m_printed = false;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 2) {
        fail(u"usage: print-through-preview QUEUE"_s);
        return 2;
    }

    QStringList failures;
    SetFailureDisplay([&failures](const QString& text) { failures.append(text); });

    // The application's two long-lived objects, in the order the program creates them.
    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TPrKelForm> prKelForm;
    TForm1& window = CreateObject(form1, Form1);
    CreateObject(prKelForm, PrKelForm);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        fail(u"the main window was not shown"_s);
        return 1;
    }

    const std::array boxes{window.Edit1, window.Edit2,  window.Edit3, window.Edit4,
                           window.Edit5, window.Edit6,  window.Edit7, window.Edit8,
                           window.Edit9, window.Edit10, window.Edit11};
    for (std::size_t row = 0; row < boxes.size(); ++row)
        QTest::keyClicks(boxes[row], QString::fromUtf16(Measurements[row]));
    // The second name of the list, and the female sex.
    if (window.ComboBox1->count() < 2) {
        fail(u"the name list has fewer than two names"_s);
        return 1;
    }
    window.ComboBox1->setCurrentIndex(1);
    QTest::mouseClick(window.RadioButton2, Qt::LeftButton);

    TPreviewPrinter printer(arguments.at(1));
    printer.start();
    // Fills the report and shows the preview; returns when the preview has been closed.
    QTest::mouseClick(window.PrintBtn, Qt::LeftButton);

    for (const QString& failure : failures)
        fail(u"the program reported: %1"_s.arg(failure));
    if (!failures.isEmpty() || !printer.printed())
        return 1;
    std::printf("printed to %s: name \"%s\", female\n", qPrintable(arguments.at(1)),
                qPrintable(window.ComboBox1->currentText()));
    return 0;
}
