#pragma once
// The declarations of one class, subclass or case, in sheet order: later entries override earlier
// ones when applied.

#include "vexa/Styles/StyleTarget.h"
#include "vexa/Styles/StyleValue.h"

#include <memory>
#include <vector>

namespace Vexa {

class StyleManager;
class StyleDeclarationBlock;

enum StyleDeclarationBlockEntryKind {
    StyleDeclarationBlockEntryKind_BLOCK = 0,
    StyleDeclarationBlockEntryKind_PROPERTY = 1
};

struct StyleDeclarationBlockEntry {
    StyleDeclarationBlockEntryKind kind = StyleDeclarationBlockEntryKind_PROPERTY;
    std::unique_ptr<StyleDeclarationBlock> block;
    StyleManager* manager = nullptr;
    int index = 0;
    StyleValueRef value;
};

class StyleDeclarationBlock {
public:
    // Fails `manager` for a null manager.
    void add_property(StyleManager* a_manager, int a_index, StyleValueRef a_value);
    StyleDeclarationBlock& add_block();
    const std::vector<StyleDeclarationBlockEntry>& get_entries() const noexcept {
        return m_entries;
    }

    // Applies the entries whose manager serves the target's class or one of its bases.
    void apply(const StyleTarget& a_target) const;

private:
    std::vector<StyleDeclarationBlockEntry> m_entries;
};

} // namespace Vexa
