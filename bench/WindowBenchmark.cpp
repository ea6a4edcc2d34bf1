// The program's window and report against the toolkit's floor, in one offscreen application:
// a keystroke into a measurement box against the same keystroke into a bare line edit, a pasted
// text of growing length, the report filled and laid out to PDF, and the preview opened until
// its page has been painted.
//
// Each benchmark times every iteration by itself (manual time) and reports the median, the 99th
// percentile and the slowest iteration as counters, in microseconds.
#include "TForm1.h"
#include "TPrKelForm.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QTest>
#include <QToolButton>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

class TSamples
{
public:
    explicit TSamples(benchmark::State& state) : m_state(state) {}

    void Add(Clock::duration duration)
    {
        m_state.SetIterationTime(Seconds(duration));
        m_micros.push_back(Seconds(duration) * 1e6);
    }

    ~TSamples()
    {
        if (m_micros.empty())
            return;
        std::sort(m_micros.begin(), m_micros.end());
        m_state.counters["median_us"] = Percentile(0.5);
        m_state.counters["p99_us"] = Percentile(0.99);
        m_state.counters["max_us"] = m_micros.back();
    }

private:
    // Nearest rank: the smallest sample that at least the given share of samples do not exceed.
    double Percentile(double share) const
    {
        const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(m_micros.size())));
        return m_micros[std::clamp<std::size_t>(rank, 1, m_micros.size()) - 1];
    }

    benchmark::State& m_state;
    std::vector<double> m_micros;
};

// Counts paint events anywhere in the application, to show that a timed step really painted.
class TPaintCounter : public QObject
{
public:
    TPaintCounter() { QCoreApplication::instance()->installEventFilter(this); }
    ~TPaintCounter() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++m_paints;
        return false;
    }

    long Paints() const { return m_paints; }

private:
    long m_paints = 0;
};

// The keystroke has been handled when its events and every repaint they scheduled have been
// processed: repaints are posted as one update request per window, handled here, and flushed.
void ProcessPendingEvents()
{
    QCoreApplication::processEvents();
}

bool Activate(QWidget& window)
{
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// The program as main() creates it: the main window first, then the report.
struct TProgram
{
    TProgram()
    {
        form1 = std::make_unique<TForm1>();
        Form1 = form1.get();
        prKelForm = std::make_unique<TPrKelForm>();
        PrKelForm = prKelForm.get();
        form1->show();
        if (!Activate(*form1))
            throw std::runtime_error("The main window did not become active");
    }
    ~TProgram()
    {
        PrKelForm = nullptr;
        Form1 = nullptr;
    }

    std::unique_ptr<TForm1> form1;
    std::unique_ptr<TPrKelForm> prKelForm;
};

// Created by main() after the application and destroyed before it.
TProgram* TheProgram = nullptr;

TProgram& Program()
{
    return *TheProgram;
}

// A realistic sheet: eleven measurements typed in, as a report would be printed from.
void TypeRealisticSheet(TForm1& window)
{
    const std::array texts{"168", "112.5", "130", "70", "100", "30", "130.25", "45", "44", "35", "27"};
    const std::array boxes{window.Edit1, window.Edit2,  window.Edit3, window.Edit4,
                           window.Edit5, window.Edit6,  window.Edit7, window.Edit8,
                           window.Edit9, window.Edit10, window.Edit11};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        boxes[i]->clear();
        QTest::keyClicks(boxes[i], QString::fromLatin1(texts[i]));
    }
    ProcessPendingEvents();
}

// "1", "6", "8" and three backspaces: the verdict goes ДЖ, ДЖ, ДМ, ДЖ, ДЖ, none and back.
void TypeOneKey(QLineEdit& box, std::size_t step)
{
    switch (step % 6) {
    case 0:
        QTest::keyClick(&box, '1');
        break;
    case 1:
        QTest::keyClick(&box, '6');
        break;
    case 2:
        QTest::keyClick(&box, '8');
        break;
    default:
        QTest::keyClick(&box, Qt::Key_Backspace);
        break;
    }
}

void TimeKeystrokes(benchmark::State& state, QWidget& window, QLineEdit& box)
{
    box.clear();
    box.setFocus();
    ProcessPendingEvents();
    // Warm the glyph caches and the backing store, as a window that has been in use has them.
    for (std::size_t step = 0; step < 60; ++step) {
        TypeOneKey(box, step);
        ProcessPendingEvents();
    }
    if (!box.text().isEmpty() || !window.isActiveWindow())
        state.SkipWithError("The typing cycle did not run in the active window");

    TSamples samples(state);
    const TPaintCounter paints;
    std::size_t step = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        TypeOneKey(box, step++);
        ProcessPendingEvents();
        samples.Add(Clock::now() - start);
    }
    state.counters["paints_per_key"] =
        benchmark::Counter(static_cast<double>(paints.Paints()), benchmark::Counter::kAvgIterations);
}

void KeystrokeIntoProgram(benchmark::State& state)
{
    TForm1& window = *Program().form1;
    if (!Activate(window))
        state.SkipWithError("The main window did not become active");
    TimeKeystrokes(state, window, *window.Edit1);
    window.Edit1->clear();
}

// The peer of the window: a bare line edit with no handler, in a window of the same size.
struct TBareWindow
{
    TBareWindow()
    {
        window.resize(792, 303);
        box->setGeometry(7, 7, 72, 23);
        window.show();
    }

    QWidget window;
    QLineEdit* box = new QLineEdit(&window);
};

void KeystrokeIntoBareLineEdit(benchmark::State& state)
{
    TBareWindow bare;
    if (!Activate(bare.window))
        state.SkipWithError("The bare window did not become active");
    TimeKeystrokes(state, bare.window, *bare.box);
}

