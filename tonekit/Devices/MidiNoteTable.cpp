#include "tonekit/Devices/MidiNoteTable.h"

#include "orvo/Core/Assert.h"

#include <cmath>

namespace Tonekit {
namespace {

constexpr const char16_t* pitch_classes[12] = {u"C",  u"C#", u"D",  u"D#", u"E",  u"F",
                                               u"F#", u"G",  u"G#", u"A",  u"A#", u"B"};
constexpr int reference_note = 69;
constexpr double reference_frequency = 440.0;

} // namespace

const MidiNoteTable& MidiNoteTable::get() {
    static const MidiNoteTable table;
    return table;
}

MidiNoteTable::MidiNoteTable() {
    for (unsigned note = 0; note < note_count; ++note) {
        Row& row = m_rows[note];
        row.m_octave = int(note / 12) - 1;
        row.m_frequency =
            reference_frequency * std::exp2(double(int(note) - reference_note) / 12.0);
        unsigned length = 0;
        for (const char16_t* c = pitch_classes[note % 12]; *c; ++c)
            row.m_name[length++] = *c;
        if (row.m_octave < 0)
            row.m_name[length++] = u'-';
        row.m_name[length++] = char16_t(u'0' + std::abs(row.m_octave));
        row.m_name[length] = 0;
    }
}

const MidiNoteTable::Row& MidiNoteTable::row(unsigned a_note) const {
    ORVO_ASSERT(a_note < note_count);
    return m_rows[a_note];
}

} // namespace Tonekit
