#include "tools/host/BlockPlan.h"
#include "tools/host/EventBuffer.h"
#include "tools/host/NoteSchedule.h"
#include "tools/host/TempoMap.h"
#include "tools/host/Transport.h"

#include <gtest/gtest.h>

#include <set>

using namespace tolvanhost;

namespace {

std::vector<int> take_blocks(BlockPlan& a_plan, std::int64_t a_total) {
    std::vector<int> sizes;
    for (std::int64_t position = 0; position < a_total;) {
        sizes.push_back(a_plan.next(a_total - position));
        position += sizes.back();
    }
    return sizes;
}

NoteRequest note(std::int64_t a_frame, int a_key, std::int64_t a_length, int a_channel = 1) {
    NoteRequest request;
    request.m_frame = a_frame;
    request.m_key = a_key;
    request.m_velocity = 90;
    request.m_length = a_length;
    request.m_channel = a_channel;
    return request;
}

} // namespace

TEST(BlockPlan, FixedAndListSizesCoverTheRenderExactly) {
    BlockPattern fixed;
    fixed.m_sizes = {512};
    BlockPlan plan(fixed);
    EXPECT_EQ(plan.max_block_size(), 512);
    EXPECT_EQ(take_blocks(plan, 1300), (std::vector<int>{512, 512, 276}));

    BlockPattern list;
    list.m_kind = BlockPattern::Kind::list;
    list.m_sizes = {3, 1, 5};
    BlockPlan cycled(list);
    EXPECT_EQ(cycled.max_block_size(), 5);
    EXPECT_EQ(take_blocks(cycled, 12), (std::vector<int>{3, 1, 5, 3}));
}

TEST(BlockPlan, RandomSizesAreSeededBoundedAndVaried) {
    BlockPattern pattern;
    pattern.m_kind = BlockPattern::Kind::random;
    pattern.m_seed = 42;
    pattern.m_random_max = 16;
    BlockPlan first(pattern);
    BlockPlan second(pattern);
    const auto sizes = take_blocks(first, 100000);
    EXPECT_EQ(sizes, take_blocks(second, 100000));
    std::set<int> seen(sizes.begin(), sizes.end());
    EXPECT_EQ(*seen.begin(), 1);
    EXPECT_EQ(*seen.rbegin(), 16);
    EXPECT_EQ(seen.size(), 16u);

    pattern.m_seed = 43;
    BlockPlan other(pattern);
    EXPECT_NE(take_blocks(other, 100000), sizes);
}

TEST(NoteSchedule, OrdersEventsAndHandsEachToTheBlockThatHoldsIt) {
    // The second note of key 60 starts where the first ends: its note-on must follow the
    // first note's note-off.
    NoteSchedule schedule({note(100, 60, 50), note(150, 60, 10), note(5, 64, 1, 16)});
    ASSERT_EQ(schedule.size(), 6u);
    const auto& events = schedule.events();
    EXPECT_EQ(events[0].m_frame, 5);
    EXPECT_EQ(events[0].m_status, 0x9F);
    EXPECT_EQ(events[0].m_note_length, 1);
    EXPECT_EQ(events[1].m_status, 0x8F);
    EXPECT_EQ(events[1].m_velocity, NoteSchedule::note_off_velocity);
    EXPECT_EQ(events[3].m_frame, 150);
    EXPECT_FALSE(events[3].is_note_on());
    EXPECT_EQ(events[4].m_frame, 150);
    EXPECT_TRUE(events[4].is_note_on());

    EXPECT_EQ(schedule.take_block(0, 5).size(), 0u);
    const auto first = schedule.take_block(5, 96); // frames 5..100
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[2].m_frame, 100);
    EXPECT_EQ(schedule.take_block(101, 49).size(), 0u);
    EXPECT_EQ(schedule.take_block(150, 1).size(), 2u);
    EXPECT_EQ(schedule.take_block(151, 100).size(), 1u);
    EXPECT_EQ(schedule.take_block(251, 100).size(), 0u);
    EXPECT_EQ(schedule.note_ons_from(150), 1u);
    EXPECT_EQ(schedule.note_ons_from(151), 0u);
}

TEST(EventBuffer, LaysOutAVstEventsRecordWithRelativeFrames) {
    NoteSchedule schedule({note(1000, 60, 20), note(1003, 67, 2, 3)});
    EventBuffer buffer(schedule.size());
    buffer.fill(schedule.take_block(1000, 4), 1000);
    const auto* list = static_cast<const Vst::VstEvents*>(buffer.list());
    ASSERT_EQ(list->numEvents, 2);
    const auto* second = reinterpret_cast<const Vst::VstMidiEvent*>(list->events[1]);
    EXPECT_EQ(second->type, Vst::kVstMidiType);
    EXPECT_EQ(second->byteSize, static_cast<Vst::Int32>(sizeof(Vst::VstMidiEvent)));
    EXPECT_EQ(second->deltaFrames, 3);
    EXPECT_EQ(second->noteLength, 2);
    EXPECT_EQ(static_cast<unsigned char>(second->midiData[0]), 0x92);
    EXPECT_EQ(second->midiData[1], 67);
    EXPECT_EQ(second->midiData[2], 90);
    EXPECT_EQ(second->midiData[3], 0);

    buffer.fill(schedule.take_block(1004, 100), 1004);
    ASSERT_EQ(list->numEvents, 2);
    const auto* off = reinterpret_cast<const Vst::VstMidiEvent*>(list->events[0]);
    EXPECT_EQ(off->deltaFrames, 1); // note 67 ends at 1005
    EXPECT_EQ(off->noteLength, 0);
    EXPECT_EQ(reinterpret_cast<const Vst::VstMidiEvent*>(list->events[1])->deltaFrames, 16);
}

