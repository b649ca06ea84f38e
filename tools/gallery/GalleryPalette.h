#pragma once
// The colours the gallery paints with itself (cards, tiles, notes), taken from the shipped sheet's
// palette so that the hand-painted parts sit calmly beside the styled widgets.

#include "vexa/Graphics/GdiPlus_Color.h"

namespace Gallery::Palette {

inline constexpr Vexa::GdiPlus_Color window(0xFF1E2126);
inline constexpr Vexa::GdiPlus_Color surface(0xFF262A30);
inline constexpr Vexa::GdiPlus_Color raised(0xFF30353C);
inline constexpr Vexa::GdiPlus_Color raised_hover(0xFF383E46);
inline constexpr Vexa::GdiPlus_Color line(0xFF3D434C);
inline constexpr Vexa::GdiPlus_Color text(0xFFE4E7EB);
inline constexpr Vexa::GdiPlus_Color quiet_text(0xFFAAB1BB);
inline constexpr Vexa::GdiPlus_Color accent(0xFF3FB6A8);
// The accent laid thinly over the surface, for highlighted tiles.
inline constexpr Vexa::GdiPlus_Color accent_soft(0xFF2C4A49);

} // namespace Gallery::Palette
