// Page switches of the real window as the user makes them, on Qt's offscreen
// platform, with the program's own pictures and the shipped content:
//
//  - the main page opened with one click from the about page: the press and
//    release on the hover picture imgasli2 and the event processing until the
//    window has painted the result;
//  - one day step of the today page: a click on imgNext2 (three loads of
//    Rokhdadha.xml, the poem load and shuffle, all captions) until painted.
//
// Baselines of the same run: a bare QLabel setText until painted, a repaint
// of the whole window, one OpenXmlDoc of Rokhdadha.xml and of purepoem.xml.
// The "Handler" and "NoPaint" variants time the click without the paint.

#include "bench_ratio.h"
#include "bench_text.h"

#include "data/KeyboardLayout.h"
#include "data/SettingsStore.h"
#include "data/ShuffledOrder.h"
#include "data/XmlStore.h"
#include "shell/Appearance.h"
#include "shell/Services.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

struct FixedClock final : Clock {
    QDate today() const override { return QDate(2025, 3, 21); }
};
struct NoSound final : SoundPlayer {
    void play(const QString&) override {}
};
struct NoColors final : ColorChooser {
    long long choose(QWidget*, CustomColors&) override { return -1; }
};
struct NoUrls final : UrlOpener {
    void open(const QUrl&) override {}
};
// The benchmark never touches the keyboard of the session it runs in.
struct NoKeyboard final : KeyboardBackend {
    std::optional<QString> activeLayoutName() override { return std::nullopt; }
    bool loadAndActivate(const QString&) override { return false; }
};

// Counts the paint events of the widgets of one window.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : window_(window) {}
    int paints = 0;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && o->isWidgetType() &&
            static_cast<QWidget*>(o)->window() == window_) {
            ++paints;
        }
        return false;
    }

private:
    QWidget* window_;
};

std::unique_ptr<QTemporaryDir> gData;
frmMain* gWindow = nullptr;
PaintCounter* gWindowPaints = nullptr;

