#pragma once
// A straightforward model of the chorus, frame by frame, written from the formulas alone: no
// blocks, no masks, no kernels, and nothing shared with the plug-in's code. Each delay line is a
// plain vector with a single write index that wraps with %, so a fault in the blocked, masked,
// vectorised implementation shows up as a difference against it.
//
// It keeps the same single-precision operations in the same order as the formulas, so a correct
// implementation matches it bit for bit. Read positions must stay where the formulas keep them
// (pitch modulation within 0..1); beyond that the model reads only frames already written while the
// block implementation may read a later frame of its block.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace tolvanchorus::reference {

enum class Transformation { none, offset, offset_scale, scale, scale_offset };
enum class PanningLaw { linear, sine_cosine_high, sine_cosine_low, square_root };

// The choices and switches, which change only between frames.
struct Settings {
    bool eight_buffers = true;
    bool cubic = false;
    Transformation delay_transformation = Transformation::none;
    Transformation depth_transformation = Transformation::none;
    struct Voice {
        bool enabled = false;
        bool solo = false;
        PanningLaw input_law = PanningLaw::sine_cosine_high;
        PanningLaw output_law = PanningLaw::sine_cosine_high;
    } voices[8];
};

// The continuous values of one frame, delays and depths in frames.
struct Frame {
    float delay_offset = 0, delay_scale = 1, depth_offset = 0, depth_scale = 1;
    float global_gain = 1, input_stereo = 1, output_stereo = 1, dry = 0.5f, wet = 0.5f;
    struct Voice {
        float delay = 0, depth = 0, input_gain = 1, input_pan = 0, output_gain = 1, output_pan = 0,
              pitch_modulation = 0;
    } voices[8];
};

class ReferenceChorus {
public:
    explicit ReferenceChorus(double a_sample_rate)
        : m_size(static_cast<std::uint32_t>(a_sample_rate * 110 / 1000)),
          m_length(line_length(m_size)), m_two(2, std::vector<float>(m_length, 0.0f)),
          m_eight(8, std::vector<float>(m_length, 0.0f)) {}

    // The smallest power of two that holds the largest delay, a control block of 16 frames and
    // the cubic taps.
    static std::uint32_t line_length(std::uint32_t a_size) {
        std::uint32_t length = 1;
        while (length < a_size + 16 + 3)
            length *= 2;
        return length;
    }
    std::uint32_t size() const { return m_size; }
    std::uint32_t length() const { return m_length; }

    std::pair<float, float> process(const Settings& a_settings, const Frame& a_frame, float a_left,
                                    float a_right) {
        bool any_solo = false;
        for (const auto& voice : a_settings.voices)
            any_solo = any_solo || voice.solo;

        float wet_left = 0.0f;
        float wet_right = 0.0f;
        if (a_settings.eight_buffers) {
            for (int j = 0; j < 8; ++j) {
                const Settings::Voice& choice = a_settings.voices[j];
                if (!(any_solo ? choice.solo : choice.enabled))
                    continue;
                const Frame::Voice& voice = a_frame.voices[j];
                const auto [g_left, g_right] =
                    pan(choice.input_law, voice.input_pan, a_frame.input_stereo);
                m_eight[j][m_eight_write] =
                    (a_left * g_left + a_right * g_right) * voice.input_gain;
                const auto [whole, fraction] = position(a_settings, a_frame, voice);
                const float v = read(m_eight[j], m_eight_write, whole, fraction, a_settings.cubic);
                const auto [o_left, o_right] =
                    pan(choice.output_law, voice.output_pan, a_frame.output_stereo);
                wet_left += v * voice.output_gain * o_left;
                wet_right += v * voice.output_gain * o_right;
            }
            m_eight_write = (m_eight_write + 1) % m_length;
        } else {
            m_two[0][m_two_write] = a_left;
            m_two[1][m_two_write] = a_right;
            for (int j = 0; j < 8; ++j) {
                const Settings::Voice& choice = a_settings.voices[j];
                if (!(any_solo ? choice.solo : choice.enabled))
                    continue;
                const Frame::Voice& voice = a_frame.voices[j];
                const auto [whole, fraction] = position(a_settings, a_frame, voice);
                const float read_left =
                    read(m_two[0], m_two_write, whole, fraction, a_settings.cubic);
                const float read_right =
                    read(m_two[1], m_two_write, whole, fraction, a_settings.cubic);
                const auto [g_left, g_right] =
                    pan(choice.input_law, voice.input_pan, a_frame.input_stereo);
                const float v = read_left * g_left + read_right * g_right;
                const auto [o_left, o_right] =
                    pan(choice.output_law, voice.output_pan, a_frame.output_stereo);
                wet_left += v * voice.output_gain * o_left;
                wet_right += v * voice.output_gain * o_right;
            }
            m_two_write = (m_two_write + 1) % m_length;
        }
        return {(wet_left * a_frame.wet + a_left * a_frame.dry) * a_frame.global_gain,
                (wet_right * a_frame.wet + a_right * a_frame.dry) * a_frame.global_gain};
    }

