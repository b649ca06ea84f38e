#include "tools/host/EventBuffer.h"

#include <algorithm>
#include <cstring>

namespace tolvanhost {

static_assert(offsetof(Vst::VstEvents, events) % sizeof(Vst::IntPtr) == 0);
static_assert(sizeof(Vst::VstEvent*) == sizeof(Vst::IntPtr));

EventBuffer::EventBuffer(std::size_t a_capacity)
    : m_events(a_capacity), m_words(header_words + std::max<std::size_t>(a_capacity, 2), 0) {}

void EventBuffer::fill(std::span<const ScheduledEvent> a_events, std::int64_t a_block_start) {
    m_count = std::min(a_events.size(), m_events.size());
    for (std::size_t i = 0; i < m_count; ++i) {
        const ScheduledEvent& source = a_events[i];
        Vst::VstMidiEvent& event = m_events[i];
        event = Vst::VstMidiEvent{};
        event.type = Vst::kVstMidiType;
        event.byteSize = sizeof(Vst::VstMidiEvent);
        event.deltaFrames = static_cast<Vst::Int32>(source.m_frame - a_block_start);
        event.noteLength = source.is_note_on() ? source.m_note_length : 0;
        event.midiData[0] = static_cast<char>(source.m_status);
        event.midiData[1] = static_cast<char>(source.m_key);
        event.midiData[2] = static_cast<char>(source.m_velocity);
        m_words[header_words + i] =
            reinterpret_cast<Vst::IntPtr>(reinterpret_cast<Vst::VstEvent*>(&event));
    }
    std::fill(m_words.begin(), m_words.begin() + header_words, 0);
    const auto count = static_cast<Vst::Int32>(m_count);
    std::memcpy(m_words.data(), &count, sizeof(count));
}

} // namespace tolvanhost
