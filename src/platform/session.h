#pragma once

// Whether the program's own windows can be placed: a Wayland compositor gives clients no
// positions, so there only their sizes are kept and set.
bool WindowPositionsApply();
