#include "platform/portal/portal_desktop.h"

#include "platform/current_desktop.h"
#include "platform/file_system.h"
#include "platform/key_synth.h"
#include "platform/portal/kde_layout.h"
#include "platform/portal/portal_request.h"
#include "platform/qt_clipboard.h"
#include "platform/virtual_key_keysyms.h"
#include "platform/wayland/keyboard_layout.h"
#include "platform/wayland/qt_connection.h"

#include <QApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <X11/keysym.h>
#include <algorithm>

namespace {

constexpr char kRemoteDesktop[] = "org.freedesktop.portal.RemoteDesktop";
constexpr uint kKeyboardDevice = 1;
constexpr uint kPersistUntilRevoked = 2;
// From this version on the portal keeps a permission with a restore token.
constexpr uint kFirstPersistingVersion = 2;

// The keysym of each virtual key a key sequence can name; 0 for the rest.
std::uint32_t Keysym(std::uint8_t code) {
    if (code >= 'A' && code <= 'Z')
        return XK_a + std::uint32_t(code - 'A'); // with Shift held, the capital
    if (code >= '0' && code <= '9')
        return XK_0 + std::uint32_t(code - '0');
    if (code == vk::Space)
        return XK_space;
    return KeysymOfVirtualKey(code);
}

QDBusMessage PortalCall(const char* interface, const QString& method, const QVariantList& args) {
    QDBusMessage call =
        QDBusMessage::createMethodCall(QLatin1String(kPortalService), QLatin1String(kPortalPath),
                                       QLatin1String(interface), method);
    call.setArguments(args);
    return call;
}

// The Linux input code of each letter's key on a US keyboard, A to Z.
constexpr std::uint8_t kLetterKeyCodes[26] = {30, 48, 46, 32, 18, 33, 34, 35, 23, 36, 37, 38, 50,
                                              49, 24, 25, 16, 19, 31, 20, 22, 47, 17, 45, 21, 44};

// One key through the portal, by keysym or by the position of its key, and the virtual key that
// it stands for.
struct PortalKey {
    std::uint8_t code = 0;
    bool byPosition = false;
    std::uint32_t value = 0;
};

// Keys by keysym through the session: the compositor finds a key for each in the user's layout.
// Where that layout types no Latin letters (Plasma's portal then drops them), the letter of a
// shortcut (Ctrl or Alt held) goes by its key's position instead, as the user's own Ctrl+V does.
// The portal handles every call on a thread of its own, so each key waits for the answer to the
// one before; no event is processed meanwhile, so nothing can come between two keys. The first key
// that fails (refused, unanswered, the session gone) ends the sequence.
class PortalKeySink : public KeySink {
public:
    PortalKeySink(QDBusConnection bus, QString session, std::function<bool()> open,
                  bool lettersByPosition)
        : bus_(std::move(bus)), session_(std::move(session)), open_(std::move(open)),
          lettersByPosition_(lettersByPosition) {}
    ~PortalKeySink() override { endSequence(); }

    void endSequence() override {
        while (!held_.isEmpty())
            notify(held_.takeLast(), false);
    }
    bool failed() const override { return failed_; }
    void keyDown(std::uint8_t code, std::uint8_t) override { press(code, true); }
    void keyUp(std::uint8_t code, std::uint8_t) override { press(code, false); }
    KeyScanResult VkKeyScan(std::uint8_t c) override { return KeysymKeyScan(c); }
    std::uint8_t MapVirtualKey(std::uint8_t code) override { return Keysym(code) ? code : 0; }

private:
    // An answer takes a few milliseconds; one that takes this long is not coming.
    static constexpr int kAnswerMs = 2000;
    // Once a key has failed, the releases that follow are tried without waiting that long.
    static constexpr int kReleaseAfterFailureMs = 250;

