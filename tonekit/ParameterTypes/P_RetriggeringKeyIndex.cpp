#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include "tonekit/Devices/MidiNoteTable.h"

namespace Tonekit {

P_RetriggeringKeyIndex::P_RetriggeringKeyIndex(int a_default)
    : P_Integer(no_key, int(MidiNoteTable::note_count) - 1, a_default) {}

void P_RetriggeringKeyIndex::get_value_text(Orvo::WString& a_text) {
    if (m_value == no_key)
        a_text = u"None";
    else if (m_value == any_key)
        a_text = u"Any";
    else
        a_text = MidiNoteTable::get().row(unsigned(m_value)).m_name;
}

} // namespace Tonekit
