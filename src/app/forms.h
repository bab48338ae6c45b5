#pragma once
// The program's windows: each class has exactly one instance, created at start in a fixed order
// and kept until the process ends. The start-up code wires them together through these pointers.
#include "dialogs/dialog_windows.h"

class TForm1;
class TSplashForm;
class TAddImageForm;
class TBaloonForm;

extern TForm1* Form1;
extern TAddImageForm* AddImageForm;
extern TBaloonForm* BaloonForm;
