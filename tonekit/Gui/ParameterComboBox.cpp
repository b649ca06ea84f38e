#include "tonekit/Gui/ParameterComboBox.h"

#include "tonekit/Gui/PG_Choice.h"

namespace Tonekit {

void ParameterComboBox::build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) {
    m_editor.do_build_item_tree(a_builder);
}

} // namespace Tonekit
