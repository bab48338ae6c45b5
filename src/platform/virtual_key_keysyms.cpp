#include "platform/virtual_key_keysyms.h"

#include "platform/key_synth.h"

#include <X11/keysym.h>

std::uint32_t KeysymOfVirtualKey(std::uint8_t key) {
    if (key >= vk::F1 && key <= vk::F12)
        return XK_F1 + (key - vk::F1);
    switch (key) {
    case vk::Back:
        return XK_BackSpace;
    case vk::Tab:
        return XK_Tab;
    case vk::Return:
        return XK_Return;
    case vk::Escape:
        return XK_Escape;
    case vk::Shift:
        return XK_Shift_L;
    case vk::Control:
        return XK_Control_L;
    case vk::Menu:
        return XK_Alt_L;
    case vk::Prior:
        return XK_Prior;
    case vk::Next:
        return XK_Next;
    case vk::End:
        return XK_End;
    case vk::Home:
        return XK_Home;
    case vk::Left:
        return XK_Left;
    case vk::Up:
        return XK_Up;
    case vk::Right:
        return XK_Right;
    case vk::Down:
        return XK_Down;
    case vk::Insert:
        return XK_Insert;
    case vk::Delete:
        return XK_Delete;
    default:
        return 0;
    }
}
