#include "TestDevice.h"

#include "tonekit/Devices/ParameterIterator.h"
#include "tonekit/Devices/ParameterIteratorListener.h"
#include "tonekit/Parameters/ParameterGroup.h"

#include <gtest/gtest.h>

using namespace TonekitTest;

namespace {

struct Transcript : Tonekit::ParameterIteratorListener {
    void before_program() override { m_calls += "program{"; }
    void after_program() override { m_calls += "}program"; }
    void before_modulators() override { m_calls += "modulators{"; }
    void after_modulators() override { m_calls += "}modulators"; }
    void group_header(Tonekit::ParameterGroup& a_group) override {
        m_calls += "[" + std::string(1, char(a_group.m_id ? a_group.m_id & 0xFF : 'R'));
    }
    void after_parameters(Tonekit::ParameterGroup&) override { m_calls += "|"; }
    void after_parameters_before_subgroups(Tonekit::ParameterGroup&) override { m_calls += "/"; }
    void before_subgroup(Tonekit::ParameterGroup&) override { m_calls += "<"; }
    void after_subgroup(Tonekit::ParameterGroup&) override { m_calls += ">"; }
    void group_footer(Tonekit::ParameterGroup&) override { m_calls += "]"; }
    void parameter(Tonekit::Parameter& a_parameter) override {
        m_calls += char(a_parameter.get_id() & 0xFF);
    }
    std::string m_calls;
};

} // namespace

TEST(ParameterIterator, WalksGroupsInOrderAndFiltersParameters) {
    TemporaryFolder folder;
    RecordingDevice device(folder.path());
    device.initialize();
    device.m_gain->m_offered_for_slot_assignment = true;

    Transcript all;
    Tonekit::ParameterIterator(device, all, 0, Tonekit::ParameterIterator::Walk_PROGRAM).run();
    // The root holds the slot group (two slots "A") and then the gain parameter "G".
    EXPECT_EQ(all.m_calls, "program{[RG|/<[AAA|/]>]}program");

    Transcript offered;
    Tonekit::ParameterIterator(device, offered,
                               Tonekit::ParameterIterator::Filter_OFFERED_FOR_SLOT_ASSIGNMENT |
                                   Tonekit::ParameterIterator::Filter_AUTOMATABLE,
                               Tonekit::ParameterIterator::Walk_PROGRAM |
                                   Tonekit::ParameterIterator::Walk_MODULATORS)
        .run();
    EXPECT_EQ(offered.m_calls, "program{[RG|/<[A|/]>]}programmodulators{}modulators");
}