    bool shortcutHeld() const {
        return std::any_of(held_.begin(), held_.end(), [](const PortalKey& key) {
            return !key.byPosition && (key.value == XK_Control_L || key.value == XK_Alt_L);
        });
    }
    PortalKey key(std::uint8_t code) const {
        if (lettersByPosition_ && code >= 'A' && code <= 'Z' && shortcutHeld())
            return {code, true, kLetterKeyCodes[code - 'A']};
        return {code, false, Keysym(code)};
    }
    void press(std::uint8_t code, bool down) {
        if (!Keysym(code) || (down && failed_))
            return;
        // A press that failed may still have arrived: it is released like the others, and the
        // way it was pressed.
        if (down) {
            held_.append(key(code));
            notify(held_.last(), true);
            return;
        }
        const auto pressed = std::find_if(held_.begin(), held_.end(),
                                          [code](const PortalKey& k) { return k.code == code; });
        if (pressed == held_.end())
            return; // never pressed: nothing to release
        const PortalKey released = *pressed;
        held_.erase(pressed);
        notify(released, false);
    }
    void notify(const PortalKey& key, bool down) {
        if (!open_()) {
            failed_ = true;
            return;
        }
        // Mutter types a keysym only through the layout in use: one that only another layout
        // has (a Latin letter beside a Russian layout) goes by the key that types it there.
        const std::optional<quint32> code =
            key.byPosition ? std::optional<quint32>(key.value) : KeyFromOtherLayout(key.value);
        const QDBusMessage reply =
            bus_.call(PortalCall(kRemoteDesktop,
                                 code ? QStringLiteral("NotifyKeyboardKeycode")
                                      : QStringLiteral("NotifyKeyboardKeysym"),
                                 {QVariant::fromValue(QDBusObjectPath(session_)), QVariantMap(),
                                  int(code ? *code : key.value), uint(down ? 1 : 0)}),
                      QDBus::Block, failed_ ? kReleaseAfterFailureMs : kAnswerMs);
        if (reply.type() != QDBusMessage::ReplyMessage)
            failed_ = true;
    }

    QDBusConnection bus_;
    QString session_;
    std::function<bool()> open_; // false once the portal has closed the session
    bool lettersByPosition_;
    QList<PortalKey> held_;
    bool failed_ = false;
};

bool OwnWindowFocused() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) &&
           QGuiApplication::focusWindow();
}

// The widget whose window `window` is; null for a window without one.
QWidget* WidgetOf(const QWindow* window) {
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            return widget;
    }
    return nullptr;
}

} // namespace

void StepAside() {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (!window->isVisible() || (window->type() != Qt::Window && window->type() != Qt::Dialog))
            continue;
        // A widget's window is hidden through the widget: hidden behind its back, the widget
        // counts as neither shown nor hidden and a later show() does nothing.
        QWidget* widget = WidgetOf(window);
        const bool hide = window->type() == Qt::Window;
        if (widget && hide)
            widget->hide();
        else if (widget)
            widget->showMinimized();
        else if (hide)
            window->hide();
        else
            window->showMinimized();
    }
}

namespace {

// Waits up to `ms` for `done`, letting the focus change arrive meanwhile.
bool WaitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < ms) {
        QThread::msleep(5);
        QCoreApplication::processEvents();
    }
    return done();
}

