#include "SignalsTestSupport.h"

#include "orvo/Signals/ConnectionBlocker.h"

#include <memory>
#include <optional>
#include <stdexcept>

using namespace Orvo;
using namespace signals_test;

namespace {
class EmissionTest : public SignalsTest {};
class TeardownTest : public SignalsTest {};
class SignalFailureTest : public SignalsTest {};
} // namespace

TEST_F(EmissionTest, BlockedConnectionIsSkippedWhileOthersReceiveInOrder) {
    Log log;
    Receiver a("a", log), b("b", log), c("c", log);
    Emitter emitter;
    connect(emitter, a);
    Connection* middle = connect(emitter, b);
    connect(emitter, c);

    emitter.fire(1);
    {
        const ConnectionBlocker outer(middle);
        {
            const ConnectionBlocker inner(middle);
            emitter.fire(2);
        }
        emitter.fire(3);
    }
    emitter.fire(4);
    EXPECT_EQ(log, (Log{"a1", "b1", "c1", "a2", "c2", "a3", "c3", "a4", "b4", "c4"}));
    EXPECT_EQ(middle->get_block_counter(), 0u);
    EXPECT_EQ(middle->get_reference_counter(), 1u);
}

TEST_F(EmissionTest, BlockIsLiftedWhenAnExceptionPasses) {
    Log log;
    Receiver a("a", log);
    Emitter emitter;
    Connection* connection = connect(emitter, a);
    EXPECT_THROW(
        {
            const ConnectionBlocker blocker(connection);
            emitter.fire(1);
            throw std::runtime_error("update failed");
        },
        std::runtime_error);
    emitter.fire(2);
    EXPECT_EQ(log, (Log{"a2"}));
}

TEST_F(EmissionTest, HandlerMayDisconnectItsOwnOrALaterConnection) {
    Log log;
    Emitter emitter;
    Receiver first("first", log);
    auto doomed = std::make_unique<TrackedReceiver>("doomed", log);
    Receiver last("last", log);

    // A one-shot handler that lets go of its own connection, and destroys a tracked receiver
    // whose connection comes next in the list.
    struct OneShot {
        Log& log;
        Connection* connection = nullptr;
        std::unique_ptr<TrackedReceiver>* victim = nullptr;
        void on_event(Event&) {
            log.push_back("once");
            victim->reset();
            connection->disconnect();
        }
    } one_shot{log};
    connect(emitter, first);
    one_shot.connection = connect(emitter, one_shot);
    one_shot.connection->increase_reference_counter();
    one_shot.victim = &doomed;
    connect(emitter, *doomed);
    connect(emitter, last);

    emitter.fire(1);
    emitter.fire(2);
    EXPECT_EQ(log, (Log{"first1", "once", "last1", "first2", "last2"}));
    EXPECT_EQ(emitter.signal().get_connections().size(), 2u);
    EXPECT_EQ(g_live_slots, 2);
}

TEST_F(TeardownTest, SignalDestroyedFirstLeavesTrackableReceiverClean) {
    Log log;
    TrackedReceiver receiver("r", log);
    {
        Emitter emitter;
        Connection* connection = connect(emitter, receiver);
        EXPECT_EQ(connection->get_trackable(), &receiver);
        ASSERT_EQ(receiver.get_connections().size(), 1u);
        EXPECT_EQ(g_live_slots, 1);
    }
    EXPECT_TRUE(receiver.get_connections().empty());
    EXPECT_EQ(g_live_slots, 0);
}

TEST_F(TeardownTest, TrackableReceiverDestroyedFirstIsNoLongerCalled) {
    Log log;
    Emitter emitter;
    Receiver plain("p", log);
    auto tracked = std::make_unique<TrackedReceiver>("t", log);
    connect(emitter, *tracked);
    Connection* kept = connect(emitter, plain);
    EXPECT_EQ(kept->get_trackable(), nullptr);

    emitter.fire(1);
    tracked.reset();
    EXPECT_EQ(g_live_slots, 1);
    ASSERT_EQ(emitter.signal().get_connections().size(), 1u);
    EXPECT_EQ(emitter.signal().get_connections().front(), kept);
    emitter.fire(2);
    EXPECT_EQ(log, (Log{"t1", "p1", "p2"}));
}

TEST_F(TeardownTest, SlotDestroyedFirstUnlinksOrBlocksItsConnections) {
    Log log;
    Emitter emitter;
    TrackedReceiver unheld("u", log), held("h", log);
    Connection* unheld_connection = connect(emitter, unheld);
    Connection* held_connection = connect(emitter, held);
    held_connection->increase_reference_counter();

    delete unheld_connection->get_slot();
    EXPECT_EQ(emitter.signal().get_connections().size(), 1u);
    EXPECT_TRUE(unheld.get_connections().empty());

    delete held_connection->get_slot();
    EXPECT_TRUE(held.get_connections().empty());
    EXPECT_TRUE(held_connection->is_disconnected());
    EXPECT_EQ(held_connection->get_slot(), nullptr);
    emitter.fire(1);
    EXPECT_TRUE(log.empty());

    held_connection->disconnect();
    EXPECT_TRUE(emitter.signal().get_connections().empty());

    // The holder's is then the only reference left, and the slot holds none to give up.
    auto gone = std::make_unique<Emitter>();
    Connection* orphan = connect(*gone, held);
    orphan->increase_reference_counter();
    gone.reset();
    delete orphan->get_slot();
    EXPECT_EQ(orphan->get_reference_counter(), 1u);
    orphan->disconnect();
}

