#include "ParameterTestSupport.h"

#include "tonekit/Parameters/CommittableCallback.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace TonekitTest;

namespace {

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
