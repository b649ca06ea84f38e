#include "vexa/Styles/StyleSheetBuilder.h"

#include "orvo/Core/Assert.h"
#include "vexa/Styles/StyleRegistry.h"

namespace Vexa {

void StyleSheetBuilder::begin_class(StyleClassId a_class) {
    ORVO_ASSERT(!m_current_class);
    m_current_class = &m_sheet.get_or_add_description(a_class);
    m_current_declaration_block = &m_current_class->get_block();
}

void StyleSheetBuilder::begin_class(StyleClassId a_class, StyleClassId a_inherited) {
    begin_class(a_class);
    m_current_class->set_inherited(a_inherited);
}

void StyleSheetBuilder::begin_subclass(const Orvo::WString& a_name) {
    ORVO_ASSERT(m_current_class);
    ORVO_ASSERT(!m_current_subclass);
    StyleSubclassDescription* subclass = m_current_class->find_subclass(a_name);
    m_current_subclass = subclass ? subclass : &m_current_class->add_subclass(a_name);
    m_current_declaration_block = &m_current_subclass->get_block();
}

void StyleSheetBuilder::begin_case(const Orvo::WString& a_name) {
    ORVO_ASSERT(m_current_subclass);
    ORVO_ASSERT(!m_current_case);
    m_current_case = &m_current_subclass->get_or_add_case(a_name);
    m_current_declaration_block = &m_current_case->get_block();
}

void StyleSheetBuilder::add_switch(StyleManager* a_manager, int a_index, bool a_value) {
    ORVO_ASSERT(m_current_case);
    m_current_case->add_condition(StyleSwitchCondition{a_manager, a_index, a_value});
}

void StyleSheetBuilder::property(StyleClassId a_class, int a_index, StyleValueRef a_value) {
    ORVO_ASSERT(m_current_declaration_block);
    m_current_declaration_block->add_property(m_registry.get_effective_manager(a_class), a_index,
                                              std::move(a_value));
}

void StyleSheetBuilder::end_case() {
    ORVO_ASSERT(m_current_case);
    m_current_case = nullptr;
    m_current_declaration_block = &m_current_subclass->get_block();
}

void StyleSheetBuilder::end_subclass() {
    ORVO_ASSERT(m_current_subclass);
    ORVO_ASSERT(!m_current_case);
    m_current_subclass = nullptr;
    m_current_declaration_block = &m_current_class->get_block();
}

void StyleSheetBuilder::end_class() {
    ORVO_ASSERT(m_current_class);
    ORVO_ASSERT(!m_current_subclass);
    m_current_class = nullptr;
    m_current_declaration_block = nullptr;
}

} // namespace Vexa
