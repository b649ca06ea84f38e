// tolvan-host render end to end: audio in, the test gain plug-in, a float WAV out, compared
// sample by sample. The plug-in's probe modes turn the time records the host delivered into its
// output and its log lists the calls; a host protocol breach makes it output 999.

#include "tests/host/ProcessRunner.h"
#include "tests/host/TestAudio.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace hosttest;

namespace {

constexpr float probe_tempo = 0.2f;
constexpr float probe_ppq = 0.4f;

std::string read_bytes(const std::string& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class RenderTest : public ::testing::Test {
protected:
    // Renders with the gain plug-in; expects success and returns the output.
    Audio render(std::vector<std::string> a_args, const std::string& a_name = "out.wav") {
        const std::string out = m_folder.path(a_name);
        a_args.insert(a_args.begin(), {"render", TEST_GAIN_PLUGIN, "--out", out, "--quiet"});
        const ProcessResult result = run_host(a_args, {{"TOLVAN_TEST_PLUGIN_LOG", log_path()}});
        EXPECT_EQ(result.m_exit_code, 0) << result.m_err;
        EXPECT_EQ(result.m_err, "");
        return read_audio(out);
    }
    Audio probe(float a_mode, std::vector<std::string> a_args) {
        a_args.push_back("--param");
        a_args.push_back("1=" + std::to_string(a_mode));
        return render(a_args);
    }
    std::string write_input(const Audio& a_audio, const std::string& a_name = "in.wav") {
        const std::string path = m_folder.path(a_name);
        write_audio(path, a_audio);
        return path;
    }
    std::string log_path() const { return m_folder.path("calls.txt"); }

    TempFolder m_folder;
};

} // namespace

TEST_F(RenderTest, OutputIsTheInputTimesTheGainExactly) {
    const Audio input = noise(48000, 2, 3000, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const std::string in = write_input(input);
    const Audio output =
        render({"--in", in, "--param", "0=0.3", "--block", "random:5:700", "--tail", "0.01"});
    EXPECT_EQ(output.m_format, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    EXPECT_EQ(output.m_rate, 48000);
    ASSERT_EQ(output.m_channels, 2);
    ASSERT_EQ(output.frames(), 3000u + 480u);
    const float gain = 2.0f * 0.3f;
    std::size_t mismatches = 0;
    for (std::size_t frame = 0; frame < output.frames(); ++frame) {
        for (int c = 0; c < 2; ++c) {
            const float expected = frame < 3000 ? input.at(frame, c) * gain : 0.0f;
            mismatches += output.at(frame, c) != expected;
        }
    }
    EXPECT_EQ(mismatches, 0u);
}

TEST_F(RenderTest, NotesArriveAtTheirExactFrames) {
    // Gain 0 leaves only the plug-in's 0.25 per held note.
    const Audio output =
        render({"--rate", "1000", "--tail", "1", "--param", "0=0", "--block", "random:3:50",
                "--note", "10:60:100:100", "--note", "50:64:100:5", "--note", "2:150:60:1:1"});
    ASSERT_EQ(output.frames(), 4000u + 1000u);
    for (std::size_t frame = 0; frame < 400; ++frame) {
        const int held =
            (frame >= 10 && frame < 110) + (frame >= 50 && frame < 55) + (frame == 150);
        ASSERT_EQ(output.at(frame, 0), 0.25f * static_cast<float>(held)) << frame;
        ASSERT_EQ(output.at(frame, 1), 0.25f * static_cast<float>(held)) << frame;
    }
}

TEST_F(RenderTest, ReportsTempoAndSongPosition) {
    const Audio plain = probe(probe_tempo, {"--rate", "1000", "--tail", "0"});
    EXPECT_EQ(plain.at(0, 0), -1.0f);
    EXPECT_EQ(plain.at(0, 1), 0.0f);

    // Tempo changes at block starts: the chorus's LFO render test.
    const Audio playing = probe(probe_ppq, {"--rate", "48000", "--tail", "0", "--block", "480",
                                            "--tempo", "120", "--play", "--ppq", "2"});
    for (std::size_t frame = 0; frame < playing.frames(); frame += 480) {
        ASSERT_NEAR(playing.at(frame, 0), 2.0 + frame / 24000.0, 1e-5) << frame;
        ASSERT_EQ(playing.at(frame + 479, 0), playing.at(frame, 0));
        ASSERT_EQ(playing.at(frame + 479, 1), float(frame)) << "the block's first frame";
    }
    const Audio stopped = probe(probe_ppq, {"--rate", "1000", "--tail", "0", "--ppq", "3"});
    EXPECT_EQ(stopped.at(0, 0), 3.0f);
    EXPECT_EQ(stopped.at(3999, 0), 3.0f);
    const Audio flags = probe(probe_tempo, {"--rate", "1000", "--tail", "0", "--play"});
    EXPECT_EQ(flags.at(0, 0), 120.0f);
    EXPECT_EQ(flags.at(0, 1), 1024.0f + 512.0f + 2.0f); // tempo, ppq, playing
    const Audio signature =
        probe(probe_tempo, {"--rate", "1000", "--tail", "0", "--play", "--time-signature", "3/4"});
    EXPECT_EQ(signature.at(0, 1), 1024.0f + 512.0f + 2.0f + 8192.0f + 2048.0f)
        << "and the time signature and bar start";
}

TEST_F(RenderTest, ChunksRoundTripAndParametersOverrideThem) {
    const std::string chunk = m_folder.path("state.bin");
    const Audio input = noise(1000, 2, 500, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    const std::string in = write_input(input);
    render({"--in", in, "--tail", "0", "--param", "0=0.3", "--save-chunk", chunk, "--block",
            "7,300,1"});
    // The listed block sizes in turn, the largest announced, the last block cut to the input.
    EXPECT_NE(read_bytes(log_path()).find("block 300\n"), std::string::npos);
    EXPECT_NE(read_bytes(log_path())
                  .find("process 7\nprocess 300\nprocess 1\nprocess 7\n"
                        "process 185\n"),
              std::string::npos);
    std::string expected = "TGCK";
    const float values[2] = {0.3f, 0.0f};
    expected.append(reinterpret_cast<const char*>(values), sizeof(values));
    EXPECT_TRUE(read_bytes(chunk) == expected);

    const Audio restored =
        render({"--in", in, "--tail", "0", "--load-chunk", chunk, "--block", "128"});
    EXPECT_EQ(restored.at(499, 1), input.at(499, 1) * (2.0f * 0.3f));
    EXPECT_EQ(read_bytes(log_path()), "main\nopen\nrate 1000\nblock 128\nsetchunk 12\nmains 1\n"
                                      "process 128\nprocess 128\nprocess 128\nprocess 116\n"
                                      "mains 0\nclose\n");

    const Audio overridden = render({"--in", in, "--tail", "0", "--load-chunk", chunk, "--param",
                                     "0=0.125", "--save-chunk", chunk});
    EXPECT_EQ(overridden.at(7, 0), input.at(7, 0) * 0.25f);
    EXPECT_EQ(read_bytes(log_path()).find("setchunk 12\nparam 0 0.125000\nmains 1\n") !=
                  std::string::npos,
              true);
    EXPECT_NE(read_bytes(log_path()).find("mains 0\ngetchunk\nclose\n"), std::string::npos);
    EXPECT_TRUE(read_bytes(chunk).substr(4, 4) == std::string("\0\0\0\x3e", 4)); // 0.125f
}

TEST_F(RenderTest, FailuresExitCleanlyAndLeaveNoOutput) {
    const std::string out = m_folder.path("kept.wav");
    std::ofstream(out) << "old";
    const auto expect_failure = [&](std::vector<std::string> a_args, int a_code,
                                    const std::string& a_message) {
        a_args.insert(a_args.begin(), {"render", TEST_GAIN_PLUGIN, "--quiet"});
        const ProcessResult result = run_host(a_args);
        EXPECT_EQ(result.m_exit_code, a_code) << result.m_err;
        EXPECT_TRUE(result.m_err.starts_with("tolvan-host: ")) << result.m_err;
        EXPECT_NE(result.m_err.find(a_message), std::string::npos) << result.m_err;
        EXPECT_EQ(std::count(result.m_err.begin(), result.m_err.end(), '\n'), 1) << result.m_err;
    };
    expect_failure({"--out", out, "--in", m_folder.path("nothing.wav")}, 1, "cannot read input");
    expect_failure({"--out", out, "--load-chunk", m_folder.path("none.bin")}, 1,
                   "cannot read chunk " + m_folder.path("none.bin") + ": No such file");
    expect_failure({"--out", out, "--param", "2=0.5"}, 2,
                   "parameter index 2 out of range: the plug-in has 2 parameters");
    expect_failure({"--out", m_folder.path("no/such/folder/x.wav")}, 1,
                   "cannot write output " + m_folder.path("no/such/folder/x.wav"));
    expect_failure({"--out", m_folder.path("")}, 1,
                   "cannot write output " + m_folder.path("") + ": Is a directory");
    expect_failure({"--out", m_folder.path("x.wav"), "--save-chunk", m_folder.path("no/c.bin")}, 1,
                   "cannot write chunk");

    const Audio three = noise(48000, 3, 10, SF_FORMAT_WAV | SF_FORMAT_FLOAT);
    expect_failure({"--out", out, "--in", write_input(three, "three.wav")}, 1,
                   "has 3 channels; only mono and stereo are supported");
    std::ofstream(m_folder.path("text.wav")) << "not audio";
    expect_failure({"--out", out, "--in", m_folder.path("text.wav")}, 1, "cannot read input");

    EXPECT_EQ(read_bytes(out), "old");
    for (const auto& entry : std::filesystem::directory_iterator(m_folder.path(""))) {
        EXPECT_EQ(entry.path().filename().string().find(".wav."), std::string::npos)
            << "temporary file left: " << entry.path();
    }
}