TEST_F(TeardownTest, HeldConnectionsOutliveTheirSignalUntilTheHoldersLetGo) {
    Log log;
    TrackedReceiver receiver("r", log);
    auto emitter = std::make_unique<Emitter>();
    Connection* disconnected = connect(*emitter, receiver);
    disconnected->increase_reference_counter();
    Connection* released = connect(*emitter, receiver);
    released->increase_reference_counter();
    released->increase_reference_counter();

    emitter.reset();
    EXPECT_EQ(disconnected->get_signal(), nullptr);
    EXPECT_TRUE(disconnected->is_disconnected());
    EXPECT_TRUE(disconnected->is_blocked());
    EXPECT_EQ(disconnected->get_reference_counter(), 1u);
    EXPECT_TRUE(receiver.get_connections().empty());
    EXPECT_EQ(g_live_slots, 2);

    disconnected->disconnect();
    EXPECT_EQ(g_live_slots, 1);
    released->decrease_reference_counter();
    EXPECT_EQ(g_live_slots, 1);
    released->decrease_reference_counter();
}

TEST_F(TeardownTest, ReleasingAtCountTwoLeavesTheConnectionLinkedAndLive) {
    Log log;
    Receiver receiver("r", log);
    Emitter emitter;
    Connection* connection = connect(emitter, receiver);
    connection->increase_reference_counter();
    connection->decrease_reference_counter();
    EXPECT_EQ(connection->get_reference_counter(), 1u);
    EXPECT_FALSE(connection->is_disconnected());
    emitter.fire(1);
    EXPECT_EQ(log, (Log{"r1"}));
}

// Neither the receiver nor its slot holds a reference: holders' pointers stay valid whichever
// side goes first, and the last holder takes the connection down.
TEST_F(TeardownTest, TrackableDestroyedWhileHeldKeepsTheHoldersValid) {
    Log log;
    Emitter emitter;
    auto receiver = std::make_unique<TrackedReceiver>("r", log);
    Connection* connection = connect(emitter, *receiver);
    connection->increase_reference_counter();
    connection->increase_reference_counter();

    receiver.reset();
    EXPECT_TRUE(connection->is_disconnected());
    EXPECT_EQ(connection->get_reference_counter(), 3u);
    emitter.fire(1);
    EXPECT_TRUE(log.empty());

    connection->disconnect();
    EXPECT_EQ(emitter.signal().get_connections().size(), 1u);
    connection->decrease_reference_counter();
    EXPECT_TRUE(emitter.signal().get_connections().empty());
}

TEST_F(TeardownTest, DisconnectByOneOfTwoHoldersWaitsForTheOther) {
    Log log;
    Receiver receiver("r", log);
    Emitter emitter;
    Connection* connection = connect(emitter, receiver);
    connection->increase_reference_counter();
    connection->increase_reference_counter();

    connection->disconnect();
    EXPECT_EQ(connection->get_block_counter(), 1u);
    emitter.fire(1);
    EXPECT_TRUE(log.empty());
    connection->disconnect();
    EXPECT_TRUE(emitter.signal().get_connections().empty());
}

TEST_F(TeardownTest, SlotSharedByTwoSignalsDiesWithItsLastConnection) {
    Log log;
    TrackedReceiver receiver("r", log);
    auto first = std::make_unique<Emitter>();
    Emitter second;
    auto* slot = new CountedSlot<TrackedReceiver>(&receiver, &TrackedReceiver::on_event);
    first->on_event()->connect(slot);
    second.on_event()->connect(slot);
    EXPECT_EQ(slot->get_reference_counter(), 2u);
    EXPECT_EQ(receiver.get_connections().size(), 2u);

    first.reset();
    EXPECT_EQ(g_live_slots, 1);
    second.fire(7);
    EXPECT_EQ(log, (Log{"r7"}));
}

TEST_F(SignalFailureTest, FailedConnectLeavesNoLinkAndDeletesTheSlot) {
    struct Refusing : CountedSlot<Receiver> {
        using CountedSlot::CountedSlot;
        Trackable* get_trackable() const override { throw std::runtime_error("no receiver"); }
    };
    Log log;
    Receiver receiver("r", log);
    Emitter emitter;
    EXPECT_THROW(emitter.on_event()->connect(new Refusing(&receiver, &Receiver::on_event)),
                 std::runtime_error);
    EXPECT_TRUE(emitter.signal().get_connections().empty());
    EXPECT_EQ(g_live_slots, 0);
}
