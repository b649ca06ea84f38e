#pragma once

namespace Tonekit {

// When a modulator runs. Pre-note and post-note modulators run one lane per control block, before
// and after the notes; in-note modulators run one lane per voice slot. Index 0 holds nothing.
enum ProcessingStage : unsigned {
    ProcessingStage_NONE = 0,
    ProcessingStage_PRE_NOTE = 1,
    ProcessingStage_IN_NOTE = 2,
    ProcessingStage_POST_NOTE = 3,
    ProcessingStage_ENUM_SIZE = 4,
};

inline constexpr unsigned voice_lane_count = 16;

inline constexpr unsigned lane_count_of(ProcessingStage a_stage) noexcept {
    return a_stage == ProcessingStage_IN_NOTE ? voice_lane_count : 1;
}

} // namespace Tonekit
