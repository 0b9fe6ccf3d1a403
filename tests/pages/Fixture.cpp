#include "Fixture.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>

void PageTest::SetUp() {
    ASSERT_TRUE(dataDir.isValid());
    auto s = std::make_unique<MemorySettingsStore>();
    settings = s.get();
    pending_.settings = std::move(s);
    auto snd = std::make_unique<RecordingSound>();
    sound = snd.get();
    pending_.sound = std::move(snd);
    auto col = std::make_unique<ScriptedColors>();
    colors = col.get();
    pending_.colors = std::move(col);
    auto u = std::make_unique<RecordingUrls>();
    urls = u.get();
    pending_.urls = std::move(u);
    auto c = std::make_unique<FixedClock>();
    clock = c.get();
    pending_.clock = std::move(c);
    auto k = std::make_unique<FakeKeyboard>();
    keyboard = k.get();
    pending_.keyboard = std::move(k);
    auto r = std::make_unique<FirstDraw>();
    random = r.get();
    pending_.random = std::move(r);
    pending_.dataDir = dataDir.path();
}

void PageTest::start() {
    window = std::make_unique<frmMain>(std::move(pending_));
    window->Form_Load();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
}

void PageTest::writeData(const QString& name, const QByteArray& bytes) {
    QFile f(dataDir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

void PageTest::copyContent(const QString& name) {
    QFile::remove(dataDir.filePath(name));
    ASSERT_TRUE(QFile::copy(QStringLiteral(DARVISTA_CONTENT "/") + name, dataDir.filePath(name)));
}

QString PageTest::text(const QString& labelName) const {
    auto* l = control<QLabel>(labelName);
    return l ? l->text() : QString();
}

QSet<QString> PageTest::visibleControls() const {
    QSet<QString> names;
    for (QObject* o : window->children()) {
        auto* w = qobject_cast<QWidget*>(o);
        if (w && !w->isHidden() && !w->objectName().isEmpty()) {
            names.insert(w->objectName());
        }
    }
    return names;
}

void PageTest::click(const QString& name) {
    auto* w = control(name);
    ASSERT_NE(w, nullptr);
    ASSERT_FALSE(w->isHidden()) << name.toStdString() << " is not shown";
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

namespace {
void sendMove(QWidget* target, QPoint local) {
    QMouseEvent move(QEvent::MouseMove, local, target->mapToGlobal(local), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}
} // namespace

// The mouse moves onto the middle of a control, which must be the one a
// person would reach there (shown, and on top).
void PageTest::moveOver(const QString& name) {
    auto* w = control(name);
    ASSERT_NE(w, nullptr);
    ASSERT_FALSE(w->isHidden()) << name.toStdString() << " is not shown";
    const QPoint centre = w->mapTo(window.get(), w->rect().center());
    QWidget* top = window->childAt(centre);
    ASSERT_EQ(top, w) << name.toStdString() << " is covered by "
                      << (top ? top->objectName().toStdString() : std::string("nothing"));
    sendMove(w, w->rect().center());
}

void PageTest::moveOverBackground(QPoint at) {
    ASSERT_EQ(window->childAt(at), nullptr) << "not the background";
    sendMove(window.get(), at);
}
