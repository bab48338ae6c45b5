#pragma once

// The entry routine: command line, clean-up run, single-instance hand-over, data folder, language
// files, windows and message loop. Returns the process's exit code.
int RunGlimmora(int argc, char** argv);

// Settings that must be made before the application object exists.
void PrepareEnvironment();

// Answers the "/toggle" requests of instances started since the last call: each shows or hides
// the main window once, the last with the activation token that its instance was launched with.
// Nothing while the start settings have not placed the window yet (they would show it again).
void TakeToggleRequests();
