#include "app/forms.h"

TForm1* Form1 = nullptr;
TAddImageForm* AddImageForm = nullptr;
TBaloonForm* BaloonForm = nullptr;
