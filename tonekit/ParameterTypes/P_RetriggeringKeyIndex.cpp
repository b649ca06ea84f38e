#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include "tonekit/Devices/MidiNoteTable.h"

namespace Tonekit {

P_RetriggeringKeyIndex::P_RetriggeringKeyIndex(int a_default)
    : P_Integer(no_key, int(MidiNoteTable::note_count) - 1, a_default) {}

void P_RetriggeringKeyIndex::get_value_text(Orvo::WString& a_text) {
    a_text = value_text(m_value);
}

Orvo::WString P_RetriggeringKeyIndex::value_text(int a_value) {
    if (a_value == no_key)
        return u"None";
    if (a_value == any_key)
        return u"Any";
    return MidiNoteTable::get().row(unsigned(a_value)).m_name;
}

} // namespace Tonekit
