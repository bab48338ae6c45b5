#pragma once
#include "platform/x11_windows.h"

#include <QByteArray>
#include <cstdint>

class KeySink;

// Key sequences of the mail-client definitions: bytes below 32 press that virtual key, 32 to 227
// type that character, 228 to 239 press F1 to F12, 240 to 249 Home, End, Up, Down, Left, Right,
// Page Up, Page Down, Insert and Delete; 250/251, 252/253 and 254/255 press and release Shift,
// Ctrl and Alt. Pending events are processed after every byte. Every key and modifier that is
// still held when the sequence ends is released.
void SendKeySequence(const QByteArray& keys);
void SendKeySequence(const QByteArray& keys, KeySink& sink);

// Returns after at least `ms` milliseconds (by the 32-bit tick count, across its wrap-around),
// processing pending events meanwhile; with 0 or less after processing them once.
void WaitMilliseconds(std::int32_t ms);

// The topmost top-level window whose class is `name`, or any of the comma-separated names in it;
// 0 when there is none.
NativeWindow FindWindowByClass(const QByteArray& name);

// Restores a minimised window, else brings it to the top, and waits up to a second for it to get
// the keyboard focus (synthesised keys reach only the focused window). True when it has the focus;
// false for 0.
bool ActivateWindow(NativeWindow window);

enum class TargetActivation {
    NoWindow,    // the definition's program has no window: nothing was touched
    Focused,     // the window is in front with the keyboard focus
    FocusRefused // the window did not take the focus: keys would land elsewhere
};

// Activates the window of the chosen mail-client definition. Throws std::out_of_range when no
// definition is chosen.
TargetActivation ActivateTargetWindow();
