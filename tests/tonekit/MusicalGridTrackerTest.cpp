// Where the transport start and the bar and beat lines fall in a stream of host blocks.

#include "tonekit/Devices/MusicalGridTracker.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using Tonekit::MusicalGridTracker;

namespace {

// 60 BPM at 1 kHz: 1000 frames per quarter note, so frame counts read as positions.
constexpr double rate = 1000.0;
constexpr double tempo = 60.0;

struct Host {
    MusicalGridTracker tracker;
    Tonekit::MusicalTime time;
    long long frame = 0;
    std::vector<std::string> events;

    Host() { time.m_playing = time.m_position_valid = true; }

    // One block at the current position; the position then advances as a host's would.
    void block(unsigned a_frames, double a_tempo = tempo) {
        std::array<MusicalGridTracker::Event, 64> out;
        const unsigned count = tracker.track(time, a_frames, a_tempo, rate, out);
        static const char* names[] = {"start", "bar", "beat"};
        for (unsigned i = 0; i < count; ++i)
            events.push_back(std::string(names[out[i].m_kind]) + "@" +
                             std::to_string(frame + out[i].m_offset));
        frame += a_frames;
        time.m_position += a_frames * a_tempo / (60.0 * rate);
    }
    void blocks(unsigned a_count, unsigned a_frames) {
        for (unsigned i = 0; i < a_count; ++i)
            block(a_frames);
    }
};

using Events = std::vector<std::string>;

} // namespace

TEST(MusicalGridTracker, FindsEveryLineOnceAcrossBlocksOfAnySize) {
    Host host;
    host.block(300);
    host.blocks(14, 300); // to frame 4500
    EXPECT_EQ(host.events, (Events{"start@0", "bar@0", "beat@0", "beat@1000", "beat@2000",
                                   "beat@3000", "bar@4000", "beat@4000"}));

    Host odd;
    for (unsigned size : {7u, 993u, 1u, 1999u, 16u, 1500u})
        odd.block(size);
    EXPECT_EQ(odd.events, host.events);
}

TEST(MusicalGridTracker, FollowsTheTimeSignatureAndTheBarStart) {
    Host host;
    host.time.m_time_signature_valid = true;
    host.time.m_numerator = 6;
    host.time.m_denominator = 8; // beats of an eighth note, bars of three quarters
    host.time.m_bar_start_valid = true;
    host.time.m_bar_start = 0.25; // the bar lines lie a sixteenth after the quarters
    host.time.m_position = 0.0;
    host.blocks(8, 500);
    EXPECT_EQ(host.events,
              (Events{"start@0", "bar@250", "beat@250", "beat@750", "beat@1250", "beat@1750",
                      "beat@2250", "beat@2750", "bar@3250", "beat@3250", "beat@3750"}));
}

TEST(MusicalGridTracker, JumpsRestartTheGridAndStopsRestartTheTransport) {
    Host host;
    host.time.m_position = 3.5;
    host.blocks(2, 400);        // 3.5 .. 4.3
    host.time.m_position = 2.0; // the host loops back
    host.block(400);
    host.time.m_playing = false;
    host.block(400);
    host.time.m_playing = true;
    host.time.m_position = 6.25;
    host.block(800);
    EXPECT_EQ(host.events,
              (Events{"start@0", "bar@500", "beat@500", "beat@800", "start@1600", "beat@2350"}));
}

TEST(MusicalGridTracker, DriftFromATempoChangeFiresPassedLinesOnceAtTheBlockStart) {
    Host host;
    host.time.m_position = 0.5;
    host.block(400);             // expects 0.9 next
    host.time.m_position = 1.05; // the tempo rose inside the block: line 1.0 was passed
    host.block(400);
    host.block(800);
    EXPECT_EQ(host.events, (Events{"start@0", "beat@400", "beat@1350"}))
        << "beat 1 at the block start, beat 2 at 550 frames into the next block";
}

TEST(MusicalGridTracker, LinesBeyondTheOutputAreDroppedWithoutLosingTheGrid) {
    MusicalGridTracker tracker;
    Tonekit::MusicalTime time;
    time.m_playing = time.m_position_valid = true;
    std::array<MusicalGridTracker::Event, 3> small;
    EXPECT_EQ(tracker.track(time, 5000, tempo, rate, small), 3u);
    time.m_position = 5.0;
    std::array<MusicalGridTracker::Event, 8> enough;
    // Start, bar 0 and bar 4 filled the output; beats 0 to 4 were lost, beat 5 is not.
    ASSERT_EQ(tracker.track(time, 1500, tempo, rate, enough), 2u);
    EXPECT_EQ(enough[0].m_kind, MusicalGridTracker::Kind_BEAT);
    EXPECT_EQ(enough[0].m_offset, 0u);
    EXPECT_EQ(enough[1].m_offset, 1000u);
}
