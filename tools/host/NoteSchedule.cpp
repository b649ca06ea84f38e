#include "tools/host/NoteSchedule.h"

#include <algorithm>
#include <limits>

namespace tolvanhost {

NoteSchedule::NoteSchedule(const std::vector<NoteRequest>& a_notes) {
    m_events.reserve(a_notes.size() * 2);
    for (const NoteRequest& note : a_notes) {
        const auto channel = static_cast<std::uint8_t>((note.m_channel - 1) & 0x0F);
        const auto key = static_cast<std::uint8_t>(note.m_key & 0x7F);
        ScheduledEvent on;
        on.m_frame = note.m_frame;
        on.m_status = static_cast<std::uint8_t>(0x90 | channel);
        on.m_key = key;
        on.m_velocity = static_cast<std::uint8_t>(note.m_velocity & 0x7F);
        on.m_note_length = static_cast<std::int32_t>(
            std::min<std::int64_t>(note.m_length, std::numeric_limits<std::int32_t>::max()));
        m_events.push_back(on);

        ScheduledEvent off;
        off.m_frame = note.m_frame + note.m_length;
        off.m_status = static_cast<std::uint8_t>(0x80 | channel);
        off.m_key = key;
        off.m_velocity = note_off_velocity;
        m_events.push_back(off);
    }
    std::stable_sort(m_events.begin(), m_events.end(),
                     [](const ScheduledEvent& a_left, const ScheduledEvent& a_right) {
                         if (a_left.m_frame != a_right.m_frame) {
                             return a_left.m_frame < a_right.m_frame;
                         }
                         return !a_left.is_note_on() && a_right.is_note_on();
                     });
}

std::span<const ScheduledEvent> NoteSchedule::take_block(std::int64_t a_start,
                                                         std::int64_t a_count) {
    while (m_cursor < m_events.size() && m_events[m_cursor].m_frame < a_start) {
        ++m_cursor;
    }
    const std::size_t first = m_cursor;
    const std::int64_t end = a_start + a_count;
    while (m_cursor < m_events.size() && m_events[m_cursor].m_frame < end) {
        ++m_cursor;
    }
    return std::span<const ScheduledEvent>(m_events.data() + first, m_cursor - first);
}

std::size_t NoteSchedule::note_ons_from(std::int64_t a_frame) const {
    return static_cast<std::size_t>(
        std::count_if(m_events.begin(), m_events.end(), [a_frame](const ScheduledEvent& a_event) {
            return a_event.is_note_on() && a_event.m_frame >= a_frame;
        }));
}

} // namespace tolvanhost
