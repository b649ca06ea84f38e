#pragma once
// What a sheet says about one style class: its own block, the class it inherits from in the sheet
// (0 for none) and its subclasses by name, "default" among them from the start.

#include "orvo/Containers/Map.h"
#include "vexa/Styles/StyleSubclassDescription.h"

#include <memory>

namespace Vexa {

class StyleClassDescription {
public:
    StyleClassDescription();

    StyleDeclarationBlock& get_block() noexcept { return m_block; }
    const StyleDeclarationBlock& get_block() const noexcept { return m_block; }
    StyleClassId get_inherited() const noexcept { return m_inherited; }
    void set_inherited(StyleClassId a_class) noexcept { m_inherited = a_class; }

    // Fails `!m_subclasses.has_key(a_name)` for a name already present.
    StyleSubclassDescription& add_subclass(const Orvo::WString& a_name);
    // Null when absent.
    StyleSubclassDescription* find_subclass(const Orvo::WString& a_name) const;
    StyleSubclassDescription& get_default_subclass() const;

private:
    StyleDeclarationBlock m_block;
    StyleClassId m_inherited = 0;
    Orvo::Map<Orvo::WString, std::unique_ptr<StyleSubclassDescription>> m_subclasses;
};

} // namespace Vexa