// Activates the topmost window of resource class `name` through KWin's scripting, unminimising
// it first. KWin reads and runs the script after the call returns, so the file stays until the
// next activation replaces it.
void ActivateInKWin(QDBusConnection bus, const QByteArray& name) {
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + "/glimmora-activate.js";
    const QByteArray wanted =
        QJsonDocument(QJsonArray{QString::fromUtf8(name.toLower())}).toJson(QJsonDocument::Compact);
    const QByteArray script =
        "(function () {\n"
        "  var wanted = " +
        wanted +
        "[0];\n"
        "  var windows = workspace.windowList ? workspace.windowList() : workspace.clientList();\n"
        "  for (var i = windows.length - 1; i >= 0; --i) {\n"
        "    var w = windows[i];\n"
        "    if (String(w.resourceClass).toLowerCase() !== wanted) continue;\n"
        "    w.minimized = false;\n"
        "    if (workspace.activeWindow !== undefined) workspace.activeWindow = w;\n"
        "    else workspace.activeClient = w;\n"
        "    return;\n"
        "  }\n"
        "})();\n";
    if (!WriteFileAtomic(path, script))
        return;
    const auto scripting = [&](const QString& method, const QVariantList& args) {
        QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.KWin"), QStringLiteral("/Scripting"),
            QStringLiteral("org.kde.kwin.Scripting"), method);
        call.setArguments(args);
        return bus.call(call);
    };
    const QString plugin = QStringLiteral("glimmora-activate");
    scripting(QStringLiteral("unloadScript"), {plugin});
    const QDBusReply<int> id = scripting(QStringLiteral("loadScript"), {path, plugin});
    if (!id.isValid() || id.value() < 0)
        return;
    // KWin 5.27 and later publish the script here, older ones under "/<id>".
    for (const QString& object : {QStringLiteral("/Scripting/Script%1").arg(id.value()),
                                  QStringLiteral("/%1").arg(id.value())}) {
        const QDBusMessage run = QDBusMessage::createMethodCall(
            QStringLiteral("org.kde.KWin"), object, QStringLiteral("org.kde.kwin.Script"),
            QStringLiteral("run"));
        if (bus.call(run).type() == QDBusMessage::ReplyMessage)
            return;
    }
}

class PortalDesktop : public Desktop {
public:
    PortalDesktop(PortalDesktopSetup setup, QDBusConnection bus, uint version)
        : setup_(std::move(setup)), bus_(std::move(bus)), version_(version) {
        if (setup_.tokenFile.isEmpty() && !DesktopProgram().dataFolder.isEmpty())
            setup_.tokenFile = DesktopProgram().dataFolder + QStringLiteral("portal.token");
        if (!setup_.ownFocus)
            setup_.ownFocus = OwnWindowFocused;
        if (!setup_.handBack)
            setup_.handBack = StepAside;
        // Asked once events run: a window that must be up before the desktop's dialog (which
        // would otherwise open behind it) can come first.
        QTimer::singleShot(0, &context_, [this] { startSession(); });
    }
    ~PortalDesktop() override { ClosePortalSession(bus_, session_); }

    QString name() const override { return QStringLiteral("portal"); }
    bool raisesWindows() const override { return false; }
    // KWin knows a native Wayland window's class by its app id.
    bool namesWindowsByAppId() const override { return true; }

    Window findWindowByClass(const QByteArray& name) override {
        qsizetype index = names_.indexOf(name.toLower());
        if (index < 0) {
            names_.append(name.toLower());
            index = names_.size() - 1;
        }
        return Window(index + 1);
    }
    bool isMinimised(Window) override { return false; }
    void restore(Window window) override { bringToFront(window); }
    void bringToFront(Window window) override {
        if (!ready_)
            return; // no keys could follow: Glimmora stays in sight for the message
        if (OnKdePlasma()) {
            ActivateInKWin(bus_, names_.value(qsizetype(window) - 1));
            if (WaitUntil([this] { return !setup_.ownFocus(); }, 500))
                return;
        }
        setup_.handBack();
    }
    bool hasInputFocus(Window) override { return ready_ && !setup_.ownFocus(); }
    Typing typing() const override { return typing_; }

