// The program's start-up as main() makes it, ended at the first paint of the
// main page: the application object, the appearance, the window with the
// real services (data directory beside the executable, sound, desktop, clock,
// keyboard) but an in-memory settings store, so that the user's stored
// preferences play no part and stay untouched; Form_Load, show, and close
// after the first paint (closing switches the keyboard back, as the program
// does). The single-instance lock is left out, so that a running copy of the
// program does not stop the probe. run_startup.sh times it against
// startup_minimal. With --phases it prints how long each step took, from
// the start of main, on stderr.

#include "data/SettingsStore.h"
#include "shell/Appearance.h"
#include "shell/Services.h"
#include "shell/frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

QElapsedTimer gClock;
bool gPhases = false;
qint64 gLast = 0;

void phase(const char* name) {
    if (gPhases) {
        const qint64 now = gClock.nsecsElapsed();
        std::fprintf(stderr, "%-28s %8.2f ms (at %8.2f ms)\n", name, (now - gLast) / 1e6,
                     now / 1e6);
        gLast = now;
    }
}

class CloseAfterFirstPaint : public QObject {
public:
    explicit CloseAfterFirstPaint(frmMain& window) : window_(window) {}
    bool painted = false;
    bool onMainPage = false;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted) {
            painted = true;
            phase("show to first paint");
            onMainPage = window_.pageTag() == QLatin1String("1");
            QTimer::singleShot(0, &window_, &QWidget::close);
        }
        return false;
    }

private:
    frmMain& window_;
};

} // namespace

int main(int argc, char** argv) {
    gClock.start();
    for (int i = 1; i < argc; ++i) {
        gPhases = gPhases || std::strcmp(argv[i], "--phases") == 0;
    }
    QApplication app(argc, argv);
    phase("QApplication");
    applyAppearance(app);
    phase("applyAppearance");
    Services services = Services::real();
    services.settings = std::make_unique<MemorySettingsStore>();
    phase("Services::real");
    frmMain window(std::move(services));
    phase("frmMain constructor");
    CloseAfterFirstPaint closer(window);
    window.installEventFilter(&closer);
    window.Form_Load();
    phase("Form_Load");
    window.show();
    phase("show");
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    const int code = app.exec();
    phase("paint to end of event loop");
    if (!closer.painted || !closer.onMainPage) {
        std::fprintf(stderr, "startup_probe: %s\n",
                     closer.painted ? "the first paint was not of the main page"
                                    : "the window was never painted");
        return code != 0 ? code : 3;
    }
    return code;
}