// A digit text of the given length that stays a small number however long it is.
QString LongMeasurement(qsizetype length)
{
    QString text = QStringLiteral("0.");
    text.reserve(length);
    while (text.size() < length)
        text += QChar(u'1' + static_cast<char16_t>(text.size() % 9));
    return text;
}

// Ctrl+V of a long text into an empty box, until it has been handled and repainted. The program's
// boxes keep the whole text; the bare line edit keeps Qt's default of 32767 characters.
void TimePaste(benchmark::State& state, QLineEdit& box)
{
    box.setFocus();
    QApplication::clipboard()->setText(LongMeasurement(state.range(0)));
    TSamples samples(state);
    for (auto _ : state) {
        box.clear();
        ProcessPendingEvents();
        const Clock::time_point start = Clock::now();
        QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
        ProcessPendingEvents();
        samples.Add(Clock::now() - start);
    }
    state.counters["chars_kept"] = static_cast<double>(box.text().size());
    box.clear();
    ProcessPendingEvents();
}

void PasteIntoProgram(benchmark::State& state)
{
    TForm1& window = *Program().form1;
    if (!Activate(window))
        state.SkipWithError("The main window did not become active");
    TimePaste(state, *window.Edit1);
}

// The peer: the same paste into a bare line edit with no handler.
void PasteIntoBareLineEdit(benchmark::State& state)
{
    TBareWindow bare;
    if (!Activate(bare.window))
        state.SkipWithError("The bare window did not become active");
    TimePaste(state, *bare.box);
}

// Edit1Change on Edit1 holding a long text: the handler's own time, which must grow linearly with
// the text.
void Edit1ChangeOnLongText(benchmark::State& state)
{
    TForm1& window = *Program().form1;
    QLineEdit& box = *window.Edit1;
    {
        const QSignalBlocker quiet(&box);
        box.setText(LongMeasurement(state.range(0)));
    }
    TSamples samples(state);
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        window.Edit1Change(&box);
        samples.Add(Clock::now() - start);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
    state.SetComplexityN(state.range(0));
    box.clear();
    ProcessPendingEvents();
}

// The print command's first half and the page laid out to a PDF in memory.
void FillAndLayOutToPdf(benchmark::State& state)
{
    TProgram& program = Program();
    TypeRealisticSheet(*program.form1);
    TSamples samples(state);
    qint64 pdfBytes = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        program.form1->FillReport();
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        program.prKelForm->layOut(writer);
        samples.Add(Clock::now() - start);
        pdfBytes = buffer.size();
    }
    state.counters["pdf_bytes"] = static_cast<double>(pdfBytes);
}

// Notes when the page view of an open preview has been painted, then closes the preview.
class TPreviewPaintWatcher : public QObject
{
public:
    TPreviewPaintWatcher() { QCoreApplication::instance()->installEventFilter(this); }
    ~TPreviewPaintWatcher() override { QCoreApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_painted)
            return false;
        auto* viewport = qobject_cast<QWidget*>(watched);
        auto* view = viewport != nullptr ? qobject_cast<QGraphicsView*>(viewport->parentWidget()) : nullptr;
        auto* dialog = view != nullptr ? qobject_cast<QPrintPreviewDialog*>(view->window()) : nullptr;
        if (dialog == nullptr || view->viewport() != viewport || view->scene() == nullptr ||
            view->scene()->items().isEmpty())
            return false;
        m_painted = true;
        // Queued: runs once this paint and the flush of the window are over.
        QMetaObject::invokeMethod(
            dialog,
            [this, dialog] {
                m_paintedAt = Clock::now();
                dialog->reject();
            },
            Qt::QueuedConnection);
        return false;
    }

    std::optional<Clock::time_point> PaintedAt() const { return m_paintedAt; }

private:
    bool m_painted = false;
    std::optional<Clock::time_point> m_paintedAt;
};

// The print button pressed until the preview's page has been painted on the screen.
void OpenPreviewUntilPainted(benchmark::State& state)
{
    TProgram& program = Program();
    TypeRealisticSheet(*program.form1);
    TSamples samples(state);
    for (auto _ : state) {
        const TPreviewPaintWatcher watcher;
        const Clock::time_point start = Clock::now();
        program.form1->PrintBtn->click();
        if (!watcher.PaintedAt()) {
            state.SkipWithError("The preview closed before its page was painted");
            break;
        }
        samples.Add(*watcher.PaintedAt() - start);
        ProcessPendingEvents();
    }
}

void PastedLengths(benchmark::internal::Benchmark* b)
{
    b->Arg(1 << 10)->Arg(100 << 10)->Arg(1 << 20);
}

} // namespace

BENCHMARK(KeystrokeIntoProgram)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(KeystrokeIntoBareLineEdit)->UseManualTime()->Iterations(3000)->Unit(benchmark::kMicrosecond);
BENCHMARK(PasteIntoProgram)
    ->Apply(PastedLengths)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(PasteIntoBareLineEdit)
    ->Apply(PastedLengths)
    ->UseManualTime()
    ->Iterations(30)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Edit1ChangeOnLongText)
    ->Apply(PastedLengths)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond)
    ->Complexity(benchmark::oN);
BENCHMARK(FillAndLayOutToPdf)->UseManualTime()->Iterations(100)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenPreviewUntilPainted)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

int main(int argc, char* argv[])
{
    // The window is measured offscreen unless the caller chose a platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    TProgram program;
    TheProgram = &program;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    TheProgram = nullptr;
    return 0;
}
