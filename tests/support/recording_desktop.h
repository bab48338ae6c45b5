#pragma once
#include "platform/desktop.h"
#include "platform/key_synth.h"

#include <QMap>
#include <QMimeData>
#include <QSet>
#include <QStringList>

// A desktop without a screen that records every call made of it, in order: "find <class>",
// "isMinimised <id>", "restore <id>", "bringToFront <id>", "hasInputFocus <id>", "keySink",
// "begin", "down <vk>", "up <vk>", "end", "clipboard <formats>", "hotKey". Keys map as on a US
// keyboard (letters and digits; anything else is missing from the layout).
class RecordingDesktop : public Desktop {
public:
    // A top-level window of class `name` (matched without regard to case).
    void addWindow(const QByteArray& name, Window window, bool minimised = false);

    QStringList calls() const { return calls_; }
    // The calls that start with `prefix`.
    QStringList callsStartingWith(const QString& prefix) const;
    const QMimeData* clipboard() const { return clipboard_.get(); }

    QString name() const override { return QStringLiteral("test"); }
    Window findWindowByClass(const QByteArray& name) override;
    bool isMinimised(Window window) override;
    void restore(Window window) override;
    void bringToFront(Window window) override;
    bool hasInputFocus(Window window) override;
    std::unique_ptr<KeySink> createKeySink() override;
    bool setClipboard(QMimeData* data) override;
    std::unique_ptr<DesktopHotKey> grabHotKey(QObject* parent = nullptr) override;

    void record(const QString& call) { calls_.append(call); }

private:
    QMap<QByteArray, Window> windows_;
    QSet<Window> minimised_;
    Window focused_ = 0;
    QStringList calls_;
    std::unique_ptr<QMimeData> clipboard_;
};
