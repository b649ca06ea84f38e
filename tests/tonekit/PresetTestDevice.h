#pragma once
// A recording device for preset tests and the chunk fuzzer: a setting of its own in the instance
// settings, a parameter with two variations, an optional parameter that needs plug-in version 2,
// custom program and state data, and switches that make its hooks fail or probe the locks.

#include "TestDevice.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/ExpandingOutputStream.h"
#include "orvo/Streams/MemoryInputStream.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Devices/PresetManager.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/FloatParameterVariation.h"
#include "tonekit/Parameters/ParameterGroup.h"

#include <cstdint>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

namespace TonekitTest {

using Bytes = std::vector<unsigned char>;

// The instance settings as the device framework makes them, whichever constructor it has.
template <class Settings = Tonekit::DeviceInstanceSettings>
Settings* make_instance_settings(Tonekit::Device* a_device) {
    if constexpr (std::is_constructible_v<Settings, Tonekit::Device*>)
        return new Settings(a_device);
    else
        return new Settings;
}

class PresetTestDevice : public RecordingDevice {
public:
    static constexpr std::uint32_t setting_id = Orvo::four_cc("TsIn");
    static constexpr std::uint32_t newer_id = Orvo::four_cc("Newr");
    static constexpr std::uint32_t varied_id = Orvo::four_cc("Vard");

    explicit PresetTestDevice(const std::filesystem::path& a_data_home, int a_version = 1)
        : RecordingDevice(a_data_home) {
        m_static_config.m_plugin_internal_version = a_version;
    }

    void build() override {
        RecordingDevice::build();
        using Variation = Tonekit::FloatParameterVariation;
        m_varied = new Tonekit::FloatParameter;
        m_varied->m_id = varied_id;
        m_varied->set_display_name(u"Varied");
        Variation::create(m_varied, 1, u"Unipolar", Tonekit::Unit_NONE, 0.0f, 1.0f, 0.5f, false,
                          Tonekit::ConversionType_IDENTITY, Variation::Polarity_POSITIVE_UNIPOLAR,
                          true);
        Variation::create(m_varied, 2, u"Bipolar", Tonekit::Unit_NONE, -1.0f, 1.0f, 0.0f, false,
                          Tonekit::ConversionType_IDENTITY, Variation::Polarity_BIPOLAR, false);
        Tonekit::DeviceProgramBuilder(*get_program()).add_parameter(m_varied);
        if (m_static_config.m_plugin_internal_version >= 2) {
            m_newer = new PlainParameter(newer_id, u"Newer", &m_newer_value);
            m_newer->m_minimum_plugin_internal_version = 2;
            Tonekit::DeviceProgramBuilder(*get_program()).add_parameter(m_newer);
        }
    }

    Tonekit::DeviceInstanceSettings* create_instance_settings() override {
        auto* settings = make_instance_settings(this);
        m_setting = new PlainParameter(setting_id, u"Test setting", &m_setting_value);
        Tonekit::ParameterGroup& root = settings->get_collection().get_root();
        root.m_children.push_back(m_setting);
        root.m_parameters.push_back(m_setting);
        m_setting->m_parent_group = &root;
        m_setting->set_owner(&settings->get_collection());
        return settings;
    }

    void save_program_data(Orvo::BiniNode& a_node) override {
        p_probe_lock();
        if (m_fail_program_save)
            throw Orvo::Exception(u"program data refused");
        if (m_program_data)
            a_node.set_value_uint32(m_program_data);
    }
    void load_program_data(Orvo::BiniNode& a_node) override {
        p_probe_lock();
        m_program_data =
            a_node.get_value_type() == Orvo::BiniValueType_UINT32 ? a_node.get_value_uint32() : 0;
    }
    void save_state_data(Orvo::BiniNode& a_node) override {
        if (m_state_data)
            a_node.set_value_uint32(m_state_data);
    }
    void load_state_data(Orvo::BiniNode& a_node) override {
        if (m_fail_state_load)
            throw Orvo::Exception(u"state data refused");
        m_state_data =
            a_node.get_value_type() == Orvo::BiniValueType_UINT32 ? a_node.get_value_uint32() : 0;
    }
    void reset_data() override {
        m_program_data = 0;
        ++m_data_resets;
    }

    Tonekit::PresetManager& presets() { return *get_preset_manager(); }

    Bytes save_bytes(unsigned a_sections = Tonekit::PresetManager::Section_ALL) {
        Orvo::ExpandingOutputStream output(4096);
        presets().save(output, a_sections);
        Bytes bytes(std::size_t(output.get_size()));
        output.copy_to(bytes.data());
        return bytes;
    }
    void load_bytes(const Bytes& a_bytes,
                    unsigned a_sections = Tonekit::PresetManager::Section_ALL) {
        Orvo::MemoryInputStream input(a_bytes.data(), a_bytes.size());
        presets().load(input, a_sections);
    }

    // Host-like value changes: stored, committed at once.
    void set_gain(float a_value) { p_set(*m_gain, a_value); }
    void set_setting(float a_value) { p_set(*m_setting, a_value); }

    std::uint32_t varied_variation() const { return m_varied->get_current_variation()->m_id; }

    Tonekit::FloatParameter* m_varied = nullptr;
    PlainParameter* m_setting = nullptr;
    float m_setting_value = 0.0f;
    PlainParameter* m_newer = nullptr;
    float m_newer_value = 0.0f;
    std::uint32_t m_program_data = 0;
    std::uint32_t m_state_data = 0;
    int m_data_resets = 0;
    bool m_fail_program_save = false;
    bool m_fail_state_load = false;
    // When set, the program hooks record whether another thread could take the processing lock.
    bool m_probe_locks = false;
    std::vector<bool> m_lock_was_free;

private:
    void p_set(PlainParameter& a_parameter, float a_value) {
        a_parameter.m_normalized_value = a_value;
        a_parameter.m_value = a_value;
        a_parameter.commit();
    }
    // Which of the processing and parameter locks another thread finds free.
    void p_probe_lock() {
        if (!m_probe_locks)
            return;
        bool free[2] = {};
        std::thread([&] {
            std::unique_lock processing(processing_lock(), std::try_to_lock);
            free[0] = processing.owns_lock();
            std::unique_lock parameters(parameter_lock(), std::try_to_lock);
            free[1] = parameters.owns_lock();
        }).join();
        m_lock_was_free.insert(m_lock_was_free.end(), {free[0], free[1]});
    }
};

} // namespace TonekitTest
