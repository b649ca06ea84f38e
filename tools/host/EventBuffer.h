#pragma once
// The VstEvents list handed to effProcessEvents. The interface declares the pointer array with
// two entries and lets the host allocate as many as it sends, so the list lives in storage of
// pointer-sized words laid out exactly like the record. The storage is sized once for the whole
// render and stays valid until the next fill, as plug-ins may keep the pointers until their next
// processReplacing returns.

#include "tonekit/vst/VstAbi.h"
#include "tools/host/NoteSchedule.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tolvanhost {

class EventBuffer {
public:
    explicit EventBuffer(std::size_t a_capacity);

    // Fills the list with a_events (at most the capacity) relative to a_block_start.
    void fill(std::span<const ScheduledEvent> a_events, std::int64_t a_block_start);

    std::size_t size() const { return m_count; }
    // Points at a record with the layout of Vst::VstEvents.
    void* list() { return m_words.data(); }
    const Vst::VstMidiEvent& event(std::size_t a_index) const { return m_events[a_index]; }

private:
    static constexpr std::size_t header_words =
        offsetof(Vst::VstEvents, events) / sizeof(Vst::IntPtr);

    std::vector<Vst::VstMidiEvent> m_events;
    std::vector<Vst::IntPtr> m_words;
    std::size_t m_count = 0;
};

} // namespace tolvanhost
