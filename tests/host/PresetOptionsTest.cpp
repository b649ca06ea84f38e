// Presets and chunks end to end: tolvan-host driving a plug-in of the device framework, whose
// chunks go through its adapter and preset manager. The plug-in's output is its input times its
// gain parameter (host index 2, default 0.25), so the audio shows which state it is in.

#include "tests/host/ProcessRunner.h"
#include "tests/host/TestAudio.h"
#include "tools/host/BiniDocument.h"
#include "tools/host/BiniPrinter.h"

#include <sndfile.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace hosttest;
using tolvanhost::BiniDocument;
using tolvanhost::BiniPrinter;
using tolvanhost::BiniRecord;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes read_bytes(const std::string& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

void write_bytes(const std::string& a_path, const Bytes& a_bytes) {
    std::ofstream(a_path, std::ios::binary)
        .write(reinterpret_cast<const char*>(a_bytes.data()), std::streamsize(a_bytes.size()));
}

const BiniRecord& at(const BiniRecord& a_record, const char (&a_id)[5]) {
    const BiniRecord* child = a_record.find(BiniRecord::four_cc(a_id));
    if (!child) {
        throw std::runtime_error(std::string("no ") + a_id);
    }
    return *child;
}

// One section on its own, as bytes to compare.
Bytes section_bytes(const BiniDocument& a_document, const char (&a_id)[5]) {
    BiniDocument part;
    part.m_root = at(a_document.m_root, a_id);
    return part.serialize();
}

class PresetOptionsTest : public ::testing::Test {
protected:
    PresetOptionsTest() : m_input(noise(48000, 2, 2000, SF_FORMAT_WAV | SF_FORMAT_FLOAT)) {
        write_audio(path("in.wav"), m_input);
    }

    std::string path(const std::string& a_name) const { return m_folder.path(a_name); }

    ProcessResult run(std::vector<std::string> a_args) {
        return run_host(a_args, {{"XDG_DATA_HOME", path("data")}});
    }

    // Renders in.wav through the plug-in with a_args; expects success and returns the output.
    Audio render(std::vector<std::string> a_args) {
        a_args.insert(a_args.begin(), {"render", TEST_PRESET_PLUGIN, "--in", path("in.wav"),
                                       "--out", path("out.wav"), "--tail", "0", "--quiet"});
        const ProcessResult result = run(a_args);
        EXPECT_EQ(result.m_exit_code, 0) << result.m_err;
        EXPECT_EQ(result.m_err, "");
        return read_audio(path("out.wav"));
    }

    // The output is the input times a_gain, exactly.
    void expect_gain(const Audio& a_output, float a_gain) {
        ASSERT_EQ(a_output.m_samples.size(), m_input.m_samples.size());
        for (std::size_t i = 0; i < m_input.m_samples.size(); ++i) {
            ASSERT_EQ(a_output.m_samples[i], m_input.m_samples[i] * a_gain) << "sample " << i;
        }
    }

    // A preset with gain 0.5 written by the tool, and the chunk saved beside it.
    void save_half_gain(const std::string& a_preset, const std::string& a_chunk) {
        render(
            {"--param", "2=0.5", "--save-preset", path(a_preset), "--save-chunk", path(a_chunk)});
    }

    void expect_failure(const ProcessResult& a_result, int a_code, const std::string& a_message) {
        EXPECT_EQ(a_result.m_exit_code, a_code) << a_result.m_err;
        EXPECT_NE(a_result.m_err.find("tolvan-host: "), std::string::npos) << a_result.m_err;
        EXPECT_NE(a_result.m_err.find(a_message), std::string::npos) << a_result.m_err;
    }

    TempFolder m_folder;
    Audio m_input;
};

} // namespace

TEST_F(PresetOptionsTest, SavedPresetIsTheChunkWithoutItsStateAndPrintsAsATree) {
    save_half_gain("half.preset", "half.chunk");
    const BiniDocument preset = BiniDocument::parse(read_bytes(path("half.preset")), "preset");
    BiniDocument chunk = BiniDocument::parse(read_bytes(path("half.chunk")), "chunk");
    EXPECT_EQ(preset.m_preamble, "Test Device/Preset");
    chunk.m_root.remove(BiniRecord::four_cc("Stat"));
    EXPECT_EQ(read_bytes(path("half.preset")), chunk.serialize());

    const ProcessResult shown = run({"preset", path("half.preset")});
    ASSERT_EQ(shown.m_exit_code, 0) << shown.m_err;
    EXPECT_EQ(shown.m_out, "Preamble: \"Test Device/Preset\" (18 bytes)\n"
                           "/ null\n"
                           "  DeVe uint32 1\n"
                           "  FoVe uint32 1\n"
                           "  Prog null\n"
                           "    CuDa null\n"
                           "    Para null\n"
                           "      1 null\n"
                           "        Vard null\n"
                           "          Vari uint32 1\n"
                           "          Norm float 0.5\n"
                           "          Valu float 0.5\n"
                           "        Gain null\n"
                           "          Norm float 0.5\n"
                           "          Valu float 0.5\n"
                           "  Modu null\n"
                           "    Assi null\n"
                           "    Modu null\n");
}

