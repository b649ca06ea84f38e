#include "TestDevice.h"

#include "tonekit/Parameters/ParameterOwner.h"

#include <gtest/gtest.h>

using namespace TonekitTest;

namespace {

class VersionedDevice : public RecordingDevice {
public:
    using RecordingDevice::RecordingDevice;
    void build() override {
        Tonekit::DeviceProgramBuilder builder(*get_program());
        auto* newer = new PlainParameter(Orvo::four_cc("Newr"), u"Newer", nullptr);
        newer->m_minimum_plugin_internal_version = 2;
        builder.add_parameter(newer);
        RecordingDevice::build();
        auto* hidden = new PlainParameter(Orvo::four_cc("Hidn"), u"Hidden", nullptr);
        hidden->m_host_visible = false;
        builder.add_parameter(hidden);
        m_input_count = m_output_count = 2;
    }
};

} // namespace

TEST(DeviceProgram, HostOrderPutsSlotsFirstAndNewerVersionsLast) {
    TemporaryFolder folder;
    VersionedDevice device(folder.path());
    device.config().m_plugin_internal_version = 2;
    device.initialize();
    Tonekit::DeviceProgram& program = *device.get_program();
    ASSERT_EQ(program.host_count(), 4u);
    EXPECT_EQ(program.host_parameter(0)->m_display_name, u"Assignable 1");
    EXPECT_EQ(program.host_parameter(1)->m_display_name, u"Assignable 2");
    EXPECT_EQ(program.host_parameter(2)->m_display_name, u"Gain parameter name");
    EXPECT_EQ(program.host_parameter(3)->m_display_name, u"Newer");
    EXPECT_EQ(program.host_parameter(2)->m_host_index, 2);
    EXPECT_EQ(program.get_collection().find(Orvo::four_cc("Hidn"))->m_host_index, -1);
    EXPECT_EQ(program.host_parameter(4), nullptr);
    EXPECT_EQ(program.host_parameter(-1), nullptr);
    EXPECT_EQ(program.get_slot_count(), 2u);
}
