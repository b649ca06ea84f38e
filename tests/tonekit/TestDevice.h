#pragma once
// A small device for framework tests: it records every call the processing entry makes and holds
// plain parameters whose commits land in fields the tests read.

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/FourCc.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/TestDeviceConfig.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/DeviceProgramBuilder.h"
#include "tonekit/Devices/Effect.h"
#include "tonekit/Parameters/AssignableParameterSlot.h"
#include "tonekit/Parameters/Parameter.h"

#include <filesystem>
#include <string>
#include <vector>

namespace TonekitTest {

// A parameter whose typed value is its normalized value; commit copies it to a target.
class PlainParameter : public Tonekit::Parameter {
public:
    PlainParameter(std::uint32_t a_id, const char16_t* a_name, float* a_target)
        : m_target(a_target) {
        m_id = a_id;
        m_display_name = a_name;
        m_automatable = true;
        m_denormalize = [](Parameter* a_self) {
            auto* self = static_cast<PlainParameter*>(a_self);
            self->m_value = self->m_normalized_value;
        };
    }
    void commit() override {
        if (m_target)
            *m_target = m_value;
        ++m_commits;
    }
    void reset() override { m_value = m_normalized_value = 0.25f; }
    bool do_load(Orvo::BiniNode& a_node) override {
        a_node.require_value_type(Orvo::BiniValueType_FLOAT);
        m_value = a_node.get_value_float();
        return true;
    }
    void do_save(Orvo::BiniNode& a_node) override { a_node.set_value_float(m_value); }
    void get_value_text(Orvo::WString& a_text) override { a_text = u"value text longer than 15"; }
    void get_unit_text(Orvo::WString& a_text) override { a_text = u"ms"; }

    float m_value = 0.0f;
    float* m_target;
    int m_commits = 0;
};

struct Call {
    std::string m_name;
    unsigned m_frames;
    bool operator==(const Call&) const = default;
};

class RecordingDevice : public Tonekit::Effect {
public:
    explicit RecordingDevice(const std::filesystem::path& a_data_home = {}) {
        TestSupport::configure_test_device(m_static_config, a_data_home);
    }
    using Effect::process;
    Tonekit::DeviceStaticConfig& config() { return m_static_config; }

    void build() override {
        Tonekit::DeviceProgramBuilder builder(*get_program());
        if (m_with_slots) {
            builder.begin_group(Orvo::four_cc("Assi"), u"Assignable");
            for (int i = 0; i < 2; ++i) {
                auto* slot = new Tonekit::AssignableParameterSlot;
                slot->m_id = Orvo::four_cc("As00") + (std::uint32_t(i) << 24);
                slot->m_display_name = i == 0 ? u"Assignable 1" : u"Assignable 2";
                builder.add_parameter(slot);
            }
            builder.end_group();
        }
        m_gain = new PlainParameter(Orvo::four_cc("Gain"), u"Gain parameter name", &m_gain_value);
        builder.add_parameter(m_gain);
        m_input_count = 2;
        m_output_count = 2;
    }
    void process(const Tonekit::InputPair& a_inputs, const Tonekit::OutputPair& a_outputs,
                 unsigned a_frames) override {
        for (unsigned i = 0; i < a_frames; ++i) {
            a_outputs.m_left[i] = a_inputs.m_left[i] * m_gain_value;
            a_outputs.m_right[i] = a_inputs.m_right[i] * m_gain_value;
        }
    }
    void process_block(const Tonekit::InputPair& a_in, const Tonekit::OutputPair& a_out) override {
        m_calls.push_back({"block", 16});
        Effect::process_block(a_in, a_out);
    }
    void start_partial_block(const Tonekit::InputPair& a_in, const Tonekit::OutputPair& a_out,
                             unsigned a_frames) override {
        m_calls.push_back({"start", a_frames});
        Effect::start_partial_block(a_in, a_out, a_frames);
    }
    void continue_partial_block(const Tonekit::InputPair& a_in, const Tonekit::OutputPair& a_out,
                                unsigned a_frames) override {
        m_calls.push_back({"continue", a_frames});
        Effect::continue_partial_block(a_in, a_out, a_frames);
    }
    void finish_partial_block(const Tonekit::InputPair& a_in, const Tonekit::OutputPair& a_out,
                              unsigned a_frames) override {
        m_calls.push_back({"finish", a_frames});
        Effect::finish_partial_block(a_in, a_out, a_frames);
    }
    void note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) override {
        m_notes.push_back({"on", a_channel << 16 | a_key << 8 | a_velocity});
    }
    void note_off(unsigned a_channel, unsigned a_key, unsigned a_velocity) override {
        m_notes.push_back({"off", a_channel << 16 | a_key << 8 | a_velocity});
    }
    void on_sample_rate_changed() override { ++m_sample_rate_changes; }
    void resume() override { ++m_resumes; }

    bool m_with_slots = true;
    PlainParameter* m_gain = nullptr;
    float m_gain_value = 0.0f;
    std::vector<Call> m_calls;
    std::vector<Call> m_notes;
    int m_sample_rate_changes = 0;
    int m_resumes = 0;
};

using TestSupport::TemporaryFolder;

} // namespace TonekitTest
