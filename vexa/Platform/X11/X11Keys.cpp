#include "vexa/Platform/X11/X11Keys.h"

#include <X11/keysym.h>

namespace Vexa {

unsigned virtual_key_of_keysym(KeySym a_keysym) noexcept {
    if (a_keysym >= XK_0 && a_keysym <= XK_9)
        return unsigned(48 + a_keysym - XK_0);
    if (a_keysym >= XK_a && a_keysym <= XK_z)
        return unsigned(65 + a_keysym - XK_a);
    if (a_keysym >= XK_A && a_keysym <= XK_Z)
        return unsigned(65 + a_keysym - XK_A);
    if (a_keysym >= XK_KP_0 && a_keysym <= XK_KP_9)
        return unsigned(96 + a_keysym - XK_KP_0);
    if (a_keysym >= XK_F1 && a_keysym <= XK_F24)
        return unsigned(112 + a_keysym - XK_F1);
    switch (a_keysym) {
    case XK_BackSpace:
        return 8;
    case XK_Tab:
    case XK_ISO_Left_Tab:
        return 9;
    case XK_Return:
    case XK_KP_Enter:
        return 13;
    case XK_Caps_Lock:
        return 20;
    case XK_Escape:
        return 27;
    case XK_space:
        return 32;
    case XK_Prior:
    case XK_KP_Prior:
        return 33;
    case XK_Next:
    case XK_KP_Next:
        return 34;
    case XK_End:
    case XK_KP_End:
        return 35;
    case XK_Home:
    case XK_KP_Home:
        return 36;
    case XK_Left:
    case XK_KP_Left:
        return 37;
    case XK_Up:
    case XK_KP_Up:
        return 38;
    case XK_Right:
    case XK_KP_Right:
        return 39;
    case XK_Down:
    case XK_KP_Down:
        return 40;
    case XK_Insert:
    case XK_KP_Insert:
        return 45;
    case XK_Delete:
    case XK_KP_Delete:
        return 46;
    case XK_KP_Multiply:
        return 106;
    case XK_KP_Add:
        return 107;
    case XK_KP_Subtract:
        return 109;
    case XK_KP_Decimal:
        return 110;
    case XK_KP_Divide:
        return 111;
    case XK_Shift_L:
        return 160;
    case XK_Shift_R:
        return 161;
    case XK_Control_L:
        return 162;
    case XK_Control_R:
        return 163;
    case XK_Alt_L:
        return 164;
    case XK_Alt_R:
    case XK_ISO_Level3_Shift:
        return 165;
    default:
        return 0;
    }
}

char32_t character_of_keysym(KeySym a_keysym) noexcept {
    if ((a_keysym >= 0x20 && a_keysym <= 0x7E) || (a_keysym >= 0xA0 && a_keysym <= 0xFF))
        return char32_t(a_keysym);
    // Key symbols of the Unicode block carry the code point in their low 24 bits.
    if ((a_keysym & 0xFF000000) == 0x01000000) {
        const char32_t code = char32_t(a_keysym & 0x00FFFFFF);
        return code >= 0x20 && code <= 0x10FFFF ? code : 0;
    }
    if (a_keysym >= XK_KP_0 && a_keysym <= XK_KP_9)
        return char32_t(U'0' + (a_keysym - XK_KP_0));
    switch (a_keysym) {
    case XK_KP_Space:
        return U' ';
    case XK_KP_Multiply:
        return U'*';
    case XK_KP_Add:
        return U'+';
    case XK_KP_Subtract:
        return U'-';
    case XK_KP_Decimal:
        return U'.';
    case XK_KP_Divide:
        return U'/';
    default:
        return 0;
    }
}

} // namespace Vexa
