#pragma once
// A preset described in the chorus's own terms (milliseconds, pans, decibels, LFO cycles) and
// built through the framework's API on a fresh chorus, so that a description stays valid
// whatever the stored format becomes.

#include "chorus/TheEffect.h"

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace Tonekit {
class LfoModulator;
class ModulatorEntry;
class XyModulator;
} // namespace Tonekit

namespace tolvanchorus {

// Option identifiers of the chorus's and the LFO's choices, as their menus list them.
enum class PanLaw : std::uint32_t { linear_6db = 1, sine_3db = 2, sine_3db_fast = 3, root_3db = 4 };
enum class Mode : std::uint32_t { two_buffers = 1, eight_buffers = 2 };
enum class Wave : std::uint32_t { saw = 2, sine = 3, square = 5, triangle = 6 };

// One cycle of an LFO: seconds, a note length at the host's tempo, or locked to its song position.
struct Cycle {
    std::uint32_t m_type = 1;
    int m_whole = 0;
    int m_numerator = 1;
    int m_denominator = 1;
    bool m_dotted = false;

    static Cycle seconds(int a_numerator, int a_denominator) {
        return {1, 0, a_numerator, a_denominator, false};
    }
    static Cycle note(int a_numerator, int a_denominator, bool a_dotted = false) {
        return {2, 0, a_numerator, a_denominator, a_dotted};
    }
    // Whole notes of the song position; the cycle is whole plus numerator / denominator.
    static Cycle whole_notes(int a_count) { return {3, a_count - 1, 1, 1, false}; }
};

struct VoiceSketch {
    float m_delay_ms;
    float m_depth_ms;
    float m_pan; // -1 left .. 1 right, for input and output alike
};

class PresetSketch {
public:
    // A chorus at its defaults, but reading with the cubic.
    PresetSketch();
    ~PresetSketch();

    // Enables voices 1..n with these settings; the others stay off.
    PresetSketch& voices(std::initializer_list<VoiceSketch> a_voices);
    PresetSketch& mix(float a_dry, float a_wet, float a_gain_db = 0.0f);
    PresetSketch& pan_laws(PanLaw a_input, PanLaw a_output);
    PresetSketch& mode(Mode a_mode);
    PresetSketch& cubic(bool a_cubic);
    // Typed value of any float parameter of the chorus; option of any of its choices.
    PresetSketch& set(const char* a_id, float a_value);
    PresetSketch& choose(const char* a_id, std::uint32_t a_option);

    // An LFO sweeping the pitch modulation of a_voices (1-based) over the whole depth, deaf to
    // notes; with a_spread above 0 each voice opens a phase group, a_spread of a cycle after the
    // one before.
    Tonekit::LfoModulator* lfo(Wave a_wave, Cycle a_cycle, std::initializer_list<unsigned> a_voices,
                               float a_spread);
    // Restarts a_lfo on every note that matches one of the retrigger keys.
    void retrigger_on_any_key(Tonekit::LfoModulator* a_lfo);
    // An XY pad at (a_x, a_y); its axes go to host slots 1 and 2.
    Tonekit::XyModulator* xy_pad(float a_x, float a_y);
    // An entry of a_pad's a_axis (0 X, 1 Y) placing a_range above the target's value.
    void xy_entry(Tonekit::XyModulator* a_pad, unsigned a_axis, const char* a_target,
                  float a_range);

    // The preset file's bytes, as the chorus itself saves them.
    std::vector<unsigned char> bytes();

private:
    Tonekit::Parameter& p_find(const std::string& a_id) const;
    void p_aim(Tonekit::ModulatorEntry* a_entry, const std::string& a_target);

    std::unique_ptr<TheEffect> m_chorus;
};

} // namespace tolvanchorus
