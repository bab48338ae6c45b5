#include "support/recording_desktop.h"

namespace {

class RecordingKeySink : public KeySink {
public:
    explicit RecordingKeySink(RecordingDesktop& desktop) : desktop_(desktop) {}

    void beginSequence() override { desktop_.record(QStringLiteral("begin")); }
    void endSequence() override { desktop_.record(QStringLiteral("end")); }
    void keyDown(std::uint8_t vk, std::uint8_t) override {
        desktop_.record(QStringLiteral("down %1").arg(vk));
    }
    void keyUp(std::uint8_t vk, std::uint8_t) override {
        desktop_.record(QStringLiteral("up %1").arg(vk));
    }
    KeyScanResult VkKeyScan(std::uint8_t c) override {
        if (c >= 'a' && c <= 'z')
            return {static_cast<std::uint8_t>(c - 'a' + 'A'), 0};
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ')
            return {c, static_cast<std::uint8_t>(c >= 'A' ? 1 : 0)};
        return {vk::Unmapped, 255};
    }
    std::uint8_t MapVirtualKey(std::uint8_t vk) override { return vk; }

private:
    RecordingDesktop& desktop_;
};

class RecordingHotKey : public DesktopHotKey {
public:
    using DesktopHotKey::DesktopHotKey;
    bool registered() const override { return true; }
};

} // namespace

void RecordingDesktop::addWindow(const QByteArray& name, Window window, bool minimised) {
    windows_.insert(name.toLower(), window);
    if (minimised)
        minimised_.insert(window);
}

QStringList RecordingDesktop::callsStartingWith(const QString& prefix) const {
    QStringList matching;
    for (const QString& call : calls_) {
        if (call.startsWith(prefix))
            matching.append(call);
    }
    return matching;
}

Desktop::Window RecordingDesktop::findWindowByClass(const QByteArray& name) {
    record("find " + QString::fromLatin1(name));
    return windows_.value(name.toLower(), 0);
}

bool RecordingDesktop::isMinimised(Window window) {
    record(QStringLiteral("isMinimised %1").arg(window));
    return minimised_.contains(window);
}

void RecordingDesktop::restore(Window window) {
    record(QStringLiteral("restore %1").arg(window));
    minimised_.remove(window);
    focused_ = window;
}

void RecordingDesktop::bringToFront(Window window) {
    record(QStringLiteral("bringToFront %1").arg(window));
    focused_ = window;
}

bool RecordingDesktop::hasInputFocus(Window window) {
    record(QStringLiteral("hasInputFocus %1").arg(window));
    return focused_ == window;
}

std::unique_ptr<KeySink> RecordingDesktop::createKeySink() {
    record(QStringLiteral("keySink"));
    return std::make_unique<RecordingKeySink>(*this);
}

bool RecordingDesktop::setClipboard(QMimeData* data) {
    record("clipboard " + (data ? data->formats().join(' ') : QStringLiteral("none")));
    clipboard_.reset(data);
    return data != nullptr;
}

std::unique_ptr<DesktopHotKey> RecordingDesktop::grabHotKey(QObject* parent) {
    record(QStringLiteral("hotKey"));
    return std::make_unique<RecordingHotKey>(parent);
}
