#pragma once
// A typed value from a style sheet, shared by reference between the declaration blocks that use
// it (a predefined object may be named many times). Each accessor checks the type and fails with
// the condition's text, e.g. "m_type == StyleValueType_PEN".

#include "orvo/Core/String.h"
#include "vexa/Graphics/Border.h"
#include "vexa/Graphics/Frame.h"
#include "vexa/Graphics/GdiPlus_Brush.h"
#include "vexa/Graphics/GdiPlus_Color.h"
#include "vexa/Graphics/GdiPlus_Font.h"
#include "vexa/Graphics/GdiPlus_Pen.h"
#include "vexa/Styles/StyleDimension.h"
#include "vexa/Styles/StyleValueType.h"

#include <memory>
#include <vector>

namespace Vexa {

class StyleValue;
using StyleValueRef = std::shared_ptr<const StyleValue>;

class StyleValue {
public:
    explicit StyleValue(StyleValueType a_type) noexcept : m_type(a_type) {}
    StyleValue(const StyleValue&) = default;
    StyleValue& operator=(const StyleValue&) = delete;

    virtual std::shared_ptr<StyleValue> clone() const = 0;
    // Follows the interface scale; only dimensions (and lists holding them) change.
    virtual void rescale(double a_scale);
    virtual ~StyleValue() = default;

    StyleValueType get_type() const noexcept { return m_type; }

    bool to_bool() const;
    const Border& to_border() const;
    const GdiPlus_Brush& to_brush() const;
    GdiPlus_Color to_color() const;
    const StyleDimension& to_dimension() const;
    int to_pixels_int() const { return to_dimension().to_pixels_int(); }
    double to_pixels_float() const { return to_dimension().pixels; }
    const GdiPlus_Font& to_font() const;
    const Frame& to_frame() const;
    int to_int() const;
    const std::vector<StyleValueRef>& get_elements() const;
    const GdiPlus_Pen& to_pen() const;
    const Orvo::WString& to_string() const;

private:
    const StyleValueType m_type;
};

} // namespace Vexa
