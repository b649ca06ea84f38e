#pragma once
// Note-ons and note-offs on the render's frame axis, handed out block by block. Each event goes
// to the block that contains its frame, with deltaFrames relative to that block's first frame.
// At one frame note-offs come before note-ons, so a key struck again where its previous note
// ends sounds again instead of being cut by its own note-off.

#include "tools/host/HostOptions.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tolvanhost {

struct ScheduledEvent {
    std::int64_t m_frame = 0;
    std::uint8_t m_status = 0; // 0x90 | channel - 1, or 0x80 | channel - 1
    std::uint8_t m_key = 0;
    std::uint8_t m_velocity = 0;
    std::int32_t m_note_length = 0; // the whole note's length on note-ons, as the event tells it

    bool is_note_on() const { return (m_status & 0xF0) == 0x90; }
};

class NoteSchedule {
public:
    // Release velocity of note-offs: the MIDI default for keyboards that do not sense it.
    static constexpr std::uint8_t note_off_velocity = 64;

    explicit NoteSchedule(const std::vector<NoteRequest>& a_notes);

    std::size_t size() const { return m_events.size(); }
    const std::vector<ScheduledEvent>& events() const { return m_events; }

    // The events of the block [a_start, a_start + a_count). Blocks must be asked for in order;
    // events before a_start that were never asked for are skipped.
    std::span<const ScheduledEvent> take_block(std::int64_t a_start, std::int64_t a_count);

    // How many note-ons start at or after a_frame: notes a render of a_frame frames never plays.
    std::size_t note_ons_from(std::int64_t a_frame) const;

private:
    std::vector<ScheduledEvent> m_events;
    std::size_t m_cursor = 0;
};

} // namespace tolvanhost