// Processes events until the window has painted (false when it does not).
bool processUntilPainted(PaintCounter& counter) {
    const int before = counter.paints;
    for (int i = 0; i < 1000 && counter.paints == before; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return counter.paints != before;
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

QWidget* control(const char* name) {
    return gWindow->findChild<QWidget*>(QString::fromLatin1(name));
}

void mouseMoveOver(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    QMouseEvent move(QEvent::MouseMove, at, w->mapTo(w->window(), at), w->mapToGlobal(at),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void mouseClick(QWidget* w) {
    const QPointF at = QRectF(w->rect()).center();
    const QPointF inWindow = w->mapTo(w->window(), at);
    const QPointF global = w->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, inWindow, global, Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, inWindow, global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &release);
}

// A picture button as a person uses it: over its normal picture, which
// gives way to the hover picture; returns that hover picture, shown.
QWidget* hoverOver(const char* base) {
    QWidget* normal = control((QByteArray(base) + '1').constData());
    QWidget* hover = control((QByteArray(base) + '2').constData());
    if (!normal || !hover) {
        return nullptr;
    }
    if (!normal->isHidden()) {
        mouseMoveOver(normal);
    }
    return hover->isHidden() ? nullptr : hover;
}

// Opens a page with its button and lets it paint; false when it did not.
bool press(const char* base) {
    QWidget* hover = hoverOver(base);
    if (!hover) {
        return false;
    }
    mouseClick(hover);
    processUntilPainted(*gWindowPaints);
    settle();
    return true;
}

void BM_Baseline_LabelSetTextPaint(benchmark::State& state) {
    bench::PersianLikeText words(7);
    const QString texts[2] = {QString::fromStdString(words.text(120)),
                              QString::fromStdString(words.text(120))};
    QWidget top;
    top.resize(gWindow->size());
    auto* label = new QLabel(&top);
    label->setLayoutDirection(Qt::RightToLeft);
    label->setWordWrap(true);
    label->setGeometry(20, 200, 200, 65);
    top.show();
    settle();
    PaintCounter counter(&top);
    qApp->installEventFilter(&counter);
    int i = 0;
    for (auto _ : state) {
        label->setText(texts[++i % 2]);
        if (!processUntilPainted(counter)) {
            state.SkipWithError("the label did not paint");
            break;
        }
    }
    qApp->removeEventFilter(&counter);
}
BENCHMARK(BM_Baseline_LabelSetTextPaint)->Unit(benchmark::kMillisecond);

void BM_Baseline_WindowRepaint(benchmark::State& state) {
    if (!press("imgasli")) {
        state.SkipWithError("the main page did not open");
        return;
    }
    for (auto _ : state) {
        gWindow->update();
        if (!processUntilPainted(*gWindowPaints)) {
            state.SkipWithError("the window did not paint");
            break;
        }
    }
}
BENCHMARK(BM_Baseline_WindowRepaint)->Unit(benchmark::kMillisecond);

void openXml(benchmark::State& state, const char* file) {
    const QString path = gData->filePath(QString::fromLatin1(file));
    XmlStore store;
    for (auto _ : state) {
        if (!store.OpenXmlDoc(path, 0)) {
            state.SkipWithError("the file does not load");
            break;
        }
    }
}
void BM_Baseline_OpenRokhdadha(benchmark::State& state) {
    openXml(state, "Rokhdadha.xml");
}
BENCHMARK(BM_Baseline_OpenRokhdadha)->Unit(benchmark::kMillisecond);
void BM_Baseline_OpenPurepoem(benchmark::State& state) {
    openXml(state, "purepoem.xml");
}
BENCHMARK(BM_Baseline_OpenPurepoem)->Unit(benchmark::kMillisecond);

// Untimed: the about page opens; the mouse moves onto the main-page button.
// Timed: the click on its hover picture, and the paint (unless `paint` is
// false: then the events are processed untimed).
void mainPageClick(benchmark::State& state, bool paint) {
    for (auto _ : state) {
        state.PauseTiming();
        bool ready = press("imgDast") && gWindow->pageTag() == QLatin1String("7");
        QWidget* button = ready ? hoverOver("imgasli") : nullptr;
        state.ResumeTiming();
        if (!button) {
            state.SkipWithError("the about page or the main-page button did not show");
            break;
        }
        mouseClick(button);
        if (paint && !processUntilPainted(*gWindowPaints)) {
            state.SkipWithError("the window did not paint");
            break;
        }
        state.PauseTiming();
        if (!paint) {
            processUntilPainted(*gWindowPaints);
        }
        ready = gWindow->pageTag() == QLatin1String("1");
        state.ResumeTiming();
        if (!ready) {
            state.SkipWithError("the click did not open the main page");
            break;
        }
    }
}
void BM_MainPageClick(benchmark::State& state) {
    mainPageClick(state, true);
}
BENCHMARK(BM_MainPageClick)->Unit(benchmark::kMillisecond);
void BM_MainPageClickNoPaint(benchmark::State& state) {
    mainPageClick(state, false);
}
BENCHMARK(BM_MainPageClickNoPaint)->Unit(benchmark::kMillisecond);

// Untimed: the today page opens from the main page, the mouse moves onto
// the next-day arrow. Timed: each click on its hover picture and the paint.
void todayStep(benchmark::State& state, bool paint) {
    QWidget* next = nullptr;
    if (press("imgasli") && press("imgTrooz") && gWindow->pageTag() == QLatin1String("6")) {
        next = hoverOver("imgNext");
    }
    if (!next) {
        state.SkipWithError("the today page or its next-day arrow did not show");
        return;
    }
    auto* events = gWindow->findChild<QLabel*>(QStringLiteral("lblRokhdad"));
    auto* shownDay = gWindow->findChild<QLabel*>(QStringLiteral("lblMiladi"));
    auto* poem = gWindow->findChild<QLabel*>(QStringLiteral("lblSher"));
    if (!events || !shownDay || !poem) {
        state.SkipWithError("the today page's labels are missing");
        return;
    }
    int64_t emptyPoems = 0;
    for (auto _ : state) {
        const QString before = shownDay->text();
        mouseClick(next);
        if (paint && !processUntilPainted(*gWindowPaints)) {
            state.SkipWithError("the window did not paint");
            break;
        }
        state.PauseTiming();
        if (!paint) {
            processUntilPainted(*gWindowPaints);
        }
        const bool stepped = shownDay->text() != before && !events->text().isEmpty();
        emptyPoems += poem->text().trimmed().isEmpty() ? 1 : 0;
        state.ResumeTiming();
        if (!stepped) {
            state.SkipWithError("the click did not step the day");
            break;
        }
    }
    state.counters["empty_poems"] = static_cast<double>(emptyPoems);
}
void BM_TodayStep(benchmark::State& state) {
    todayStep(state, true);
}
BENCHMARK(BM_TodayStep)->Unit(benchmark::kMillisecond);
void BM_TodayStepNoPaint(benchmark::State& state) {
    todayStep(state, false);
}
BENCHMARK(BM_TodayStepNoPaint)->Unit(benchmark::kMillisecond);

// The shipped data files, copied into a data directory of the run's own.
bool layOutData() {
    gData = std::make_unique<QTemporaryDir>();
    if (!gData->isValid()) {
        return false;
    }
    const QDir content(QStringLiteral(DARVISTA_CONTENT));
    const QStringList files = content.entryList({QStringLiteral("*.xml")}, QDir::Files);
    for (const QString& f : files) {
        if (!QFile::copy(content.filePath(f), gData->filePath(f))) {
            return false;
        }
    }
    std::printf("data directory %s: %s\n", qPrintable(gData->path()),
                qPrintable(files.join(QStringLiteral(", "))));
    for (const char* needed : {"Rokhdadha.xml", "purepoem.xml", "details.xml"}) {
        if (!files.contains(QString::fromLatin1(needed))) {
            std::printf("  %s is not in the content: the figures run without it\n", needed);
        }
    }
    return files.contains(QStringLiteral("Rokhdadha.xml"));
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    applyAppearance(app);
    if (!layOutData()) {
        std::fprintf(stderr, "bench_pages: cannot lay out the data directory\n");
        return 1;
    }

    Services services;
    services.dataDir = gData->path();
    services.settings = std::make_unique<MemorySettingsStore>();
    services.sound = std::make_unique<NoSound>();
    services.colors = std::make_unique<NoColors>();
    services.urls = std::make_unique<NoUrls>();
    services.clock = std::make_unique<FixedClock>();
    services.random = makeClockSeededRandom();
    services.keyboard = std::make_unique<NoKeyboard>();
    frmMain window(std::move(services));
    gWindow = &window;
    PaintCounter paints(&window);
    gWindowPaints = &paints;
    app.installEventFilter(&paints);
    window.Form_Load();
    window.show();
    for (int i = 0; i < 1000 && !(window.windowHandle() && window.windowHandle()->isExposed());
         ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    settle();
    std::printf("platform %s, window %dx%d, exposed %s, %d paint events at start\n",
                qPrintable(QGuiApplication::platformName()), window.width(), window.height(),
                window.windowHandle() && window.windowHandle()->isExposed() ? "yes" : "no",
                paints.paints);

    return bench::RunWithRatios(argc, argv,
                                {
                                    {"BM_MainPageClick", "BM_Baseline_WindowRepaint", 0, 2.0},
                                    {"BM_MainPageClick", "BM_Baseline_LabelSetTextPaint", 0, 2.0},
                                    {"BM_MainPageClickNoPaint", "BM_Baseline_WindowRepaint", 0, 0},
                                    {"BM_TodayStep", "BM_Baseline_OpenRokhdadha", 0, 8.0},
                                    {"BM_TodayStep", "BM_Baseline_LabelSetTextPaint", 0, 8.0},
                                    {"BM_TodayStepNoPaint", "BM_Baseline_OpenRokhdadha", 0, 0},
                                    {"BM_Baseline_OpenPurepoem", "BM_Baseline_OpenRokhdadha", 0, 0},
                                });
}
