#pragma once
// Fills a sheet in the order of its text: the parser opens a class, optionally a subclass inside
// it and a case inside that, and declares properties into whatever is open innermost. Each
// operation checks that the levels nest (failing with the condition's text).

#include "vexa/Styles/StyleSheet.h"

namespace Vexa {

class StyleSheetBuilder {
public:
    StyleSheetBuilder(StyleSheet& a_sheet, const StyleRegistry& a_registry)
        : m_sheet(a_sheet), m_registry(a_registry) {}

    void begin_class(StyleClassId a_class);
    // The class inherits from a_inherited's description in the sheet.
    void begin_class(StyleClassId a_class, StyleClassId a_inherited);
    void begin_subclass(const Orvo::WString& a_name);
    void begin_case(const Orvo::WString& a_name);
    void add_switch(StyleManager* a_manager, int a_index, bool a_value);
    // A property entry for the effective manager of a_class in the innermost open block.
    void property(StyleClassId a_class, int a_index, StyleValueRef a_value);
    void end_case();
    void end_subclass();
    void end_class();

private:
    StyleSheet& m_sheet;
    const StyleRegistry& m_registry;
    StyleClassDescription* m_current_class = nullptr;
    StyleSubclassDescription* m_current_subclass = nullptr;
    StyleCaseDescription* m_current_case = nullptr;
    StyleDeclarationBlock* m_current_declaration_block = nullptr;
};

} // namespace Vexa
