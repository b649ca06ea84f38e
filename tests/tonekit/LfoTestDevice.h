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
#include "tonekit/ParameterTypes/P_GenericChoice.h"
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
        auto* width = new Tonekit::FloatParameter;
        width->m_id = Orvo::four_cc("Widt");
        width->set_display_name(u"Width");
        width->bind_lanes(m_width_lanes, 16);
        Tonekit::FloatParameterVariation& variation =
            width->set_units(Tonekit::Unit_NONE, Tonekit::Unit_NONE);
        variation.m_external_default_value = 0.0f;
        Tonekit::DeviceProgramBuilder(*get_program()).add_parameter(width);
        m_width = width;
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
    Tonekit::ModulatorEntry* entry = a_manager.add_entry(a_lfo);
    static_cast<Tonekit::Parameter_Modulatee*>(
        entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
        ->set_value(a_target->get_modulatee());
    entry->find_parameter(Tonekit::ModifyingModulatorEntry::id_range)->set_normalized_value(1.0f);
    return entry;
}

// A modulator or entry chooses an option.
template <class Owner>
void choose(Owner* a_owner, std::uint32_t a_id, std::uint32_t a_option) {
    static_cast<Tonekit::P_GenericChoice*>(a_owner->find_parameter(a_id))->set_option(a_option);
}

} // namespace TonekitTest
