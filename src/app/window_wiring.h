#pragma once

// Connects the windows that exist to each other: what one window announces, another does. The
// start-up code calls it once the windows are made; each connection is made only when both of its
// windows exist.
void ConnectWindows();
