#include "tonekit/Gui/ParameterEditorHint.h"

#include "tonekit/Gui/SingleParameterEditor.h"

namespace Tonekit {

std::u16string ParameterEditorHint::get_text() const {
    Orvo::WString text;
    m_editor.get_description_text(text);
    return std::u16string(text.view());
}

} // namespace Tonekit
