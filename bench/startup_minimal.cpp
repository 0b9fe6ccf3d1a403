// The floor of a Qt Widgets program's start-up: one empty window of the
// program's size that closes after its first paint, and with it the process.
// run_startup.sh times it against startup_probe.

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

// Closes the window once it has painted.
class CloseAfterFirstPaint : public QObject {
public:
    bool painted = false;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !painted) {
            painted = true;
            QTimer::singleShot(0, static_cast<QWidget*>(o), &QWidget::close);
        }
        return false;
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(516, 463);
    CloseAfterFirstPaint closer;
    window.installEventFilter(&closer);
    window.show();
    // Gives up when the window is never painted (no display, say).
    QTimer::singleShot(20000, &app, [] { QCoreApplication::exit(3); });
    const int code = app.exec();
    if (!closer.painted) {
        std::fprintf(stderr, "startup_minimal: the window was never painted\n");
        return code != 0 ? code : 3;
    }
    return code;
}