TEST(TempoMap, IntegratesSongPositionAcrossChanges) {
    // 120 bpm at 48 kHz: a quarter note every 24000 frames; 60 bpm from 48000: every 48000.
    TempoMap map(120.0, {{96000, 240.0}, {48000, 90.0}, {48000, 60.0}}, 48000.0);
    EXPECT_EQ(map.tempo_at(0), 120.0);
    EXPECT_EQ(map.tempo_at(47999), 120.0);
    EXPECT_EQ(map.tempo_at(48000), 60.0); // the later of two changes at one frame wins
    EXPECT_EQ(map.tempo_at(96000), 240.0);
    EXPECT_DOUBLE_EQ(map.quarters_at(24000), 1.0);
    EXPECT_DOUBLE_EQ(map.quarters_at(48000), 2.0);
    EXPECT_DOUBLE_EQ(map.quarters_at(72000), 2.5);
    EXPECT_DOUBLE_EQ(map.quarters_at(96000), 3.0);
    EXPECT_DOUBLE_EQ(map.quarters_at(108000), 4.0);

    TempoMap replaced(120.0, {{0, 150.0}}, 1000.0);
    EXPECT_EQ(replaced.tempo_at(0), 150.0);
    EXPECT_DOUBLE_EQ(replaced.quarters_at(400), 1.0);
}

TEST(Transport, FlagsOnlyWhatTheCommandLineSet) {
    HostOptions options;
    const Vst::VstTimeInfo silent = Transport(options, 44100.0).time_at(441);
    EXPECT_EQ(silent.flags, 0);
    EXPECT_EQ(silent.samplePos, 441.0);
    EXPECT_EQ(silent.sampleRate, 44100.0);

    options.m_tempo = 90.0;
    const Vst::VstTimeInfo tempo_only = Transport(options, 44100.0).time_at(0);
    EXPECT_EQ(tempo_only.flags, Vst::kVstTempoValid);
    EXPECT_EQ(tempo_only.tempo, 90.0);

    options.m_ppq_start = 8.0;
    const Vst::VstTimeInfo stopped = Transport(options, 1000.0).time_at(5000);
    EXPECT_EQ(stopped.flags, Vst::kVstTempoValid | Vst::kVstPpqPosValid);
    EXPECT_EQ(stopped.ppqPos, 8.0);

    options.m_play = true;
    const Vst::VstTimeInfo playing = Transport(options, 1000.0).time_at(2000);
    EXPECT_EQ(playing.flags,
              Vst::kVstTempoValid | Vst::kVstPpqPosValid | Vst::kVstTransportPlaying);
    EXPECT_DOUBLE_EQ(playing.ppqPos, 8.0 + 3.0); // 90 bpm = 1.5 quarters per second

    HostOptions play_only;
    play_only.m_play = true;
    const Vst::VstTimeInfo defaults = Transport(play_only, 1000.0).time_at(500);
    EXPECT_EQ(defaults.tempo, HostOptions::default_tempo);
    EXPECT_DOUBLE_EQ(defaults.ppqPos, 1.0);
}

TEST(Transport, ReportsTheTimeSignatureWithTheCurrentBar) {
    HostOptions options;
    options.m_time_signature = TimeSignature{6, 8}; // bars of three quarters
    const Vst::VstTimeInfo alone = Transport(options, 1000.0).time_at(0);
    EXPECT_EQ(alone.flags, Vst::kVstTimeSigValid) << "no position, so no bar";
    EXPECT_EQ(alone.timeSigNumerator, 6);
    EXPECT_EQ(alone.timeSigDenominator, 8);

    options.m_play = true;
    options.m_ppq_start = -1.0;
    const Transport transport(options, 1000.0); // 120 bpm: two quarters per second
    const Vst::VstTimeInfo preroll = transport.time_at(0);
    EXPECT_EQ(preroll.flags & (Vst::kVstBarsValid | Vst::kVstTimeSigValid),
              Vst::kVstBarsValid | Vst::kVstTimeSigValid);
    EXPECT_EQ(preroll.barStartPos, -3.0);
    EXPECT_EQ(transport.time_at(1999).barStartPos, 0.0); // position 2.998
    EXPECT_EQ(transport.time_at(2000).barStartPos, 3.0); // position 3: the second bar begins
}
