#pragma once
// How a drawn pop-up menu looks: the shipped style sheet's palette (graphite surfaces, light text,
// the teal accent) and the row metrics, in one place.

#include "vexa/Graphics/GdiPlus_Color.h"

namespace Vexa::PopupMenuLook {

inline constexpr GdiPlus_Color background{0xFF262A30};    // surface
inline constexpr GdiPlus_Color border{0xFF4A515B};        // highlight edge, lifts it off a surface
inline constexpr GdiPlus_Color separator{0xFF3D434C};     // line
inline constexpr GdiPlus_Color hover{0xFF2F5B5A};         // the accent at 35 % over the surface
inline constexpr GdiPlus_Color hover_edge{0xFF3FB6A8};    // accent
inline constexpr GdiPlus_Color text{0xFFE4E7EB};          // text
inline constexpr GdiPlus_Color shortcut_text{0xFFAAB1BB}; // quiet text
inline constexpr GdiPlus_Color disabled_text{0xFF6B727C};
inline constexpr GdiPlus_Color mark{0xFF3FB6A8}; // check and radio marks: the accent

inline constexpr int frame = 1;   // border width
inline constexpr int padding = 4; // above the first row and below the last
inline constexpr int minimum_row_height = 24;
inline constexpr int separator_height = 9;
inline constexpr int gutter = 28;       // left of the labels: the marks' column
inline constexpr int shortcut_gap = 36; // between the longest label and the shortcuts
inline constexpr int arrow_column = 22; // right of the labels: the submenu arrow
inline constexpr int right_padding = 12;
inline constexpr int minimum_width = 160;
inline constexpr int submenu_overlap = 3; // a submenu covers its parent's border a little
inline constexpr int scroll_strip = 14;   // the scroll arrows of a menu taller than the screen

} // namespace Vexa::PopupMenuLook
