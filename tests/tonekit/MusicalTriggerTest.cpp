// Triggers: connections and their teardown, delivery through the device's processing entry, and
// the trigger parameters' stored form and what bad data does to them.

#include "TriggerTestDevice.h"
#include "tests/support/SilentBlock.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/Utf.h"
#include "tonekit/Devices/MusicalPredefinedTrigger.h"
#include "tonekit/Devices/MusicalUserTrigger.h"
#include "tonekit/Parameters/LoadReport.h"
#include "tonekit/Parameters/ParameterCollection.h"

#include <gtest/gtest.h>

using namespace TonekitTest;
using Tonekit::MusicalTriggerManager;
using Tonekit::P_MusicalTrigger;

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

    std::vector<Tonekit::MusicalTrigger*> connected(P_MusicalTrigger& a_parameter) {
        const auto& triggers = a_parameter.get_endpoint()->get_triggers();
        return {triggers.begin(), triggers.end()};
    }
    std::string load_failure(P_MusicalTrigger& a_parameter, Orvo::BiniNode& a_value) {
        try {
            a_parameter.do_load(a_value);
        } catch (const Orvo::Exception& failure) {
            return Orvo::utf16_to_utf8_lossy(failure.get_message());
        }
        return "loaded";
    }

    TemporaryFolder m_folder;
    std::unique_ptr<TriggerTestDevice> m_device;
};

// A stored "Valu" with the given (family, identifier) children.
void store(Orvo::BiniNode& a_value, std::uint32_t a_count,
           std::vector<std::pair<std::uint32_t, std::uint32_t>> a_children) {
    a_value.add_child(P_MusicalTrigger::child_count)->set_value_uint32(a_count);
    std::uint32_t id = 1;
    for (auto [family, identifier] : a_children) {
        Orvo::BiniNode* child = a_value.add_child(id++);
        child->add_child(P_MusicalTrigger::child_family)->set_value_uint32(family);
        child
            ->add_child(family == P_MusicalTrigger::family_user
                            ? P_MusicalTrigger::child_user_index
                            : P_MusicalTrigger::child_predefined_id)
            ->set_value_uint32(identifier);
    }
}

constexpr std::uint32_t p = P_MusicalTrigger::family_predefined;

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

TEST_F(MusicalTriggerTest, SavesCountAndTriggersInsideValuAndLoadsThemBack) {
    P_MusicalTrigger& received = *m_device->m_received;
    MusicalTriggerManager& manager = m_device->triggers();
    manager.add_user_trigger(u"First");
    Tonekit::MusicalUserTrigger* second = manager.add_user_trigger(u"Second");
    received.disconnect_all();
    received.connect(predefined(MusicalTriggerManager::id_bar));
    received.connect(*second);
    received.connect(predefined(MusicalTriggerManager::id_note_on));
    const auto before = connected(received);

    Orvo::BiniNode root;
    m_device->get_program()->get_collection().save(root);
    Orvo::BiniNode* value =
        root.get_child(1)->get_child(Orvo::four_cc("ReTr"))->get_child(Orvo::four_cc("Valu"));
    EXPECT_EQ(value->get_child(Orvo::four_cc("Coun"))->get_value_uint32(), 3u);
    EXPECT_EQ(value->get_child(1)->get_child(Orvo::four_cc("Fami"))->get_value_uint32(), 0x70u);
    EXPECT_EQ(value->get_child(1)->get_child(Orvo::four_cc("PrId"))->get_value_uint32(),
              Orvo::four_cc("Bar "));
    EXPECT_EQ(value->get_child(2)->get_child(Orvo::four_cc("Fami"))->get_value_uint32(), 0x75u);
    EXPECT_EQ(value->get_child(2)->get_child(Orvo::four_cc("UsIn"))->get_value_uint32(), 1u);
    EXPECT_EQ(value->get_children().size(), 4u) << "Coun and three triggers";

    received.reset();
    Tonekit::LoadReport report;
    EXPECT_TRUE(m_device->get_program()->get_collection().load(root, 1, report));
    EXPECT_TRUE(report.is_empty());
    EXPECT_EQ(connected(received), before);
}

TEST_F(MusicalTriggerTest, BadDataThrowsItsMessageAndLeavesTheConnections) {
    P_MusicalTrigger& received = *m_device->m_received;
    const auto before = connected(received);

    Orvo::BiniNode too_many;
    store(too_many, 1025, {});
    EXPECT_EQ(load_failure(received, too_many), "Invalid trigger count");
    m_device->triggers().add_user_trigger(u"One more allowed");
    EXPECT_EQ(load_failure(received, too_many), "Node \"/\":\nNo subnode with id \"1\".")
        << "1024 plus one user trigger: the count passes, the missing child does not";

    Orvo::BiniNode two_for_single;
    store(two_for_single, 2,
          {{p, MusicalTriggerManager::id_beat}, {p, MusicalTriggerManager::id_bar}});
    EXPECT_EQ(load_failure(*m_device->m_single, two_for_single), "Invalid trigger count");

    Orvo::BiniNode bad_family;
    store(bad_family, 2, {{p, MusicalTriggerManager::id_beat}, {0x71, 1}});
    EXPECT_EQ(load_failure(received, bad_family), "Invalid trigger family.");

    Orvo::BiniNode wrong_type;
    wrong_type.add_child(P_MusicalTrigger::child_count)->set_value_int32(1);
    EXPECT_NE(load_failure(received, wrong_type), "loaded");

    EXPECT_EQ(connected(received), before);
}
