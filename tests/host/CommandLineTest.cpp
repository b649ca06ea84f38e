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
        {{"render", "--out", "x", "--screenshot", "a.png"}, "--screenshot is not valid for render"},
        {{"gui", "--close-after", "-5"}, "milliseconds for --close-after out of range"},
        {{"gui", "--after", "soon"}, "'soon' is not a whole number"},
        {{"snapshot"}, "snapshot needs --out FILE.png"},
        {{"presets"}, "presets needs an action: presets install"},
        {{"presets", "remove"}, "unknown presets action 'remove'"},
        {{"gui", "--out", "x.png"}, "option --out is not valid for gui"},
        {{"snapshot", "--out", "x.png", "--no-audio"}, "--no-audio is not valid for snapshot"},
        {{"gui", "--measure", "--close-after", "5"}, "--measure closes by itself"},
        {{"gui", "--drag", "10,10"}, "--drag is only used with --measure"},
        {{"gui", "--measure", "--drag", "10"}, "option --drag needs X,Y, not '10'"},
        {{"gui", "--measure", "--drag", "10,-1"}, "coordinate for --drag out of range"},
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
