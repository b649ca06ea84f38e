#include "SignalsTestSupport.h"

#include "orvo/Signals/ConnectionBlocker.h"
#include "orvo/Signals/ConnectionList.h"

using namespace Orvo;
using namespace signals_test;

namespace {
class ConnectionListTest : public SignalsTest {};
} // namespace

TEST_F(ConnectionListTest, DisconnectAllCutsEveryLinkAndEmptiesTheList) {
    Log log;
    Receiver a("a", log), b("b", log);
    Emitter emitter;
    ConnectionList held;
    held.add(connect(emitter, a));
    held.add(connect(emitter, b));
    EXPECT_EQ(held.get_connections().front()->get_reference_counter(), 2u);

    held.disconnect_all();
    EXPECT_TRUE(held.is_empty());
    EXPECT_TRUE(emitter.signal().get_connections().empty());
    emitter.fire(1);
    EXPECT_TRUE(log.empty());
}

TEST_F(ConnectionListTest, DestroyedListReleasesWithoutDisconnecting) {
    Log log;
    Receiver a("a", log);
    Emitter emitter;
    Connection* connection = connect(emitter, a);
    {
        ConnectionList held;
        held.add(connection);
    }
    EXPECT_EQ(connection->get_reference_counter(), 1u);
    emitter.fire(1);
    EXPECT_EQ(log, (Log{"a1"}));
}

TEST_F(ConnectionListTest, BlockerSurvivesADisconnectInsideItsScope) {
    Log log;
    Receiver a("a", log);
    Emitter emitter;
    ConnectionList held;
    held.add(connect(emitter, a));
    {
        const ConnectionBlocker blocker(held.get_connections().front());
        held.disconnect_all();
        EXPECT_EQ(emitter.signal().get_connections().size(), 1u);
    }
    EXPECT_TRUE(emitter.signal().get_connections().empty());
    const ConnectionBlocker nothing(nullptr);
}
