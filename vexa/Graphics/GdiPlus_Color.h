#pragma once
// A 32-bit ARGB colour, alpha in the top byte (0xFF000000 is opaque black).

#include <cstdint>

namespace Vexa {

class GdiPlus_Color {
public:
    constexpr GdiPlus_Color() noexcept = default;
    constexpr explicit GdiPlus_Color(std::uint32_t a_argb) noexcept : m_argb(a_argb) {}

    constexpr std::uint32_t get_argb() const noexcept { return m_argb; }
    constexpr unsigned get_alpha() const noexcept { return m_argb >> 24; }
    constexpr unsigned get_red() const noexcept { return (m_argb >> 16) & 0xFF; }
    constexpr unsigned get_green() const noexcept { return (m_argb >> 8) & 0xFF; }
    constexpr unsigned get_blue() const noexcept { return m_argb & 0xFF; }

    constexpr bool operator==(const GdiPlus_Color&) const noexcept = default;

private:
    std::uint32_t m_argb = 0xFF000000;
};

} // namespace Vexa
