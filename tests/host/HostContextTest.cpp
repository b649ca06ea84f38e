#include "tools/host/HostContext.h"

#include <gtest/gtest.h>

using namespace tolvanhost;

namespace {

Vst::IntPtr call(Vst::Int32 a_opcode, Vst::Int32 a_index = 0, Vst::IntPtr a_value = 0,
                 void* a_pointer = nullptr, float a_option = 0.0f) {
    return HostContext::callback(nullptr, a_opcode, a_index, a_value, a_pointer, a_option);
}

} // namespace

TEST(HostContext, AnswersWhatPlugInsAsk) {
    HostContext host;
    host.set_sample_rate(96000.0);
    host.set_block_size(333);
    Vst::VstTimeInfo time{};
    time.samplePos = 1234.0;
    time.tempo = 87.0;
    time.flags = Vst::kVstTempoValid;
    host.set_time(time);

    EXPECT_EQ(call(Vst::audioMasterVersion), 2400);
    EXPECT_EQ(call(Vst::audioMasterGetSampleRate), 96000);
    EXPECT_EQ(call(Vst::audioMasterGetBlockSize), 333);
    EXPECT_EQ(call(Vst::audioMasterWantMidi, 0, 1), 1);
    EXPECT_EQ(host.want_midi_count(), 1u);
    const auto* answer =
        reinterpret_cast<const Vst::VstTimeInfo*>(call(Vst::audioMasterGetTime, 0, 0x400));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->samplePos, 1234.0);
    EXPECT_EQ(answer->tempo, 87.0);
    EXPECT_EQ(answer->flags, Vst::kVstTempoValid);

    char send_events[] = "sendVstEvents";
    char send_time[] = "sendVstTimeInfo";
    char prefix[] = "sendVst";
    char longer[] = "sendVstEventsPlease";
    char size_window[] = "sizeWindow";
    EXPECT_EQ(call(Vst::audioMasterCanDo, 0, 0, send_events), 1);
    EXPECT_EQ(call(Vst::audioMasterCanDo, 0, 0, send_time), 1);
    EXPECT_EQ(call(Vst::audioMasterCanDo, 0, 0, prefix), 0);
    EXPECT_EQ(call(Vst::audioMasterCanDo, 0, 0, longer), 0);
    EXPECT_EQ(call(Vst::audioMasterCanDo, 0, 0, size_window), 0);
    EXPECT_EQ(call(Vst::audioMasterCanDo), 0);
    EXPECT_EQ(call(Vst::audioMasterSizeWindow, 400, 300), 0);
    // With the editor's window shown, the size requests are granted and kept for the window.
    host.set_editor_window(true);
    EXPECT_EQ(call(Vst::audioMasterCanDo, 0, 0, size_window), 1);
    EXPECT_EQ(call(Vst::audioMasterSizeWindow, 400, 300), 1);
    EXPECT_EQ(call(Vst::audioMasterSizeWindow, 0, 300), 0);
    int width = 0, height = 0;
    EXPECT_TRUE(host.take_size_request(width, height));
    EXPECT_EQ(width * 10000 + height, 4000300);
    EXPECT_FALSE(host.take_size_request(width, height));
    EXPECT_EQ(call(Vst::audioMasterIdle), 0);
    EXPECT_EQ(call(9999), 0);
}
