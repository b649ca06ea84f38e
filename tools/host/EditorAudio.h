#pragma once
// The audio a host keeps running while the editor is open: a thread of its own calls
// processReplacing in blocks paced by the clock, as a sound card would, with the demo chord
// looping as input. It counts the blocks that came out silent although the input was not: a
// plug-in whose processing could not get its lock (the editor held it) outputs such a block.

#include "tools/host/PluginInstance.h"

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

namespace tolvanhost {

class EditorAudio {
public:
    static constexpr int default_block = 256;
    static constexpr int default_rate = 48000;

    // The plug-in must have been resumed with this rate and a block size of at least a_block.
    EditorAudio(PluginInstance& a_plugin, int a_rate = default_rate, int a_block = default_block);
    ~EditorAudio();
    EditorAudio(const EditorAudio&) = delete;
    EditorAudio& operator=(const EditorAudio&) = delete;

    void start();
    // Returns once the audio thread has finished its last block.
    void stop();

    std::int64_t blocks() const { return m_blocks.load(std::memory_order_relaxed); }
    std::int64_t silenced() const { return m_silenced.load(std::memory_order_relaxed); }

private:
    void p_run();
    void p_process_block(std::int64_t a_position);

    PluginInstance& m_plugin;
    int m_rate;
    int m_block;
    // The demo chord, computed once: the audio thread only copies.
    std::vector<float> m_loop_left;
    std::vector<float> m_loop_right;
    std::vector<std::vector<float>> m_inputs;
    std::vector<std::vector<float>> m_outputs;
    std::vector<float*> m_input_pointers;
    std::vector<float*> m_output_pointers;
    std::atomic<bool> m_running{false};
    std::atomic<std::int64_t> m_blocks{0};
    std::atomic<std::int64_t> m_silenced{0};
    std::thread m_thread;
};

} // namespace tolvanhost
