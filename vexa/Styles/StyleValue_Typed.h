#pragma once
// The value classes: one payload each. A dimension rescales itself, a list its elements; the
// others ignore the scale.

#include "vexa/Styles/StyleValue.h"

namespace Vexa {

template <class T, StyleValueType TYPE>
class StyleValue_Typed final : public StyleValue {
public:
    explicit StyleValue_Typed(T a_value) : StyleValue(TYPE), m_value(std::move(a_value)) {}

    std::shared_ptr<StyleValue> clone() const override {
        return std::make_shared<StyleValue_Typed>(*this);
    }
    void rescale(double a_scale) override {
        if constexpr (TYPE == StyleValueType_DIMENSION) {
            m_value.rescale(a_scale);
        } else if constexpr (TYPE == StyleValueType_LIST) {
            for (StyleValueRef& element : m_value) {
                std::shared_ptr<StyleValue> copy = element->clone();
                copy->rescale(a_scale);
                element = std::move(copy);
            }
        }
    }
    const T& get_value() const noexcept { return m_value; }

private:
    T m_value;
};

struct StyleNothing {};

using StyleValue_Boolean = StyleValue_Typed<bool, StyleValueType_BOOLEAN>;
using StyleValue_Border = StyleValue_Typed<Border, StyleValueType_BORDER>;
using StyleValue_Brush = StyleValue_Typed<GdiPlus_Brush, StyleValueType_BRUSH>;
using StyleValue_Color = StyleValue_Typed<GdiPlus_Color, StyleValueType_COLOR>;
using StyleValue_Dimension = StyleValue_Typed<StyleDimension, StyleValueType_DIMENSION>;
using StyleValue_Font = StyleValue_Typed<GdiPlus_Font, StyleValueType_FONT>;
using StyleValue_Frame = StyleValue_Typed<Frame, StyleValueType_FRAME>;
using StyleValue_Integer = StyleValue_Typed<int, StyleValueType_INTEGER>;
using StyleValue_List = StyleValue_Typed<std::vector<StyleValueRef>, StyleValueType_LIST>;
// "parent": the property takes the parent widget's value.
using StyleValue_Parent = StyleValue_Typed<StyleNothing, StyleValueType_PARENT>;
using StyleValue_Pen = StyleValue_Typed<GdiPlus_Pen, StyleValueType_PEN>;
using StyleValue_String = StyleValue_Typed<Orvo::WString, StyleValueType_STRING>;

template <class V, class T>
StyleValueRef make_style_value(T&& a_value) {
    return std::make_shared<V>(std::forward<T>(a_value));
}

} // namespace Vexa
