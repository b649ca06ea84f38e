#include "vexa/Styles/StyleDeclarationBlock.h"

#include "orvo/Core/Assert.h"
#include "vexa/Styles/StyleRegistry.h"

namespace Vexa {

void StyleDeclarationBlock::add_property(StyleManager* a_manager, int a_index,
                                         StyleValueRef a_value) {
    StyleManager* const manager = a_manager;
    ORVO_ASSERT(manager);
    StyleDeclarationBlockEntry entry;
    entry.kind = StyleDeclarationBlockEntryKind_PROPERTY;
    entry.manager = a_manager;
    entry.index = a_index;
    entry.value = std::move(a_value);
    m_entries.push_back(std::move(entry));
}

StyleDeclarationBlock& StyleDeclarationBlock::add_block() {
    StyleDeclarationBlockEntry entry;
    entry.kind = StyleDeclarationBlockEntryKind_BLOCK;
    entry.block = std::make_unique<StyleDeclarationBlock>();
    m_entries.push_back(std::move(entry));
    return *m_entries.back().block;
}

void StyleDeclarationBlock::apply(const StyleTarget& a_target) const {
    for (const StyleDeclarationBlockEntry& entry : m_entries) {
        if (entry.kind == StyleDeclarationBlockEntryKind_BLOCK) {
            entry.block->apply(a_target);
            continue;
        }
        if (!entry.value ||
            !a_target.registry.derives_from(a_target.class_id, entry.manager->get_widget_class()))
            continue;
        if (entry.value->get_type() == StyleValueType_PARENT) {
            if (a_target.parent)
                entry.manager->copy_from_parent(a_target.widget, entry.index, *a_target.parent);
        } else {
            entry.manager->apply(a_target.widget, entry.index, *entry.value);
        }
    }
}

} // namespace Vexa
