#pragma once
#include "platform/desktop.h"

// Restores a minimised window, else brings it to the top; either way it gets the keyboard focus
// (waited for up to a second). Does nothing for 0.
void ActivateWindow(Desktop& desktop, Desktop::Window window);

// Activates the window of the chosen mail-client definition. Throws std::out_of_range when no
// definition is chosen.
void ActivateTargetWindow(Desktop& desktop);
