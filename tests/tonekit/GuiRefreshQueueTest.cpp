// The device's changed-for-GUI arrays: what writers record, that they never wait for the GUI, and
// that a parameter going away leaves them.

#include "tonekit/Devices/GuiRefreshQueue.h"
#include "tests/tonekit/TestDevice.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

namespace {

using Tonekit::Parameter;
using TonekitTest::RecordingDevice;
using TonekitTest::TemporaryFolder;

class GuiRefreshQueueTest : public testing::Test {
protected:
    void SetUp() override {
        m_device.initialize();
        queue().set_gui_attached(true);
        queue().take_full_refresh();
        const auto& all = m_device.get_all_parameters();
        ASSERT_GE(all.size(), 3u);
        m_a = all[0];
        m_b = all[1];
        m_c = all[2];
    }
    Tonekit::GuiRefreshQueue& queue() { return m_device.get_gui_refresh_queue(); }
    // One GUI refresh's share: flip, then take the drained array.
    std::vector<Parameter*> drain() {
        std::lock_guard values(m_device.parameter_lock());
        std::vector<Parameter*> taken;
        const unsigned index = queue().flip();
        queue().drain(index, [&](Parameter& a_parameter) {
            taken.push_back(&a_parameter);
            EXPECT_EQ(a_parameter.m_gui_queue_positions[index], -1);
        });
        return taken;
    }

    TemporaryFolder m_folder;
    RecordingDevice m_device{m_folder.path()};
    Parameter* m_a = nullptr;
    Parameter* m_b = nullptr;
    Parameter* m_c = nullptr;
};

TEST_F(GuiRefreshQueueTest, RecordsEachChangeOnceInOrderAndOnlyWhileAGuiExists) {
    for (Parameter* parameter : {m_a, m_b, m_a, m_c, m_b})
        m_device.queue_gui_refresh(parameter);
    EXPECT_EQ(drain(), (std::vector<Parameter*>{m_a, m_b, m_c}));
    for (Parameter* parameter : {m_a, m_b, m_c})
        EXPECT_EQ(parameter->m_gui_queue_positions[0], -1) << "drained, so it may come again";
    // The array filled meanwhile is the other one.
    m_device.queue_gui_refresh(m_c);
    m_device.queue_gui_refresh(m_a);
    EXPECT_EQ(drain(), (std::vector<Parameter*>{m_c, m_a}));
    EXPECT_TRUE(drain().empty());

    queue().set_gui_attached(false);
    m_device.queue_gui_refresh(m_a);
    EXPECT_TRUE(drain().empty());
    EXPECT_FALSE(queue().take_full_refresh());
    queue().set_gui_attached(true);
    EXPECT_TRUE(queue().take_full_refresh()) << "a new GUI shows everything once";
}

// The host's audio thread calls this through setParameter while the GUI may be flipping.
TEST_F(GuiRefreshQueueTest, AWriterNeverWaitsForTheGuiButAsksForAFullRefresh) {
    std::unique_lock gui_flipping(queue().get_lock());
    auto writer = std::async(std::launch::async, [&] { m_device.queue_gui_refresh(m_a); });
    const std::future_status status = writer.wait_for(std::chrono::seconds(10));
    // Before any check: a writer that waits for the lock must still end.
    gui_flipping.unlock();
    ASSERT_EQ(status, std::future_status::ready) << "the writer waited for the GUI-queue lock";
    EXPECT_TRUE(queue().take_full_refresh());
    EXPECT_TRUE(drain().empty());
    EXPECT_EQ(m_a->m_gui_queue_positions[0], -1);
}

TEST_F(GuiRefreshQueueTest, AnUnregisteredParameterLeavesBothArrays) {
    m_device.queue_gui_refresh(m_a);
    m_device.queue_gui_refresh(m_b);
    m_device.queue_gui_refresh(m_c);
    {
        std::lock_guard values(m_device.parameter_lock());
        queue().flip();
    }
    m_device.queue_gui_refresh(m_b);
    m_device.queue_gui_refresh(m_c);
    {
        auto locks = m_device.lock_structure();
        m_device.unregister_parameter(m_b);
    }
    EXPECT_EQ(m_b->m_gui_queue_positions[0], -1);
    EXPECT_EQ(m_b->m_gui_queue_positions[1], -1);
    EXPECT_EQ(m_c->m_gui_queue_positions[0], 1) << "positions behind it move up";
    EXPECT_EQ(m_c->m_gui_queue_positions[1], 0);
    std::lock_guard values(m_device.parameter_lock());
    std::vector<Parameter*> first;
    queue().drain(0, [&](Parameter& a_parameter) { first.push_back(&a_parameter); });
    EXPECT_EQ(first, (std::vector<Parameter*>{m_a, m_c}));
    EXPECT_EQ(queue().get_array(1), (std::vector<Parameter*>{m_c}));
}

// For the ThreadSanitizer build: writers on two threads against a GUI that keeps refreshing. Every
// change made after the GUI's last flip must be found by the next one.
TEST_F(GuiRefreshQueueTest, WritersAndARefreshingGuiAgree) {
    std::atomic<bool> stop{false};
    std::vector<std::thread> writers;
    for (int w = 0; w < 2; ++w)
        writers.emplace_back([&, w] {
            Parameter* mine[] = {w ? m_a : m_b, m_c};
            for (int i = 0; !stop.load(); ++i) {
                // The host's road holds the parameter lock; an editor's does not.
                std::unique_lock values(m_device.parameter_lock(), std::defer_lock);
                if (w == 1 && !values.try_lock())
                    continue;
                m_device.queue_gui_refresh(mine[i & 1]);
            }
        });
    for (int i = 0; i < 2000; ++i)
        drain();
    stop = true;
    for (std::thread& writer : writers)
        writer.join();
    queue().take_full_refresh();
    m_device.queue_gui_refresh(m_a);
    drain();
    EXPECT_EQ(drain(), std::vector<Parameter*>{}) << "both arrays end empty";
    m_device.queue_gui_refresh(m_b);
    EXPECT_EQ(drain(), std::vector<Parameter*>{m_b});
}

} // namespace
