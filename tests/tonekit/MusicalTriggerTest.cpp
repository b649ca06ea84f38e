// The trigger catalogue, connections and delivery through the device's processing entry.

#include "TriggerTestDevice.h"
#include "tests/support/SilentBlock.h"

#include "tonekit/Devices/MusicalPredefinedTrigger.h"
#include "tonekit/Devices/MusicalUserTrigger.h"

#include "orvo/Core/Utf.h"
#include "orvo/Signals/MethodSlot1.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace TonekitTest;
using Tonekit::MusicalTriggerManager;

namespace {

class MusicalTriggerTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_device = std::make_unique<TriggerTestDevice>(m_folder.path());
        m_device->initialize();
        m_device->setSampleRate(48000.0f);
    }

    // One host block of a_frames with the given transport.
    void process(unsigned a_frames, const Tonekit::MusicalTime& a_time = {}, double a_tempo = 0.0) {
        TestSupport::process_silence(*m_device, a_frames, a_tempo, a_time);
    }

    Tonekit::MusicalPredefinedTrigger& predefined(std::uint32_t a_id) {
        Tonekit::MusicalPredefinedTrigger* trigger =
            m_device->triggers().find_predefined_trigger(a_id);
        EXPECT_NE(trigger, nullptr);
        return *trigger;
    }

    TemporaryFolder m_folder;
    std::unique_ptr<TriggerTestDevice> m_device;
};

class TestManager : public MusicalTriggerManager {
public:
    using MusicalTriggerManager::MusicalTriggerManager;
    void build_catalogue(Tonekit::MusicalTriggerGroup& a_root) override {
        MusicalTriggerManager::build_catalogue(a_root);
        a_root.add(std::make_unique<Tonekit::MusicalPredefinedTrigger>(m_id, u"Extra", m_standard));
    }
    std::uint32_t m_id = Orvo::four_cc("Xtra");
    int m_standard = Tonekit::MusicalPredefinedTrigger::no_standard_id;
};

} // namespace

TEST_F(MusicalTriggerTest, EndpointsAndTriggersUnlinkWhicheverGoesFirst) {
    MusicalTriggerManager& manager = m_device->triggers();
    Tonekit::MusicalTrigger& beat = predefined(MusicalTriggerManager::id_beat);
    {
        Tonekit::MusicalTriggerEndpoint short_lived;
        manager.connect(beat, short_lived);
    }
    EXPECT_TRUE(beat.get_endpoints().empty());

    Tonekit::MusicalTriggerEndpoint endpoint;
    manager.connect(*manager.add_user_trigger(u"Gone"), endpoint);
    manager.remove_user_triggers();
    EXPECT_TRUE(endpoint.get_triggers().empty());
}

TEST_F(MusicalTriggerTest, ShutDownDetachesEveryEndpointAndDeletesUserTriggers) {
    MusicalTriggerManager& manager = m_device->triggers();
    Tonekit::MusicalTriggerEndpoint endpoint;
    manager.connect(predefined(MusicalTriggerManager::id_bar), endpoint);
    manager.connect(*manager.add_user_trigger(u"Mine"), endpoint);
    Tonekit::MusicalTrigger& note_on = predefined(MusicalTriggerManager::id_note_on);
    ASSERT_TRUE(note_on.is_connected_to(m_device->m_received));
    m_device->close();
    EXPECT_TRUE(endpoint.get_triggers().empty());
    EXPECT_TRUE(note_on.get_endpoints().empty());
    EXPECT_EQ(manager.get_user_trigger_count(), 0u);
}

TEST_F(MusicalTriggerTest, TransportTriggersArriveBeforeTheChunkHoldingTheirFrame) {
    MusicalTriggerManager& manager = m_device->triggers();
    m_device->m_received->disconnect_all();
    m_device->m_received->connect(predefined(MusicalTriggerManager::id_transport_start));
    m_device->m_received->connect(predefined(MusicalTriggerManager::id_beat));
    m_device->m_received->connect(predefined(MusicalTriggerManager::id_bar));
    Tonekit::MusicalUserTrigger* user = manager.add_user_trigger(u"Button");
    m_device->m_received->connect(*user);

    // 120 BPM at 48 kHz: 24000 frames per quarter; the bar and beat line at 4.0 lies 24 frames in.
    Tonekit::MusicalTime time;
    time.m_playing = time.m_position_valid = true;
    time.m_position = 4.0 - 24.0 / 24000.0;
    m_device->m_log.clear();
    user->request_fire();
    process(64, time, 120.0);
    EXPECT_EQ(m_device->m_log,
              (Log{"fired: received", "fired: received", "stage 1: 16", "fired: received",
                   "fired: received", "stage 1: 16", "stage 1: 16", "stage 1: 16"}))
        << "start and button at frame 0; bar and beat in the chunk of frames 16..31";

    m_device->m_log.clear();
    time.m_position += 64.0 / 24000.0;
    process(64, time, 120.0);
    EXPECT_EQ(m_device->m_log, (Log{"stage 1: 16", "stage 1: 16", "stage 1: 16", "stage 1: 16"}));
}

TEST_F(MusicalTriggerTest, FiringsBeyondTheQueueAreDroppedAndCounted) {
    MusicalTriggerManager& manager = m_device->triggers();
    manager.begin_host_block({}, 16);
    Tonekit::MusicalTrigger& note_on = predefined(MusicalTriggerManager::id_note_on);
    for (unsigned i = 0; i < MusicalTriggerManager::pending_capacity + 3; ++i)
        manager.fire(note_on, 0);
    EXPECT_EQ(manager.get_dropped_count(), 3u);
    m_device->m_log.clear();
    manager.end_host_block();
    EXPECT_EQ(m_device->m_log.size(), MusicalTriggerManager::pending_capacity);
}
