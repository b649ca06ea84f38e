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
using StyleValue_Frame = StyleValue_Typed<Frame, StyleValueType_FRAME>;
using StyleValue_Integer = StyleValue_Typed<int, StyleValueType_INTEGER>;
using StyleValue_List = StyleValue_Typed<std::vector<StyleValueRef>, StyleValueType_LIST>;
// "parent": the property takes the parent widget's value.
using StyleValue_Parent = StyleValue_Typed<StyleNothing, StyleValueType_PARENT>;
using StyleValue_Pen = StyleValue_Typed<GdiPlus_Pen, StyleValueType_PEN>;
using StyleValue_String = StyleValue_Typed<Orvo::WString, StyleValueType_STRING>;

// A font is looked up (fontconfig) when a widget first asks for it, not when the sheet is read:
// a host that only scans or runs the plug-in never pays for the font system's start.
class StyleValue_Font final : public StyleValue {
public:
    StyleValue_Font(Orvo::WString a_family, double a_size, int a_unit)
        : StyleValue(StyleValueType_FONT), m_family(std::move(a_family)), m_size(a_size),
          m_unit(a_unit) {}

    std::shared_ptr<StyleValue> clone() const override {
        return std::make_shared<StyleValue_Font>(*this);
    }
    // [ui-thread]
    const GdiPlus_Font& get_value() const {
        if (m_font.is_null())
            m_font = GdiPlus_Font(m_family.view(), m_size, m_unit);
        return m_font;
    }
    const Orvo::WString& get_family() const noexcept { return m_family; }
    double get_size() const noexcept { return m_size; }
    int get_unit() const noexcept { return m_unit; }

private:
    Orvo::WString m_family;
    double m_size;
    int m_unit;
    mutable GdiPlus_Font m_font;
};

template <class V, class T>
StyleValueRef make_style_value(T&& a_value) {
    return std::make_shared<V>(std::forward<T>(a_value));
}

} // namespace Vexa
