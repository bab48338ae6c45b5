#pragma once
#include <QByteArray>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

// A headless sway compositor of the test's own (pixman renderer, one 1280x1024 output; Glimmora's
// windows float, as on a stacking desktop). Sway
// refuses to run as root: then it runs as the unprivileged user "glimmora-wl" (created when
// missing) with a runtime folder of its own; clients reach it through the socket's full path.
class HeadlessSway {
public:
    // `layout`: the XKB layout of every keyboard the compositor configures.
    explicit HeadlessSway(const QString& layout = QStringLiteral("us"));
    ~HeadlessSway();
    HeadlessSway(const HeadlessSway&) = delete;
    HeadlessSway& operator=(const HeadlessSway&) = delete;

    // False when sway is not installed or did not come up; the reason is in `error()`.
    bool ok() const { return !socket_.isEmpty(); }
    QString error() const { return error_; }

    // `base` with the compositor's socket and Qt's Wayland platform set, X11 removed.
    QProcessEnvironment clientEnvironment(QProcessEnvironment base) const;
    // swaymsg's answer to `type` (get_tree, get_outputs …).
    QByteArray query(const QString& type) const;
    // Runs a sway command ("input type:keyboard xkb_layout ru"); false when sway refused it.
    bool command(const QString& command) const;
    // Where the native Wayland window of `appId` shows its content, on the one output; null when
    // the compositor has no such window.
    QRect contentRect(const QString& appId) const;

    static constexpr int kOutputWidth = 1280, kOutputHeight = 1024;

private:
    QByteArray swaymsg(const QStringList& arguments) const;
    QStringList asUser(const QStringList& command) const;

    QTemporaryDir runtime_;
    QProcess sway_;
    QString socket_;
    QString error_;
    bool root_ = false;
};
