#pragma once
#include <QFont>

// The interface's fonts ship with the program (free faces, their licences beside them in the
// resources), so that whether a translated text fits its window does not depend on the fonts of
// the machine. Every window takes its font from here.

// Registers the shipped faces and makes the interface face, 11 design pixels high (8.25 points,
// so that it follows the desktop's text scaling), the application's font. Called once the
// application object exists, before the first window is made.
void UseInterfaceFonts();

// The interface face (a sans serif with the widths that the windows were laid out for), its size
// in design pixels.
QFont InterfaceFont(int pixelSize, bool bold = false);
// The hand-lettered face of the about window's name plate.
QFont LetteringFont(int pixelSize);
