#pragma once
// A device with the real note and trigger handling of an effect, a modulation manager that logs
// what reaches it, and two trigger parameters: "ReTr" (receives, defaults to "Note On") and
// "Sing" (a single-trigger parameter with a plain endpoint).

#include "TestDevice.h"

#include "tonekit/Devices/MusicalTriggerEndpoint.h"
#include "tonekit/Devices/MusicalTriggerManager.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/ParameterTypes/P_ReceivedMusicalTrigger.h"

#include <memory>
#include <string>
#include <vector>

namespace TonekitTest {

using Log = std::vector<std::string>;

class LoggingModulationManager : public Tonekit::ModulationManager {
public:
    LoggingModulationManager(Tonekit::Device* a_device, Log& a_log)
        : ModulationManager(a_device), m_log(a_log) {}
    void process_stage_1(unsigned a_frames) noexcept override {
        m_log.push_back("stage 1: " + std::to_string(a_frames));
    }
    void retrigger_notes(unsigned a_matched) noexcept override { m_masks.push_back(a_matched); }

    std::vector<unsigned> m_masks;

private:
    Log& m_log;
};

class TriggerTestDevice : public RecordingDevice {
public:
    explicit TriggerTestDevice(const std::filesystem::path& a_data_home)
        : RecordingDevice(a_data_home) {
        auto modulation = std::make_unique<LoggingModulationManager>(this, m_log);
        m_modulation = modulation.get();
        set_modulation_manager(std::move(modulation));
        m_log.reserve(1024);
    }

    void build() override {
        RecordingDevice::build();
        Tonekit::DeviceProgramBuilder builder(*get_program());
        m_received = new Tonekit::P_ReceivedMusicalTrigger;
        m_received->m_id = Orvo::four_cc("ReTr");
        m_received->set_display_name(u"Retrigger reason");
        m_received->add_default_trigger(Tonekit::MusicalTriggerManager::id_note_on);
        m_received->set_callback(&TriggerTestDevice::p_fired, this, &m_received_name);
        builder.add_parameter(m_received);
        m_single = new Tonekit::P_MusicalTrigger(1);
        m_single->m_id = Orvo::four_cc("Sing");
        m_single->set_display_name(u"Single");
        m_single->set_endpoint(&m_single_endpoint);
        builder.add_parameter(m_single);
    }

    // The effect's own handling, not RecordingDevice's log.
    void note_on(unsigned a_channel, unsigned a_key, unsigned a_velocity) override {
        Tonekit::Effect::note_on(a_channel, a_key, a_velocity);
    }

    Tonekit::MusicalTriggerManager& triggers() { return *get_triggers(); }

    LoggingModulationManager* m_modulation = nullptr;
    Tonekit::P_ReceivedMusicalTrigger* m_received = nullptr;
    Tonekit::P_MusicalTrigger* m_single = nullptr;
    Tonekit::MusicalTriggerEndpoint m_single_endpoint;
    std::string m_received_name = "received";
    Log m_log;

private:
    static void p_fired(void* a_object, void* a_argument) noexcept {
        auto* self = static_cast<TriggerTestDevice*>(a_object);
        self->m_log.push_back("fired: " + *static_cast<std::string*>(a_argument));
    }
};

} // namespace TonekitTest
