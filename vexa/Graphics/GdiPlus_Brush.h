#pragma once
// A shared solid brush. Copies share one native pattern; the last copy destroys it. A null brush
// means "nothing": filling with it draws nothing.

#include "vexa/Graphics/GdiPlus_Color.h"

#include <memory>

typedef struct _cairo_pattern cairo_pattern_t;

namespace Vexa {

class GdiPlus_Brush {
public:
    GdiPlus_Brush() noexcept = default;
    explicit GdiPlus_Brush(GdiPlus_Color a_color);

    bool is_null() const noexcept { return !m_pattern; }
    GdiPlus_Color get_color() const noexcept { return m_color; }
    cairo_pattern_t* get_native() const noexcept { return m_pattern.get(); }
    long get_use_count() const noexcept { return m_pattern.use_count(); }

private:
    GdiPlus_Color m_color;
    std::shared_ptr<cairo_pattern_t> m_pattern;
};

} // namespace Vexa
