#include "ParameterTestSupport.h"

#include "tonekit/Parameters/CommittableCallback.h"

#include <gtest/gtest.h>

#include <cmath>
#include <thread>

using namespace TonekitTest;

namespace {

// A kind with variations that never binds a conversion from the normalized value.
class InertParameter : public Tonekit::Parameter {
public:
    bool do_load(Orvo::BiniNode&) override { return true; }
    void do_save(Orvo::BiniNode&) override {}
};

struct CallbackCounter {
    void count() { ++m_commits; }
    int m_commits = 0;
};

struct NotifyingBench : ParameterBench {
    NotifyingBench() {
        m_parameter = add(new PlainParameter(0, u"Plain", &m_target), "Plai");
        m_parameter->m_host_notifier = &m_host;
        m_parameter->m_host_index = 3;
        initialize();
    }
    RecordingHost m_host;
    float m_target = 0.0f;
    PlainParameter* m_parameter = nullptr;
};

} // namespace

TEST(ParameterVariations, AppendingChecksIdentifiersAndPicksTheDefault) {
    ParameterBench bench;
    auto* p = bench.add(new InertParameter, "Inrt");
    EXPECT_EQ(failure_message([&] { p->append_variation(nullptr, false); }), u"a_variation");
    EXPECT_EQ(failure_message(
                  [&] { p->append_variation(new Tonekit::ParameterVariation(0, u"Z"), false); }),
              u"a_variation->m_id");
    p->append_variation(new Tonekit::ParameterVariation(7, u"First"), false);
    EXPECT_EQ(failure_message(
                  [&] { p->append_variation(new Tonekit::ParameterVariation(7, u"Again"), true); }),
              u"!find_variation(a_variation->m_id)");
    EXPECT_EQ(p->find_variation(7)->m_name, u"First");
    EXPECT_EQ(p->find_variation(8), nullptr);

    auto* marked = bench.add(new InertParameter, "Mark");
    marked->append_variation(new Tonekit::ParameterVariation(1, u"One"), false);
    marked->append_variation(new Tonekit::ParameterVariation(2, u"Two"), true);
    bench.initialize();
    EXPECT_EQ(p->get_current_variation()->m_id, 7u) << "without a default, the first";
    EXPECT_EQ(marked->get_current_variation()->m_id, 2u);
}

TEST(ParameterVariations, AKindWithoutDenormalizeCannotChangeVariationAndReleasesTheLocks) {
    ParameterBench bench;
    auto* p = bench.add(new InertParameter, "Inrt");
    p->append_variation(new Tonekit::ParameterVariation(1, u"One"), true);
    p->append_variation(new Tonekit::ParameterVariation(2, u"Two"), false);
    bench.initialize();
    EXPECT_EQ(failure_message([&] { p->change_variation(p->find_variation(2)); }),
              u"Cannot denormalize parameter after changing variation.");
    bool free = false;
    std::thread([&] {
        std::unique_lock lock(bench.m_device.processing_lock(), std::try_to_lock);
        free = lock.owns_lock();
    }).join();
    EXPECT_TRUE(free);
}

TEST(ParameterEditorPath, TellsTheHostBeginAutomateAndEnd) {
    NotifyingBench bench;
    bench.m_parameter->set_normalized_value(0.5f);
    EXPECT_EQ(bench.m_host.m_events,
              (std::vector<std::string>{"begin 3", "automate 3 0.500000", "end 3"}));

    bench.m_host.m_events.clear();
    bench.m_parameter->m_automatable = false;
    bench.m_parameter->set_normalized_value(0.6f);
    EXPECT_EQ(bench.m_host.m_events, (std::vector<std::string>{"begin 3", "end 3"}));

    bench.m_host.m_events.clear();
    bench.m_parameter->m_automatable = true;
    bench.m_host.m_suppress_automation = true;
    bench.m_parameter->set_normalized_value(0.7f);
    EXPECT_EQ(bench.m_host.m_events, (std::vector<std::string>{"begin 3", "end 3"}));
}

