#pragma once
#include <QString>

// The running executable's absolute path, readable before the application object exists; empty
// when the system does not tell.
QString RunningExecutable();

// True when the process runs with root's effective user id.
bool RunningAsRoot();
