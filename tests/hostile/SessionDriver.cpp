// A scripted session of the real program, for looking for leaks under valgrind: the objects main
// creates, brought up by RunApplication, then driven as a user would drive them: typing, the two
// failures ("+NAN" and "2e4932") shown in the real failure box, ten prints with their previews
// opened and closed, and the exit button. Boxes and previews are closed as soon as they are shown.
//   ostrameda-session [prints]      exit code 0 when the whole script ran

#include "Application.h"
#include "FloatingPointError.h"
#include "ParseMeasurement.h"
#include "TForm1.h"
#include "TPrKelForm.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QTimer>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <memory>

namespace {

class TSessionScript : public QObject
{
public:
    TSessionScript(TForm1& form, int prints) : m_form(form)
    {
        const auto type = [this](QLineEdit* box, const char* text) {
            m_steps.emplace_back([box, text] {
                box->setFocus();
                box->selectAll();
                QTest::keyClicks(box, QString::fromUtf8(text));
            });
        };
        const std::array boxes{form.Edit1, form.Edit2, form.Edit3, form.Edit4,  form.Edit5, form.Edit6,
                               form.Edit7, form.Edit8, form.Edit9, form.Edit10, form.Edit11};
        const std::array texts{"168", "112", "145", "87", "12,5", "49", "138", "51", "44", "39", "30"};
        for (std::size_t i = 0; i < boxes.size(); ++i)
            type(boxes[i], texts[i]);
        type(form.Edit4, "+NAN");
        type(form.Edit4, "2e4932");
        type(form.Edit4, "90");
        for (int i = 0; i < prints; ++i) {
            m_steps.emplace_back([this, i] {
                QTest::mouseClick(i % 2 ? m_form.RadioButton2 : m_form.RadioButton1, Qt::LeftButton);
                QTest::mouseClick(m_form.PrintBtn, Qt::LeftButton);
            });
        }
        m_steps.emplace_back([this] { QTest::mouseClick(m_form.ExitBtn, Qt::LeftButton); });

        // Two timers: Qt never delivers a timer again while its handler runs, and a step's handler
        // runs on inside the nested loop of the box or preview it opened.
        connect(&m_closer, &QTimer::timeout, this, &TSessionScript::CloseWhatIsOpen);
        connect(&m_stepper, &QTimer::timeout, this, &TSessionScript::Step);
        m_closer.start(20);
        m_stepper.start(20);
    }

    int FailureBoxesClosed() const { return m_failureBoxesClosed; }
    int PreviewsClosed() const { return m_previewsClosed; }
    bool Finished() const { return m_steps.empty(); }

private:
    // Closes a failure box or a preview as soon as it is shown.
    void CloseWhatIsOpen()
    {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++m_failureBoxesClosed;
            box->accept();
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* preview = qobject_cast<QPrintPreviewDialog*>(window);
            if (preview && preview->isVisible()) {
                ++m_previewsClosed;
                preview->close();
                return;
            }
        }
    }

    // Takes the next step once nothing is open any more.
    void Step()
    {
        if (QApplication::activeModalWidget() != nullptr || m_steps.empty())
            return;
        const std::function<void()> step = std::move(m_steps.front());
        m_steps.pop_front();
        step();
    }

    TForm1& m_form;
    QTimer m_closer;
    QTimer m_stepper;
    std::deque<std::function<void()>> m_steps;
    int m_failureBoxesClosed = 0;
    int m_previewsClosed = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const int prints = argc > 1 ? std::atoi(argv[1]) : 10;

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TPrKelForm> prKelForm;
    std::unique_ptr<TSessionScript> script;
    const int exitCode = RunApplication([&]() -> QWidget& {
        TForm1& mainWindow = CreateObject(form1, Form1);
        CreateObject(prKelForm, PrKelForm);
        script = std::make_unique<TSessionScript>(mainWindow, prints);
        return mainWindow;
    });

    std::printf("session: %d failure boxes and %d previews closed, script %s, exit code %d\n",
                script ? script->FailureBoxesClosed() : 0, script ? script->PreviewsClosed() : 0,
                script && script->Finished() ? "finished" : "NOT finished", exitCode);
    // valgrind computes x87 extended arithmetic in double precision, so under it "2e4932" is
    // merely infinite and raises no overflow: expect the failures this process really has.
    int failures = 1;
    try {
        ParseMeasurement("2e4932");
        std::printf("session: no extended precision here (valgrind?): \"2e4932\" does not overflow\n");
    } catch (const EOverflow&) {
        ++failures;
    }
    const bool complete = script && script->Finished() && script->FailureBoxesClosed() == failures &&
                          script->PreviewsClosed() == prints && exitCode == 0;
    return complete ? 0 : 1;
}
