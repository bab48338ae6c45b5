#pragma once

// The entry routine: command line, clean-up run, single-instance hand-over, data folder, language
// files, windows and message loop. Returns the process's exit code.
int RunGlimmora(int argc, char** argv);

// Settings that must be made before the application object exists.
void PrepareEnvironment();
