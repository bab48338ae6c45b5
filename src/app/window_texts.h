#pragma once

// Sets every caption, label, button and memo text of every window from the translation table.
void ApplyTexts();

// Makes a language switch reach the windows: texts applied, catalogue reloaded, start category
// selected, in that order. Connected once, at start-up.
void FollowLanguageSwitches();
