#pragma once
#include <QByteArray>
#include <cstdint>

class Desktop;
class KeySink;

// Key sequences of the mail-client definitions: bytes below 32 press that virtual key, 32 to 227
// type that character, 228 to 239 press F1 to F12, 240 to 249 Home, End, Up, Down, Left, Right,
// Page Up, Page Down, Insert and Delete; 250/251, 252/253 and 254/255 press and release Shift,
// Ctrl and Alt. Pending events are processed after every byte. Every key and modifier that is
// still held when the sequence ends is released. False when not every key reached the desktop
// (none could be typed, or the sink failed half-way, where the sequence stops).
bool SendKeySequence(Desktop& desktop, const QByteArray& keys);
bool SendKeySequence(const QByteArray& keys, KeySink& sink);

// Returns after at least `ms` milliseconds (by the 32-bit tick count, across its wrap-around),
// processing pending events meanwhile; with 0 or less after processing them once.
void WaitMilliseconds(std::int32_t ms);

// Processes pending events when an application runs; keeps a window responsive during waits.
void ProcessPendingEvents();