    std::unique_ptr<KeySink> createKeySink() override {
        if (!ready_)
            return nullptr;
        return std::make_unique<PortalKeySink>(
            bus_, session_, [this] { return ready_; }, OnKdePlasma() && !KdeLayoutTypesLatin(bus_));
    }
    bool setClipboard(QMimeData* data) override {
        return SetQtClipboard(data, RoundTripQtConnection);
    }
    std::unique_ptr<DesktopHotKey> grabHotKey(QObject* parent) override {
        return CreateServiceHotKey(bus_, parent);
    }

private:
    // Asks for the keyboard session: CreateSession, SelectDevices, Start, each answered later.
    void startSession() {
        call("CreateSession", {QVariantMap{{"session_handle_token", NewPortalToken()}}},
             [this](const QVariantMap& results) {
                 session_ = SessionHandle(results.value(QStringLiteral("session_handle")));
                 // Typing into a closed session would go nowhere, unnoticed.
                 new PortalSessionWatch(bus_, session_, &context_, [this] {
                     ready_ = false;
                     session_.clear();
                     typing_ = Typing::Withdrawn;
                 });
                 selectDevices();
             });
    }
    void selectDevices() {
        QVariantMap options{{"types", kKeyboardDevice}};
        if (version_ >= kFirstPersistingVersion) {
            options.insert(QStringLiteral("persist_mode"), kPersistUntilRevoked);
            QFile file(setup_.tokenFile);
            const QString token = file.open(QIODevice::ReadOnly)
                                      ? QString::fromUtf8(file.readAll()).trimmed()
                                      : QString();
            if (!token.isEmpty()) {
                options.insert(QStringLiteral("restore_token"), token);
                typing_ = Typing::Renewing;
            }
        }
        call("SelectDevices", {QVariant::fromValue(QDBusObjectPath(session_)), options},
             [this](const QVariantMap&) {
                 call("Start",
                      {QVariant::fromValue(QDBusObjectPath(session_)), QString(), QVariantMap()},
                      [this](const QVariantMap& results) { started(results); });
             });
    }
    void started(const QVariantMap& results) {
        ready_ = results.value(QStringLiteral("devices")).toUInt() & kKeyboardDevice;
        typing_ = ready_ ? Typing::Allowed : Typing::Refused;
        if (!ready_)
            forgetToken();
        // The token is good for one use: the portal hands out a new one each time.
        const QString token = results.value(QStringLiteral("restore_token")).toString();
        if (ready_ && !token.isEmpty() && !setup_.tokenFile.isEmpty() &&
            QDir().mkpath(QFileInfo(setup_.tokenFile).path()))
            WriteFileAtomic(setup_.tokenFile, token.toUtf8(), FileAccess::Private);
    }
    // A refusal or cancellation ends the chain: insertion then says that nothing was typed. It
    // is not asked again in this run, so the user is not asked at every click.
    void call(const char* method, const QVariantList& args,
              std::function<void(const QVariantMap&)> granted) {
        CallPortal(bus_, QLatin1String(kRemoteDesktop), QLatin1String(method), args, &context_,
                   [this, granted](uint response, const QVariantMap& results) {
                       if (response == 0) {
                           granted(results);
                       } else {
                           typing_ = Typing::Refused;
                           forgetToken();
                       }
                   });
    }
    // A permission refused is not kept: the next start asks afresh, as the message says, and
    // sends no token that the desktop would take as the old answer.
    void forgetToken() {
        if (!setup_.tokenFile.isEmpty())
            QFile::remove(setup_.tokenFile);
    }

    PortalDesktopSetup setup_;
    QDBusConnection bus_;
    QObject context_; // the portal's answers are dropped once the desktop has gone
    uint version_;
    QString session_;
    bool ready_ = false;
    Typing typing_ = Typing::Asking;
    QList<QByteArray> names_;
};

} // namespace

std::unique_ptr<Desktop> CreatePortalDesktop() {
    return CreatePortalDesktop(PortalDesktopSetup());
}

std::unique_ptr<Desktop> CreatePortalDesktop(PortalDesktopSetup setup) {
    QDBusConnection bus = setup.bus ? *setup.bus : PortalConnection();
    const uint version = PortalVersion(bus, QLatin1String(kRemoteDesktop));
    if (!version)
        return nullptr;
    return std::make_unique<PortalDesktop>(std::move(setup), std::move(bus), version);
}
