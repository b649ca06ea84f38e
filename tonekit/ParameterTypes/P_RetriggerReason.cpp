#include "tonekit/ParameterTypes/P_RetriggerReason.h"

#include "orvo/Core/Utf.h"

#include <string>

namespace Tonekit {

void P_RetriggerReason::get_value_text(Orvo::WString& a_text) {
    if (m_value == none)
        a_text = u"None";
    else if (m_value == any)
        a_text = u"Any";
    else
        a_text = Orvo::utf8_to_utf16_lossy(std::to_string(m_value + 1));
}

} // namespace Tonekit
