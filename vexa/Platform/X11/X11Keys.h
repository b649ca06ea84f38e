#pragma once
// X key symbols in the virtual-key numbering that the toolkit's key table is written in, and the
// character a key symbol types.

#include <X11/X.h>

namespace Vexa {

// 0 for keys the toolkit has no number for.
unsigned virtual_key_of_keysym(KeySym a_keysym) noexcept;
// The Unicode character of a printable key symbol, 0 for none (control keys, function keys).
char32_t character_of_keysym(KeySym a_keysym) noexcept;

} // namespace Vexa
