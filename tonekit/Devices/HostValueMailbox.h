#pragma once
// Host values that could not be applied when they arrived. Hosts call setParameter from any
// thread, their audio thread included, and a plug-in must never make such a call wait: when the
// parameter lock is busy (a chunk loading, a state being saved, the editor at work) the value is
// posted here, one box per host index, the latest value winning, and the device applies it at the
// start of its next block, under the parameter lock it then holds.
//
// Each box is one 64-bit atomic word: the value's bits and a "posted" bit. Posting is a store and
// taking an exchange, so neither side ever waits and no value is half written.

#include <atomic>
#include <bit>
#include <cstdint>
#include <memory>

namespace Tonekit {

class HostValueMailbox {
public:
    // [ui-thread, before the host sees any index] Empties every box.
    void resize(std::size_t a_count) {
        m_boxes = std::make_unique<Box[]>(a_count);
        m_count = a_count;
        m_posted.store(false);
    }

    std::size_t size() const noexcept { return m_count; }

    // [any-thread]
    void post(std::size_t a_index, float a_value) noexcept {
        if (a_index >= m_count)
            return;
        m_boxes[a_index].m_word.store(posted_bit | std::bit_cast<std::uint32_t>(a_value),
                                      std::memory_order_release);
        remember(a_index, a_value);
        m_posted.store(true, std::memory_order_release);
    }

    // [any-thread] The value waiting in a box, if any, without taking it.
    bool peek(std::size_t a_index, float& a_value) const noexcept {
        if (a_index >= m_count)
            return false;
        return p_unpack(m_boxes[a_index].m_word.load(std::memory_order_acquire), a_value);
    }

    // [holder of the parameter lock] Empties a box; true with its value when one was waiting.
    bool take(std::size_t a_index, float& a_value) noexcept {
        if (a_index >= m_count)
            return false;
        return p_unpack(m_boxes[a_index].m_word.exchange(0, std::memory_order_acq_rel), a_value);
    }

    // [holder of the parameter lock] Calls a_apply(index, value) for every box holding a value.
    // A value posted meanwhile either is taken now or stays for the next call.
    template <class Apply>
    void take_all(Apply&& a_apply) noexcept {
        if (!m_posted.exchange(false, std::memory_order_acq_rel))
            return;
        for (std::size_t index = 0; index < m_count; ++index) {
            float value;
            if (take(index, value))
                a_apply(index, value);
        }
    }

    // The last value the host set or was told, for answering getParameter while the parameter
    // cannot be read.
    void remember(std::size_t a_index, float a_value) noexcept {
        if (a_index < m_count)
            m_boxes[a_index].m_last_known.store(std::bit_cast<std::uint32_t>(a_value),
                                                std::memory_order_relaxed);
    }
    float last_known(std::size_t a_index) const noexcept {
        if (a_index >= m_count)
            return 0.0f;
        return std::bit_cast<float>(m_boxes[a_index].m_last_known.load(std::memory_order_relaxed));
    }

private:
    static constexpr std::uint64_t posted_bit = std::uint64_t(1) << 32;

    static bool p_unpack(std::uint64_t a_word, float& a_value) noexcept {
        if (!(a_word & posted_bit))
            return false;
        a_value = std::bit_cast<float>(std::uint32_t(a_word));
        return true;
    }

    struct Box {
        std::atomic<std::uint64_t> m_word{0};
        std::atomic<std::uint32_t> m_last_known{0};
    };
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free);

    std::unique_ptr<Box[]> m_boxes;
    std::size_t m_count = 0;
    std::atomic<bool> m_posted{false};
};

} // namespace Tonekit
