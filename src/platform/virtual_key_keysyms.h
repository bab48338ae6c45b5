#pragma once
#include <cstdint>

// The keysym of a virtual key of the key table that is not a character (modifiers, editing and
// movement keys, F1 to F12); 0 for the rest. Shared by the desktops that type by keysym.
std::uint32_t KeysymOfVirtualKey(std::uint8_t key);
