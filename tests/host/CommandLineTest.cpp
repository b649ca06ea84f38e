#include "tools/host/CommandLine.h"
#include "tools/host/HostError.h"

#include <gtest/gtest.h>

using namespace tolvanhost;

namespace {

// The usage error a command line raises, or "" when it parses.
std::string usage_error(const std::vector<std::string>& a_args) {
    try {
        CommandLine::parse(a_args);
    } catch (const HostError& error) {
        EXPECT_EQ(error.exit_code(), HostError::usage_exit_code);
        return error.what();
    }
    return "";
}

} // namespace

TEST(CommandLine, ReadsEveryRenderOption) {
    const HostOptions options = CommandLine::parse({"--quiet",
                                                    "render",
                                                    "fx.so",
                                                    "--in",
                                                    "a.flac",
                                                    "--out=b.wav",
                                                    "--rate",
                                                    "44100",
                                                    "--block",
                                                    "64,1,4096",
                                                    "--tempo",
                                                    "98.5",
                                                    "--tempo-change",
                                                    "1000:140",
                                                    "--tempo-change=2000:60",
                                                    "--play",
                                                    "--ppq",
                                                    "-4",
                                                    "--time-signature",
                                                    "7/8",
                                                    "--note",
                                                    "10:60:100:5",
                                                    "--note",
                                                    "16:0:0:127:1",
                                                    "--param",
                                                    "1=0.25",
                                                    "--param=0=1",
                                                    "--load-chunk",
                                                    "in.bin",
                                                    "--save-chunk",
                                                    "out.bin",
                                                    "--tail",
                                                    "0"});
    EXPECT_EQ(options.m_command, Command::render);
    EXPECT_EQ(options.m_plugin, "fx.so");
    EXPECT_EQ(options.m_input, "a.flac");
    EXPECT_EQ(options.m_output, "b.wav");
    EXPECT_EQ(options.m_rate, 44100);
    EXPECT_EQ(options.m_block.m_kind, BlockPattern::Kind::list);
    EXPECT_EQ(options.m_block.m_sizes, (std::vector<int>{64, 1, 4096}));
    EXPECT_EQ(options.m_tempo, 98.5);
    ASSERT_EQ(options.m_tempo_changes.size(), 2u);
    EXPECT_EQ(options.m_tempo_changes[1].m_frame, 2000);
    EXPECT_EQ(options.m_tempo_changes[1].m_bpm, 60.0);
    EXPECT_TRUE(options.m_play);
    EXPECT_EQ(options.m_ppq_start, -4.0);
    ASSERT_TRUE(options.m_time_signature);
    EXPECT_EQ(options.m_time_signature->m_numerator, 7);
    EXPECT_EQ(options.m_time_signature->m_denominator, 8);
    ASSERT_EQ(options.m_notes.size(), 2u);
    EXPECT_EQ(options.m_notes[0].m_channel, 1);
    EXPECT_EQ(options.m_notes[0].m_frame, 10);
    EXPECT_EQ(options.m_notes[0].m_length, 5);
    EXPECT_EQ(options.m_notes[1].m_channel, 16);
    EXPECT_EQ(options.m_notes[1].m_key, 0);
    EXPECT_EQ(options.m_notes[1].m_velocity, 127);
    ASSERT_EQ(options.m_params.size(), 2u);
    EXPECT_EQ(options.m_params[0].m_index, 1);
    EXPECT_EQ(options.m_params[0].m_value, 0.25f);
    EXPECT_EQ(options.m_params[1].m_value, 1.0f);
    EXPECT_EQ(options.m_load_chunk, "in.bin");
    EXPECT_EQ(options.m_save_chunk, "out.bin");
    EXPECT_EQ(options.m_tail_seconds, 0.0);
    EXPECT_TRUE(options.m_quiet);
}

TEST(CommandLine, DefaultsAndBlockForms) {
    const HostOptions plain = CommandLine::parse({"render", "--out", "x.wav"});
    EXPECT_FALSE(plain.m_plugin);
    EXPECT_FALSE(plain.m_rate);
    EXPECT_EQ(plain.m_block.m_kind, BlockPattern::Kind::fixed);
    EXPECT_EQ(plain.m_block.m_sizes, std::vector<int>{512});
    EXPECT_EQ(plain.m_tail_seconds, 0.5);
    EXPECT_FALSE(plain.m_quiet);

    const HostOptions random = CommandLine::parse({"render", "--out", "x", "--block", "random:7"});
    EXPECT_EQ(random.m_block.m_kind, BlockPattern::Kind::random);
    EXPECT_EQ(random.m_block.m_seed, 7u);
    EXPECT_EQ(random.m_block.m_random_max, 512);
    const HostOptions bounded =
        CommandLine::parse({"render", "--out", "x", "--block", "random:18446744073709551615:3"});
    EXPECT_EQ(bounded.m_block.m_seed, 18446744073709551615u);
    EXPECT_EQ(bounded.m_block.m_random_max, 3);

    EXPECT_EQ(CommandLine::parse({"info", "--plugin", "p.so"}).m_plugin, "p.so");
    // After "--" a word that starts with a dash is the plug-in.
    EXPECT_EQ(CommandLine::parse({"info", "--", "-odd.so"}).m_plugin, "-odd.so");
    EXPECT_EQ(CommandLine::parse({"render", "--out", "x", "--help"}).m_command, Command::help);
    EXPECT_EQ(CommandLine::parse({"--version"}).m_command, Command::version);
    EXPECT_EQ(CommandLine::parse({"gui"}).m_command, Command::gui);
}