TEST_F(PresetOptionsTest, ForeignOrDamagedChunkLeavesTheCleanStateSilently) {
    save_half_gain("half.preset", "half.chunk");
    render({"--save-chunk", path("default.chunk")});
    // The plug-in starts with its initial preset, so a failed chunk has something to undo.
    const std::string initial = path("data/Test Vendor/Test Device/Presets/Initial.preset");
    std::filesystem::copy_file(path("half.preset"), initial);
    expect_gain(render({}), 0.5f);

    Bytes foreign = read_bytes(path("half.chunk"));
    foreign[0] = 'B';
    Bytes truncated = read_bytes(path("half.chunk"));
    truncated.resize(truncated.size() - 3);
    const BiniDocument clean = BiniDocument::parse(read_bytes(path("default.chunk")), "default");
    int index = 0;
    for (const Bytes& bad : {foreign, truncated, Bytes{'x'}}) {
        SCOPED_TRACE(index++);
        write_bytes(path("bad.chunk"), bad);
        expect_gain(
            render({"--load-chunk", path("bad.chunk"), "--save-chunk", path("after.chunk")}),
            0.25f);
        const BiniDocument after = BiniDocument::parse(read_bytes(path("after.chunk")), "after");
        EXPECT_EQ(section_bytes(after, "Prog"), section_bytes(clean, "Prog"));
        EXPECT_EQ(section_bytes(after, "Modu"), section_bytes(clean, "Modu"));
        // The plug-in still names the initial preset as its current one.
        EXPECT_NE(
            BiniPrinter::value_text(at(at(after.m_root, "Stat"), "PrPa")).find("Initial.preset"),
            std::string::npos);
    }
}

TEST_F(PresetOptionsTest, PresetsThatDoNotFitAreRefused) {
    save_half_gain("half.preset", "half.chunk");
    BiniDocument other = BiniDocument::parse(read_bytes(path("half.preset")), "preset");
    other.m_preamble = "Other Device/Preset";
    write_bytes(path("other.preset"), other.serialize());
    const auto render_with = [&](const std::string& a_plugin, const std::string& a_preset) {
        return run({"render", a_plugin, "--in", path("in.wav"), "--out", path("out.wav"), "--quiet",
                    "--load-preset", a_preset});
    };
    expect_failure(render_with(TEST_PRESET_PLUGIN, path("other.preset")), 1,
                   "is marked \"Other Device/Preset\", the plug-in's presets \"Test "
                   "Device/Preset\"");
    BiniDocument programless = BiniDocument::parse(read_bytes(path("half.preset")), "preset");
    programless.m_root.remove(BiniRecord::four_cc("Prog"));
    write_bytes(path("programless.preset"), programless.serialize());
    expect_failure(render_with(TEST_PRESET_PLUGIN, path("programless.preset")), 1,
                   "has no \"Prog\" section");
    expect_failure(render_with(TEST_PRESET_PLUGIN, path("missing.preset")), 1,
                   "cannot read preset " + path("missing.preset"));
    write_bytes(path("text.preset"), {'h', 'e', 'l', 'l', 'o'});
    expect_failure(render_with(TEST_PRESET_PLUGIN, path("text.preset")), 1, "not a Bini file");
    // A plug-in whose chunk is no preset tree.
    expect_failure(render_with(TEST_GAIN_PLUGIN, path("half.preset")), 1,
                   "the plug-in's state: not a Bini file");
    expect_failure(run({"render", TEST_GAIN_PLUGIN, "--in", path("in.wav"), "--out",
                        path("out.wav"), "--quiet", "--save-preset", path("gain.preset")}),
                   1, "the plug-in's state: not a Bini file");
    EXPECT_FALSE(std::filesystem::exists(path("gain.preset")));
}

TEST_F(PresetOptionsTest, PresetCommandReportsBadFilesAndUsage) {
    expect_failure(run({"preset", path("missing.preset")}), 1,
                   "cannot read preset " + path("missing.preset"));
    write_bytes(path("cut.preset"), {0x00, 0xFF, 0x01, 0xFE, 0x01, 0x02, 0x03, 0x00, 0x00, 0x01});
    expect_failure(run({"preset", path("cut.preset")}), 1,
                   "preset " + path("cut.preset") + ": the data ends early at byte 9");
    expect_failure(run({"preset"}), 2, "preset needs a FILE");
    expect_failure(run({"preset", "--plugin", TEST_GAIN_PLUGIN, path("cut.preset")}), 2,
                   "preset takes no plug-in");
    expect_failure(run({"preset", path("cut.preset"), "--load-preset", "x"}), 2,
                   "option --load-preset is not valid for preset");
    expect_failure(run({"render", TEST_PRESET_PLUGIN, "--out", path("o.wav"), "--save-chunk",
                        path("same"), "--save-preset", path("same")}),
                   2, "--save-chunk and --save-preset name the same file");
}