TEST(ParameterEditorPath, TheHostRoadIsNotEchoedToTheHost) {
    NotifyingBench bench;
    bench.m_parameter->set_normalized_value_from_host(0.9f);
    EXPECT_TRUE(bench.m_host.m_events.empty());
    EXPECT_EQ(bench.m_parameter->m_value, 0.9f);
}

TEST(ParameterEditorPath, AGestureIsOneBeginAndOneEndAroundItsValues) {
    NotifyingBench bench;
    RecordingEditor editor;
    bench.m_parameter->attach_editor(&editor);
    bench.m_parameter->begin_edit();
    bench.m_parameter->set_normalized_value(0.25f);
    bench.m_parameter->set_normalized_value(0.75f);
    EXPECT_EQ(bench.m_parameter->get_edit_depth(), 1u);
    // The editor goes away in the middle of its drag.
    bench.m_parameter->detach_editor(&editor);
    EXPECT_EQ(bench.m_parameter->get_edit_depth(), 0u);
    bench.m_parameter->end_edit();
    EXPECT_EQ(bench.m_host.m_events, (std::vector<std::string>{"begin 3", "automate 3 0.250000",
                                                               "automate 3 0.750000", "end 3"}));
}

TEST(ParameterEditorPath, OutOfRangeAndNaNValuesAreClamped) {
    NotifyingBench bench;
    bench.m_parameter->set_normalized_value(1.5f);
    EXPECT_EQ(bench.m_parameter->m_value, 1.0f);
    bench.m_parameter->set_normalized_value(std::nanf(""));
    EXPECT_EQ(bench.m_parameter->m_value, 0.0f);
    bench.m_parameter->set_normalized_value_from_host(-3.0f);
    EXPECT_EQ(bench.m_parameter->get_normalized_value(), 0.0f);
}

TEST(ParameterEditorPath, DeferredChangesWaitForTheCommitPassAndRunTheirCallbackOnce) {
    ParameterBench bench;
    CallbackCounter counter;
    auto* callback =
        new Tonekit::CommittableMethodCallback<CallbackCounter>(&counter, &CallbackCounter::count);
    float first_target = 0.0f;
    float second_target = 0.0f;
    auto* first = bench.add(new PlainParameter(0, u"First", &first_target), "Frst");
    auto* second = bench.add(new PlainParameter(0, u"Second", &second_target), "Scnd");
    first->set_committable_callback(callback);
    second->set_committable_callback(callback);
    bench.initialize();

    first->set_normalized_value(0.5f);
    second->set_normalized_value(0.75f);
    EXPECT_EQ(first_target, 0.0f);
    EXPECT_EQ(counter.m_commits, 0);
    bench.run_commit_pass();
    EXPECT_EQ(first_target, 0.5f);
    EXPECT_EQ(second_target, 0.75f);
    EXPECT_EQ(counter.m_commits, 1) << "one callback for both parameters";
}

TEST(ParameterEditorPath, ImmediateChangesCommitAtOnceButTheHostRoadStillQueues) {
    NotifyingBench bench;
    CallbackCounter counter;
    bench.m_parameter->set_committable_callback(
        new Tonekit::CommittableMethodCallback<CallbackCounter>(&counter, &CallbackCounter::count));
    bench.m_parameter->m_deferred_commit = false;
    bench.m_parameter->set_normalized_value(0.5f);
    EXPECT_EQ(bench.m_target, 0.5f);
    EXPECT_EQ(counter.m_commits, 1);

    bench.m_parameter->set_normalized_value_from_host(0.8f);
    EXPECT_EQ(bench.m_target, 0.5f);
    bench.run_commit_pass();
    EXPECT_EQ(bench.m_target, 0.8f);
    EXPECT_EQ(counter.m_commits, 2);
}
