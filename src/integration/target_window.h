#pragma once
#include "platform/desktop.h"

// Restores a minimised window, else brings it to the top, and waits up to a second for it to get
// the keyboard focus (synthesised keys reach only the focused window). True when it has the focus;
// false for 0.
bool ActivateWindow(Desktop& desktop, Desktop::Window window);

// The window of a definition's "windowclass": the first of its comma-separated classes that has a
// window; 0 when none has.
Desktop::Window FindTargetWindow(Desktop& desktop, const QByteArray& windowClass);

enum class TargetActivation {
    NoWindow,    // the definition's program has no window: nothing was touched
    Focused,     // the window is in front with the keyboard focus
    FocusRefused // the window did not take the focus: keys would land elsewhere
};

// Activates the window of the chosen mail-client definition, found by its app ids where the
// desktop knows windows by those, else by its window classes; `found` receives it (0 for none).
// Throws std::out_of_range when no definition is chosen.
TargetActivation ActivateTargetWindow(Desktop& desktop, Desktop::Window* found = nullptr);
