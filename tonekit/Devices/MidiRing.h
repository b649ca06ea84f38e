#pragma once
// MIDI message words from the host's event call to the audio thread. One writer (the dispatcher's
// event call) and one reader (the processing entry), so two atomic indices are all the
// synchronisation needed. A full ring drops new words: overwriting would replay or lose words the
// reader has not seen yet in an order nobody could predict.

#include <array>
#include <atomic>
#include <cstdint>

namespace Tonekit {

class MidiRing {
public:
    static constexpr unsigned capacity = 1024;

    // [writer thread] Returns false when the word was dropped because the ring is full.
    bool push(std::uint32_t a_word) noexcept {
        const unsigned write = m_write_index.load(std::memory_order_relaxed);
        const unsigned next = write + 1 == capacity ? 0 : write + 1;
        if (next == m_read_index.load(std::memory_order_acquire))
            return false;
        m_words[write] = a_word;
        m_write_index.store(next, std::memory_order_release);
        return true;
    }

    // [any-thread] Asks the reader to drop every word written so far at its next drain. Emptying
    // the ring from a third thread would race with the writer, which may be pushing right now.
    void request_clear() noexcept { m_clear_requested.store(true, std::memory_order_release); }

    // [reader thread] Calls a_handler for every word written so far, in order (none when a clear
    // was requested: those words are dropped).
    template <class Handler>
    void drain(Handler&& a_handler) {
        unsigned read = m_read_index.load(std::memory_order_relaxed);
        const unsigned write = m_write_index.load(std::memory_order_acquire);
        if (m_clear_requested.exchange(false, std::memory_order_acq_rel)) {
            m_read_index.store(write, std::memory_order_release);
            return;
        }
        while (read != write) {
            const std::uint32_t word = m_words[read];
            read = read + 1 == capacity ? 0 : read + 1;
            m_read_index.store(read, std::memory_order_release);
            a_handler(word);
        }
    }

    // Only while neither side runs (the device holds its processing lock).
    void clear() noexcept {
        m_read_index.store(0, std::memory_order_relaxed);
        m_write_index.store(0, std::memory_order_relaxed);
        m_clear_requested.store(false, std::memory_order_relaxed);
    }

private:
    std::array<std::uint32_t, capacity> m_words{};
    std::atomic<unsigned> m_read_index{0};
    std::atomic<unsigned> m_write_index{0};
    std::atomic<bool> m_clear_requested{false};
};

} // namespace Tonekit
