#pragma once
#include <QString>

// The folder of the running executable, with a trailing '/'. Tests (and tools that run the
// program logic outside the executable) may point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
