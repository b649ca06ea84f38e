#pragma once
// A bench for parameter tests: an initialized device, a collection of the test's own parameters
// on it, a host that records what it is told and an editor that records what it hears.

#include "TestDevice.h"

#include "orvo/Core/Exception.h"
#include "tests/support/FailureMessage.h"
#include "tonekit/Devices/Host.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "tonekit/Parameters/ParameterGroup.h"

#include <functional>
#include <string>
#include <vector>

namespace TonekitTest {

class RecordingHost : public Tonekit::Host {
public:
    void begin_edit(int a_index) override {
        m_events.push_back("begin " + std::to_string(a_index));
    }
    void end_edit(int a_index) override { m_events.push_back("end " + std::to_string(a_index)); }
    bool get_song_position(double&) override { return false; }
    void automate(int a_index, float a_value) override {
        m_events.push_back("automate " + std::to_string(a_index) + " " + std::to_string(a_value));
    }
    void update_display() override { m_events.push_back("update display"); }
    std::vector<std::string> m_events;
};

class ParameterBench {
public:
    ParameterBench() : m_device(m_folder.path()) { m_device.initialize(); }

    // Puts a_parameter into the collection's root group, which owns it from then on.
    template <class P>
    P* add(P* a_parameter, const char (&a_id)[5], const char16_t* a_name = u"Test") {
        a_parameter->m_id = Orvo::four_cc(a_id);
        a_parameter->set_display_name(a_name);
        Tonekit::ParameterGroup& root = m_collection.get_root();
        root.m_children.push_back(a_parameter);
        root.m_parameters.push_back(a_parameter);
        a_parameter->m_parent_group = &root;
        a_parameter->set_owner(&m_collection);
        return a_parameter;
    }
    void initialize() { m_collection.initialize(&m_device); }
    // One host block of no frames: the device's pending-change pass runs.
    void run_commit_pass() {
        Tonekit::ProcessRequest request;
        m_device.process(request);
    }

    TemporaryFolder m_folder;
    RecordingDevice m_device;
    Tonekit::ParameterCollection m_collection;
};

using TestSupport::failure_message;

} // namespace TonekitTest
