#pragma once
// The 128 MIDI notes by name, octave and equal-tempered frequency (note 69 is 440 Hz). Names use
// sharps and count octaves from -1, so note 0 is "C-1", 60 is "C4" and 127 is "G9".

namespace Tonekit {

class MidiNoteTable {
public:
    static constexpr unsigned note_count = 128;

    struct Row {
        // Pitch class and octave, e.g. u"C#4"; at most four characters.
        char16_t m_name[5];
        int m_octave;
        double m_frequency;
    };

    // [any-thread] Built on first use.
    static const MidiNoteTable& get();

    // Asserts "a_note < note_count".
    const Row& row(unsigned a_note) const;

private:
    MidiNoteTable();

    Row m_rows[note_count];
};

} // namespace Tonekit
