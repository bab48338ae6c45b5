#pragma once
#include <QString>

// The main window's first appearance, one second after the message loop showed it.
// `argument` is the first command-line argument in lower case.
void ApplyStartSettings(const QString& argument);
void PlaceForFirstStart();