    static std::pair<float, float> pan(PanningLaw a_law, float a_pan, float a_stereo) {
        const float q = 0.5f + 0.5f * a_pan * a_stereo;
        const float k = 0.775160909f;
        switch (a_law) {
        case PanningLaw::linear:
            return {1 - q, q};
        case PanningLaw::sine_cosine_high: {
            const float r = 1 - q * q;
            const float t = q * (2 - q);
            return {r * r + k * (r - r * r), t * t + k * (t - t * t)};
        }
        case PanningLaw::sine_cosine_low:
            return {1 - q * q, q * (2 - q)};
        case PanningLaw::square_root:
            return {std::sqrt(1 - q), std::sqrt(q)};
        }
        return {0, 0};
    }

private:
    static float transform(Transformation a_kind, float a_x, float a_offset, float a_scale) {
        switch (a_kind) {
        case Transformation::none:
            return a_x;
        case Transformation::offset:
            return a_x + a_offset;
        case Transformation::offset_scale:
            return (a_x + a_offset) * a_scale;
        case Transformation::scale:
            return a_x * a_scale;
        case Transformation::scale_offset:
            return a_x * a_scale + a_offset;
        }
        return 0;
    }

    // Whole frames back and the fraction between that frame and the one before it.
    std::pair<long, float> position(const Settings& a_settings, const Frame& a_frame,
                                    const Frame::Voice& a_voice) const {
        const float d = transform(a_settings.delay_transformation, a_voice.delay,
                                  a_frame.delay_offset, a_frame.delay_scale);
        const float w = transform(a_settings.depth_transformation, a_voice.depth,
                                  a_frame.depth_offset, a_frame.depth_scale);
        const float low = a_settings.cubic ? 1.0f : 0.0f;
        const float high = static_cast<float>(m_size);
        const float a = std::fmin(std::fmax(d, low), high);
        const float b = std::fmin(std::fmax(d + w, low), high);
        const float p = b + (a - b) * a_voice.pitch_modulation;
        const long whole = static_cast<long>(std::trunc(p));
        return {whole, p - static_cast<float>(whole)};
    }

    // The sample written a_back frames before the one at a_write.
    float sample(const std::vector<float>& a_line, std::uint32_t a_write, long a_back) const {
        const long length = static_cast<long>(m_length);
        long index = (static_cast<long>(a_write) - a_back) % length;
        if (index < 0)
            index += length;
        return a_line[static_cast<std::size_t>(index)];
    }

    float read(const std::vector<float>& a_line, std::uint32_t a_write, long a_whole, float a_f,
               bool a_cubic) const {
        if (!a_cubic) {
            const float s0 = sample(a_line, a_write, a_whole);
            const float s1 = sample(a_line, a_write, a_whole + 1);
            return s0 + (s1 - s0) * a_f;
        }
        const float ym1 = sample(a_line, a_write, a_whole - 1);
        const float y0 = sample(a_line, a_write, a_whole);
        const float y1 = sample(a_line, a_write, a_whole + 1);
        const float y2 = sample(a_line, a_write, a_whole + 2);
        const float c1 = 0.5f * (y1 - ym1);
        const float c2 = ym1 + 2 * y1 - 0.5f * (5 * y0 + y2);
        const float c3 = 0.5f * (3 * (y0 - y1) - ym1 + y2);
        return ((c3 * a_f + c2) * a_f + c1) * a_f + y0;
    }

    std::uint32_t m_size;
    std::uint32_t m_length;
    std::vector<std::vector<float>> m_two;
    std::vector<std::vector<float>> m_eight;
    std::uint32_t m_two_write = 0;
    std::uint32_t m_eight_write = 0;
};

// What a fresh instance holds: voices 1 and 2, hard left and right, 15 ms delay, 5 ms depth.
inline void default_state(double a_rate, Settings& a_settings, Frame& a_frame) {
    a_settings = Settings{};
    a_frame = Frame{};
    for (int v = 0; v < 2; ++v) {
        a_settings.voices[v].enabled = true;
        a_frame.voices[v].input_pan = a_frame.voices[v].output_pan = v == 0 ? -1.0f : 1.0f;
    }
    for (auto& voice : a_frame.voices) {
        voice.delay = 15.0f * float(a_rate) / 1000.0f;
        voice.depth = 5.0f * float(a_rate) / 1000.0f;
    }
}

} // namespace tolvanchorus::reference
