#pragma once
// A compiled style sheet: at most one description per style class, and the resolution that gives
// a widget its look.
//
// Resolution starts at the widget's class and goes up the bases to the first class the sheet
// describes. It applies, weakest first: the description that class inherits from in the sheet
// (itself resolved the same way), the class's own block, the subclass (the widget's when the
// class has it, else "default") with its block, and the first case whose switches all hold (else
// the subclass's default case).

#include "orvo/Containers/Map.h"
#include "vexa/Styles/StyleClassDescription.h"
#include "vexa/Styles/StyleTarget.h"

#include <memory>

namespace Vexa {

class StyleRegistry;

class StyleSheet {
public:
    explicit StyleSheet(const StyleRegistry& a_registry) : m_registry(a_registry) {}

    const StyleRegistry& get_registry() const noexcept { return m_registry; }
    // Null when the sheet does not describe the class.
    StyleClassDescription* find_description(StyleClassId a_class) const;
    StyleClassDescription& get_or_add_description(StyleClassId a_class);
    // The description of the class or of its nearest described base; null when none.
    StyleClassDescription* find_effective_description(StyleClassId a_class) const;

    // [ui-thread] Applies the sheet to one widget of class a_class.
    void apply(Widget& a_widget, StyleClassId a_class, const Orvo::WString& a_subclass,
               Widget* a_parent) const;

private:
    void p_apply(const StyleClassDescription& a_description, const StyleTarget& a_target,
                 std::vector<const StyleClassDescription*>& a_applying) const;

    const StyleRegistry& m_registry;
    Orvo::Map<StyleClassId, std::unique_ptr<StyleClassDescription>> m_descriptions;
};

} // namespace Vexa
