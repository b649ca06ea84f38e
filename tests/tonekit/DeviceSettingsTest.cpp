// What the instance settings commit into the device, and when.

#include "ParameterTestSupport.h"

#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include <gtest/gtest.h>

using namespace TonekitTest;
using Tonekit::DeviceSettingsParameters;

namespace {

class InitializedSettings : public ::testing::Test {
protected:
    void SetUp() override { device.initialize(); }
    DeviceSettingsParameters& instance() {
        return device.get_instance_settings()->get_parameters();
    }
    TemporaryFolder folder;
    RecordingDevice device{folder.path()};
};

} // namespace

TEST_F(InitializedSettings, InstanceSettingsCommitIntoTheDevice) {
    EXPECT_EQ(device.m_modulation_exponential_precision, Tonekit::ExponentialPrecision_APPROXIMATE);
    EXPECT_EQ(device.m_parameter_exponential_precision, Tonekit::ExponentialPrecision_EXACT);
    EXPECT_EQ(device.m_modulation_visualization, Tonekit::Modvis_ALL);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_ALL);
    EXPECT_FLOAT_EQ(device.m_smoothing_step, 1000.0f / (50.0f * device.get_sample_rate()));

    DeviceSettingsParameters& settings = instance();
    settings.m_modulation_precision->set_option(2);
    settings.m_modulation_visualization->set_option(2);
    settings.m_smoothing->set_option(3);
    EXPECT_EQ(device.m_modulation_exponential_precision, Tonekit::ExponentialPrecision_EXACT);
    EXPECT_EQ(device.m_modulation_visualization, Tonekit::Modvis_BELOW_MOUSE_CURSOR);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_HOST);

    // The retrigger keys wait for the audio thread's pending-change pass.
    settings.m_retrigger_channels[2]->set_option(11);
    settings.m_retrigger_keys[7]->set_value(60);
    EXPECT_EQ(device.m_retrigger_channels[2], -1);
    EXPECT_EQ(device.m_retrigger_keys[7], 19);
    Tonekit::ProcessRequest empty;
    device.process(empty);
    EXPECT_EQ(device.m_retrigger_channels[2], 9);
    EXPECT_EQ(device.m_retrigger_keys[7], 60);

    // The global settings act on nothing.
    DeviceSettingsParameters& global = device.get_global_settings()->get_parameters();
    global.m_smoothing->set_option(4);
    global.m_retrigger_keys[0]->set_value(-2);
    device.process(empty);
    EXPECT_EQ(device.m_smoothing_reason_mask, Tonekit::ParameterSmoothingReason_HOST);
    EXPECT_EQ(device.m_retrigger_keys[0], 12);
}
