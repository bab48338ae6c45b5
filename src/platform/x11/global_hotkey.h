#pragma once
#include "platform/desktop.h"

#include <QAbstractNativeEventFilter>

// The system-wide hot key Ctrl+Alt+S: grabbed on the X root window (also with Caps Lock and Num
// Lock on), seen through the application's native event filter. Released on destruction.
class GlobalHotKey : public DesktopHotKey, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // Grabs the key at once; a failure (another program holds it, no X display) leaves
    // `registered()` false and is otherwise harmless.
    explicit GlobalHotKey(QObject* parent = nullptr);
    ~GlobalHotKey() override;

    bool registered() const override { return registered_; }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void Grab();
    void Ungrab();

    bool registered_ = false;
    unsigned int keycode_ = 0;
    unsigned int lockMasks_[4] = {};
};
