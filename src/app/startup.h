#pragma once

// The entry routine: command line, clean-up run, single-instance hand-over, data folder, language
// files, windows and message loop. Returns the process's exit code.
int RunGlimmora(int argc, char** argv);

// Settings that must be made before the application object exists.
void PrepareEnvironment();

// The request that a "/toggle" start leaves for the running instance, which takes it at once
// (a RequestWatcher for this name runs from its start on).
inline constexpr char kToggleRequest[] = "Glimmora_ShowOrHide";

// Shows or hides the main window once for each "/toggle" request that came since the last call;
// those that came while it was not yet placed wait, as the start settings would show it again.
// Called every 100 ms.
void AnswerToggleRequests();