TEST(CommandLine, RejectsBadCommandLinesWithOneLine) {
    const struct {
        std::vector<std::string> m_args;
        const char* m_message;
    } cases[] = {
        {{}, "no command given"},
        {{"play"}, "unknown command 'play'"},
        {{"render"}, "render needs --out FILE"},
        {{"render", "--out"}, "option --out needs a value"},
        {{"render", "--in", "--out", "x"}, "option --in needs a value"},
        {{"render", "--out", "x", "--frobnicate"}, "unknown option '--frobnicate'"},
        {{"render", "--out", "a", "--out", "b"}, "option --out given more than once"},
        {{"render", "--out", "x", "--play=yes"}, "option --play takes no value"},
        {{"info", "--out", "x"}, "option --out is not valid for info"},
        {{"info", "a.so", "b.so"}, "unexpected argument 'b.so'"},
        {{"info", "a.so", "--plugin", "b.so"}, "the plug-in is given twice"},
        {{"render", "--out", "x", "--block", "0"}, "block size for --block out of range: '0'"},
        {{"render", "--out", "x", "--block", "65537"}, "out of range: '65537'"},
        {{"render", "--out", "x", "--block", "64,,8"}, "bad block size for --block: ''"},
        {{"render", "--out", "x", "--block", "12x"}, "'12x' is not a whole number"},
        {{"render", "--out", "x", "--block", "random:"}, "bad seed for --block"},
        {{"render", "--out", "x", "--block", "random:1:2:3"}, "expected random:SEED"},
        {{"render", "--out", "x", "--block", "random:-1"}, "bad seed for --block"},
        {{"render", "--out", "x", "--rate", "44.1k"}, "bad sample rate for --rate"},
        {{"render", "--out", "x", "--rate", "999"}, "sample rate for --rate out of range"},
        {{"render", "--out", "x", "--rate", "99999999999999999999"}, "out of range"},
        {{"render", "--out", "x", "--tempo", "nan"}, "bad tempo for --tempo"},
        {{"render", "--out", "x", "--tempo", "inf"}, "tempo for --tempo out of range"},
        {{"render", "--out", "x", "--tempo", "0"}, "tempo for --tempo out of range"},
        {{"render", "--out", "x", "--tempo-change", "100"}, "expected FRAME:BPM"},
        {{"render", "--out", "x", "--tempo-change", "-1:120"}, "frame for --tempo-change"},
        {{"render", "--out", "x", "--note", "1:2:3"}, "expected [CHANNEL:]FRAME:KEY"},
        {{"render", "--out", "x", "--note", "0:60:100:10:4"}, "channel for --note out of range"},
        {{"render", "--out", "x", "--note", "0:128:100:10"}, "key for --note out of range"},
        {{"render", "--out", "x", "--note", "0:60:0:10"}, "velocity for --note out of range"},
        {{"render", "--out", "x", "--note", "0:60:100:0"}, "length for --note out of range"},
        {{"render", "--out", "x", "--param", "0"}, "expected INDEX=VALUE"},
        {{"render", "--out", "x", "--param", "0=1.5"}, "normalized value for --param out of"},
        {{"render", "--out", "x", "--param", "-1=0.5"}, "index for --param out of range"},
        {{"render", "--out", "x", "--tail", "-0.1"}, "tail length for --tail out of range"},
        {{"render", "--out", "x", "--ppq", ""}, "bad song position for --ppq: ''"},
        {{"render", "--out", "x", "--time-signature", "3"}, "expected BEATS/NOTE"},
        {{"render", "--out", "x", "--time-signature", "0/4"}, "beats for --time-signature out"},
        {{"render", "--out", "x", "--time-signature", "5/6"}, "'6' is not 1, 2, 4, 8, 16, 32"},
    };
    for (const auto& c : cases) {
        const std::string message = usage_error(c.m_args);
        EXPECT_NE(message.find(c.m_message), std::string::npos)
            << "got: '" << message << "' expected: '" << c.m_message << "'";
        EXPECT_EQ(message.find('\n'), std::string::npos) << message;
    }
}
