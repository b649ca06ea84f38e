#include "vexa/Styles/StyleValue.h"

#include "orvo/Core/Assert.h"
#include "vexa/Styles/StyleValue_Typed.h"

namespace Vexa {

void StyleValue::rescale(double) {}

bool StyleValue::to_bool() const {
    ORVO_ASSERT(m_type == StyleValueType_BOOLEAN);
    return static_cast<const StyleValue_Boolean&>(*this).get_value();
}

const Border& StyleValue::to_border() const {
    ORVO_ASSERT(m_type == StyleValueType_BORDER);
    return static_cast<const StyleValue_Border&>(*this).get_value();
}

const GdiPlus_Brush& StyleValue::to_brush() const {
    ORVO_ASSERT(m_type == StyleValueType_BRUSH);
    return static_cast<const StyleValue_Brush&>(*this).get_value();
}

GdiPlus_Color StyleValue::to_color() const {
    ORVO_ASSERT(m_type == StyleValueType_COLOR);
    return static_cast<const StyleValue_Color&>(*this).get_value();
}

const StyleDimension& StyleValue::to_dimension() const {
    ORVO_ASSERT(m_type == StyleValueType_DIMENSION);
    return static_cast<const StyleValue_Dimension&>(*this).get_value();
}

const GdiPlus_Font& StyleValue::to_font() const {
    ORVO_ASSERT(m_type == StyleValueType_FONT);
    return static_cast<const StyleValue_Font&>(*this).get_value();
}

const Frame& StyleValue::to_frame() const {
    ORVO_ASSERT(m_type == StyleValueType_FRAME);
    return static_cast<const StyleValue_Frame&>(*this).get_value();
}

int StyleValue::to_int() const {
    ORVO_ASSERT(m_type == StyleValueType_INTEGER);
    return static_cast<const StyleValue_Integer&>(*this).get_value();
}

const std::vector<StyleValueRef>& StyleValue::get_elements() const {
    ORVO_ASSERT(m_type == StyleValueType_LIST);
    return static_cast<const StyleValue_List&>(*this).get_value();
}

const GdiPlus_Pen& StyleValue::to_pen() const {
    ORVO_ASSERT(m_type == StyleValueType_PEN);
    return static_cast<const StyleValue_Pen&>(*this).get_value();
}

const Orvo::WString& StyleValue::to_string() const {
    ORVO_ASSERT(m_type == StyleValueType_STRING);
    return static_cast<const StyleValue_String&>(*this).get_value();
}

} // namespace Vexa
