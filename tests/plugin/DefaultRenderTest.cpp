// A fresh instance rendered by the command-line host, compared with the frame-by-frame model of
// the chorus in its default state, at the usual rates and at awkward host block sizes.

#include "../chorus/ReferenceChorus.h"
#include "../host/ProcessRunner.h"
#include "../host/TestAudio.h"

#include <gtest/gtest.h>

#include <sndfile.h>

#include <string>

namespace {

using tolvanchorus::reference::Frame;
using tolvanchorus::reference::ReferenceChorus;
using tolvanchorus::reference::Settings;

struct RenderCase {
    int m_rate;
    int m_block;
};

class DefaultRender : public ::testing::TestWithParam<RenderCase> {};

TEST_P(DefaultRender, MatchesTheModelOfTheFormulas) {
    const RenderCase c = GetParam();
    hosttest::TempFolder folder;
    const hosttest::Audio input =
        hosttest::noise(c.m_rate, 2, 6000, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    hosttest::write_audio(folder.path("in.wav"), input);
    const auto result =
        hosttest::run_host({"render", TOLVAN_PLUGIN_PATH, "--in", folder.path("in.wav"), "--out",
                            folder.path("out.wav"), "--rate", std::to_string(c.m_rate), "--block",
                            std::to_string(c.m_block), "--tail", "0", "--quiet"},
                           {{"XDG_DATA_HOME", folder.path("data")}});
    ASSERT_EQ(result.m_exit_code, 0) << result.m_err;
    const hosttest::Audio output = hosttest::read_audio(folder.path("out.wav"));
    ASSERT_EQ(output.frames(), input.frames());
    ASSERT_EQ(output.m_channels, 2);

    Settings settings;
    Frame frame;
    default_state(c.m_rate, settings, frame);
    ReferenceChorus model(c.m_rate);
    for (std::size_t i = 0; i < input.frames(); ++i) {
        const auto [left, right] = model.process(settings, frame, input.at(i, 0), input.at(i, 1));
        ASSERT_EQ(output.at(i, 0), left) << "frame " << i;
        ASSERT_EQ(output.at(i, 1), right) << "frame " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(RatesAndBlocks, DefaultRender,
                         ::testing::Values(RenderCase{44100, 1}, RenderCase{44100, 5},
                                           RenderCase{44100, 30}, RenderCase{44100, 64},
                                           RenderCase{44100, 1000}, RenderCase{48000, 1},
                                           RenderCase{48000, 5}, RenderCase{48000, 30},
                                           RenderCase{48000, 64}, RenderCase{48000, 1000}),
                         [](const auto& a_info) {
                             return std::to_string(a_info.param.m_rate) + "Hz_" +
                                    std::to_string(a_info.param.m_block) + "frames";
                         });

} // namespace
