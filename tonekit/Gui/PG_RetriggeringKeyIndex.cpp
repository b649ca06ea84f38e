#include "tonekit/Gui/PG_RetriggeringKeyIndex.h"

#include "orvo/Core/Assert.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include <algorithm>

namespace Tonekit {

namespace {

constexpr int notes_per_octave = 12;

P_RetriggeringKeyIndex* require_key(Parameter* a_parameter) {
    auto* key = dynamic_cast<P_RetriggeringKeyIndex*>(a_parameter);
    ORVO_ASSERT(key);
    return key;
}

std::u16string text_of(int a_value) {
    return std::u16string(P_RetriggeringKeyIndex::value_text(a_value).view());
}

} // namespace

PG_RetriggeringKeyIndex::PG_RetriggeringKeyIndex(Parameter* a_parameter)
    : PG_Choice(a_parameter), m_key(require_key(a_parameter)) {
    p_initialize();
}

ParameterComboBox* PG_RetriggeringKeyIndex::do_create_editable_editor() {
    return new ParameterComboBox(*this);
}

void PG_RetriggeringKeyIndex::do_build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) {
    const int first = m_key->m_start;
    const int current = m_key->get_value();
    auto add = [&](int a_value) {
        a_builder.add_item(text_of(a_value), std::size_t(a_value - first), a_value == current);
    };
    add(P_RetriggeringKeyIndex::no_key);
    add(P_RetriggeringKeyIndex::any_key);
    a_builder.add_separator();
    // 128 notes in one list would run off the screen.
    for (int low = 0; low <= m_key->m_end; low += notes_per_octave) {
        const int high = std::min(low + notes_per_octave - 1, m_key->m_end);
        a_builder.begin_submenu(text_of(low) + u" - " + text_of(high));
        for (int note = low; note <= high; ++note)
            add(note);
        a_builder.end_submenu();
    }
}

void PG_RetriggeringKeyIndex::do_choose(std::size_t a_id) {
    m_key->set_value(m_key->m_start + int(a_id));
}

} // namespace Tonekit
