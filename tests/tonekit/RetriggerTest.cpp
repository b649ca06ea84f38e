// Note-on retriggering: which retrigger key definitions a note matches, and the road from the
// settings and the MIDI ring to the modulation manager.

#include "TriggerTestDevice.h"
#include "tests/support/SilentBlock.h"

#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/ParameterTypes/P_RetriggerReason.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"

#include <gtest/gtest.h>

using namespace TonekitTest;

namespace {

class RetriggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device = std::make_unique<TriggerTestDevice>(m_folder.path());
        m_device->initialize();
        // Nothing matches unless a test says so.
        for (unsigned k = 0; k < 8; ++k) {
            m_device->m_retrigger_channels[k] = -1;
            m_device->m_retrigger_keys[k] = -2;
        }
    }

    void process(unsigned a_frames = 16) { TestSupport::process_silence(*m_device, a_frames); }

    std::vector<unsigned>& masks() { return m_device->m_modulation->m_masks; }

    TemporaryFolder m_folder;
    std::unique_ptr<TriggerTestDevice> m_device;
};

} // namespace

TEST_F(RetriggerTest, DefinitionsMatchByChannelAndKey) {
    int* channels = m_device->m_retrigger_channels;
    int* keys = m_device->m_retrigger_keys;
    channels[0] = -1, keys[0] = -1; // any channel, any key
    channels[1] = 2, keys[1] = -1;  // channel 3, any key
    channels[2] = -1, keys[2] = 60; // C4 anywhere
    channels[3] = 2, keys[3] = 60;  // C4 on channel 3
    channels[4] = -1, keys[4] = -2; // none: never
    EXPECT_EQ(m_device->retrigger_key_mask(0, 61), 0b00001u);
    EXPECT_EQ(m_device->retrigger_key_mask(2, 61), 0b00011u);
    EXPECT_EQ(m_device->retrigger_key_mask(0, 60), 0b00101u);
    EXPECT_EQ(m_device->retrigger_key_mask(2, 60), 0b01111u);
    keys[0] = -2;
    EXPECT_EQ(m_device->retrigger_key_mask(5, 61), 0u);
}

TEST_F(RetriggerTest, NoteOnsRetriggerVelocityZeroIncludedNoteOffsNever) {
    m_device->m_retrigger_keys[0] = -1; // definition 1: any channel, any key
    m_device->m_retrigger_channels[6] = 10, m_device->m_retrigger_keys[6] = 36;
    Tonekit::MidiRing& ring = m_device->get_midi_ring();
    ring.push(0x7F3C90); // note-on C4, channel 1
    ring.push(0x003C90); // velocity 0 is still a note-on
    ring.push(0x40249A); // channel 11, key 36: definitions 1 and 7
    ring.push(0x403C80); // note-off
    ring.push(0x0040B0); // a controller
    process();
    EXPECT_EQ(masks(), (std::vector<unsigned>{1u, 1u, 1u | 1u << 6}));
}

TEST_F(RetriggerTest, NothingMatchedMeansNoRetrigger) {
    m_device->get_midi_ring().push(0x7F3C90);
    process();
    EXPECT_TRUE(masks().empty());
}

TEST_F(RetriggerTest, InstanceSettingsReachTheDeviceThroughThePendingChanges) {
    Tonekit::DeviceSettingsParameters& settings =
        m_device->get_instance_settings()->get_parameters();
    settings.m_retrigger_channels[2]->set_option(5); // channel 4
    settings.m_retrigger_keys[2]->set_value(62);
    EXPECT_EQ(m_device->m_retrigger_keys[2], -2) << "not before the audio thread's pass";
    process();
    EXPECT_EQ(m_device->m_retrigger_channels[2], 3);
    EXPECT_EQ(m_device->m_retrigger_keys[2], 62);

    m_device->get_midi_ring().push(0x503E93); // channel 4, D4
    m_device->get_midi_ring().push(0x503E92); // channel 3: no
    process();
    EXPECT_EQ(masks(), std::vector<unsigned>{1u << 2});
}
