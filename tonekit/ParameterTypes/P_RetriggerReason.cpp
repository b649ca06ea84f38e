#include "tonekit/ParameterTypes/P_RetriggerReason.h"

#include "orvo/Core/Utf.h"

#include <string>

namespace Tonekit {

void P_RetriggerReason::get_value_text(Orvo::WString& a_text) {
    a_text = value_text(m_value);
}

Orvo::WString P_RetriggerReason::value_text(int a_value) {
    if (a_value == none)
        return u"None";
    if (a_value == any)
        return u"Any";
    return Orvo::utf8_to_utf16_lossy(std::to_string(a_value + 1));
}

} // namespace Tonekit
