#pragma once
// A modulation test device for the LFO: notes reach the musical triggers, a host reports a song
// position, and every control block's frames of the "Dept" and "Widt" targets are recorded, so a
// test reads the LFO's output frame by frame (with the target at 0, Above and Range 1 the
// target's lanes are the signal itself).

#include "ModulationTestDevice.h"
#include "ParameterTestSupport.h"

#include "tonekit/Devices/MidiRing.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/ParameterTypes/P_Integer.h"

#include <vector>

namespace TonekitTest {

class SongPositionHost : public RecordingHost {
public:
    bool get_song_position(double& a_quarter_notes) override {
        a_quarter_notes = m_position;
        return m_playing;
    }
    double m_position = 0.0;
    bool m_playing = false;
};

class LfoTestDevice : public ModulationTestDevice {
public:
    explicit LfoTestDevice(const std::filesystem::path& a_data_home)
        : ModulationTestDevice(a_data_home) {
        set_host(&m_host);
    }

    void build() override {
        ModulationTestDevice::build();
        Tonekit::DeviceProgramBuilder builder(*get_program());
        m_width = p_float(builder, "Widt", u"Width", m_width_lanes, 16, Tonekit::Unit_NONE, 0.0f,
                          1.0f, 0.0f);
    }

    void note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) override {
        Tonekit::Effect::note_on(a_channel, a_key, a_velocity);
    }

    void process(const Tonekit::InputPair& a_inputs, const Tonekit::OutputPair& a_outputs,
                 unsigned a_frames) override {
        ModulationTestDevice::process(a_inputs, a_outputs, a_frames);
        if (!m_recording)
            return;
        m_depth_frames.insert(m_depth_frames.end(), m_depth_lanes, m_depth_lanes + a_frames);
        m_width_frames.insert(m_width_frames.end(), m_width_lanes, m_width_lanes + a_frames);
    }

    Tonekit::LfoModulator* add_lfo() {
        return static_cast<Tonekit::LfoModulator*>(modulation().add_modulator(
            Tonekit::LfoModulator::type_code, Tonekit::ProcessingStage_PRE_NOTE, ~0u));
    }
    // One host block, with the host's tempo when a_tempo is positive.
    void block(unsigned a_frames, double a_tempo = 0.0) {
        TestSupport::process_silence(*this, a_frames, a_tempo);
    }
    // a_frames in host blocks of a_block, recorded.
    void render(unsigned a_frames, unsigned a_block = 256, double a_tempo = 0.0) {
        m_recording = true;
        for (unsigned done = 0; done < a_frames; done += a_block)
            block(std::min(a_block, a_frames - done), a_tempo);
        m_recording = false;
    }
    void clear_frames() {
        m_depth_frames.clear();
        m_width_frames.clear();
    }
    void send_note_on(unsigned a_channel, unsigned a_key) {
        get_midi_ring().push(0x90u | a_channel | a_key << 8 | 100u << 16);
    }

    SongPositionHost m_host;
    Tonekit::FloatParameter* m_width = nullptr;
    alignas(16) float m_width_lanes[16] = {};
    std::vector<float> m_depth_frames;
    std::vector<float> m_width_frames;

private:
    bool m_recording = false;
};

// The LFO's output on a target: the target at 0, the entry Above with Range 1.
inline Tonekit::ModulatorEntry* aim(Tonekit::ModulationManager& a_manager,
                                    Tonekit::Modulator* a_lfo, Tonekit::FloatParameter* a_target) {
    a_target->set_normalized_value(0.0f);
    return route(a_manager, a_lfo, a_target, 1, 1.0f);
}

} // namespace TonekitTest
