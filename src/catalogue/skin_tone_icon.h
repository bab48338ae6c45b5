#pragma once
#include "catalogue/skin_tones.h"

#include <QIcon>

// The picture that stands for a skin tone in the choices: the catalogue's raised hand in that tone,
// or, where the catalogue has no such picture, a round swatch of the tone's colour (the emoji's
// yellow for None).
QIcon SkinToneIcon(SkinTone tone);
