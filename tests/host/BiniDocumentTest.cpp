// The host's own Bini reading: how trees print, which damaged files it refuses and with what
// message, and how presets move in and out of chunks.

#include "tools/host/BiniDocument.h"
#include "tools/host/BiniPrinter.h"
#include "tools/host/HostError.h"
#include "tools/host/PresetTransfer.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace tolvanhost;

namespace {

using Bytes = std::vector<std::uint8_t>;

class Writer {
public:
    explicit Writer(const std::string& a_preamble = "") {
        m_bytes.assign(a_preamble.begin(), a_preamble.end());
        for (int byte : {0x00, 0xFF, 0x01, 0xFE, 0x01, 0x02, 0x03, 0x00}) {
            u8(byte);
        }
    }
    Writer& u8(int a_value) {
        m_bytes.push_back(static_cast<std::uint8_t>(a_value));
        return *this;
    }
    Writer& u32(std::uint32_t a_value) {
        for (int shift = 0; shift < 32; shift += 8) {
            u8(static_cast<int>((a_value >> shift) & 0xFF));
        }
        return *this;
    }
    Writer& id(const char* a_text) {
        m_bytes.insert(m_bytes.end(), a_text, a_text + 4);
        return *this;
    }
    Writer& f32(float a_value) {
        std::uint32_t bits;
        std::memcpy(&bits, &a_value, 4);
        return u32(bits);
    }
    Bytes m_bytes;
};

std::string parse_error(const Bytes& a_bytes) {
    try {
        BiniDocument::parse(a_bytes, "preset x.preset");
    } catch (const HostError& error) {
        EXPECT_EQ(error.exit_code(), HostError::runtime_exit_code);
        return error.what();
    }
    return "<parsed>";
}

// The shape of a plug-in's chunk: versions, program, state, modulation.
BiniDocument chunk_document(const std::string& a_preamble, float a_gain, float a_setting) {
    Writer w(a_preamble);
    w.u8(0).u32(5);
    w.id("DeVe").u8(19).u32(1).u32(0);
    w.id("FoVe").u8(19).u32(1).u32(0);
    w.id("Prog").u8(0).u32(1).id("Para").u8(0).u32(1).u32(1).u8(0).u32(1);
    w.id("Gain").u8(0).u32(1).id("Valu").u8(4).f32(a_gain).u32(0);
    w.id("Stat").u8(0).u32(2);
    w.id("PrPa").u8(14).u32(1).u8('x').u8(0).u32(0);
    w.id("InSe").u8(4).f32(a_setting).u32(0);
    w.id("Modu").u8(0).u32(0);
    return BiniDocument::parse(w.m_bytes, "test");
}

} // namespace

TEST(BiniDocument, DamagedFilesAreRefusedWithThePlaceOfTheDamage) {
    EXPECT_EQ(parse_error({'n', 'o', 'p', 'e'}),
              "preset x.preset: not a Bini file (no header in its first 4096 bytes)");
    EXPECT_EQ(parse_error(Bytes{0x00, 0xFF, 0x01, 0xFE, 0x01, 0x02, 0x03}),
              "preset x.preset: the data ends inside the header");
    EXPECT_EQ(parse_error(Writer().u8(23).u32(0).m_bytes),
              "preset x.preset: unknown node type 23 at byte 9");
    EXPECT_EQ(parse_error(Writer().u8(0).u32(2).m_bytes),
              "preset x.preset: 2 children cannot fit in the rest of the data at byte 13");
    EXPECT_EQ(parse_error(Writer().u8(5).u32(1000).u32(0).m_bytes),
              "preset x.preset: an array of 1000 elements ends early at byte 13");
    EXPECT_EQ(parse_error(Writer().u8(19).u32(1).m_bytes),
              "preset x.preset: the data ends early at byte 13");
    Writer repeated;
    repeated.u8(0).u32(2).u32(5).u8(0).u32(0).u32(5).u8(0).u32(0);
    EXPECT_EQ(parse_error(repeated.m_bytes), "preset x.preset: repeated child id 5 at byte 26");
    Writer deep;
    deep.u8(0).u32(1);
    for (int i = 0; i < 300; ++i) {
        deep.u32(1).u8(0).u32(1);
    }
    EXPECT_NE(parse_error(deep.m_bytes).find("nodes nested deeper than 256"), std::string::npos);
}

TEST(PresetTransfer, PresetGoesInWithTheInstancesStateSection) {
    const BiniDocument preset = chunk_document("Test Device/Preset", 0.5f, 0.75f);
    const BiniDocument state = chunk_document("Test Device/Preset", 0.25f, 0.125f);
    const BiniDocument chunk = BiniDocument::parse(
        PresetTransfer::chunk_for_preset(preset, state, u"/p/\u00E9.preset", "p.preset"), "c");
    const BiniRecord& root = chunk.m_root;
    ASSERT_EQ(root.m_children.size(), 5u);
    EXPECT_EQ(BiniPrinter::value_text(root.find(BiniRecord::four_cc("Prog"))
                                          ->m_children[0]
                                          .m_children[0]
                                          .m_children[0]
                                          .m_children[0]),
              "0.5");
    const BiniRecord* stat = root.find(BiniRecord::four_cc("Stat"));
    EXPECT_EQ(BiniPrinter::value_text(*stat->find(BiniRecord::four_cc("InSe"))), "0.125");
    EXPECT_EQ(BiniPrinter::value_text(*stat->find(BiniRecord::four_cc("PrPa"))),
              "\"/p/\xC3\xA9.preset\"");
    // Sections stay in the order a saved tree has them.
    for (std::size_t i = 1; i < root.m_children.size(); ++i) {
        EXPECT_LT(root.m_children[i - 1].m_id, root.m_children[i].m_id);
    }
    // Without a path the instance's own stays.
    const BiniDocument kept = BiniDocument::parse(
        PresetTransfer::chunk_for_preset(preset, state, std::nullopt, "p.preset"), "c");
    EXPECT_EQ(
        BiniPrinter::value_text(
            *kept.m_root.find(BiniRecord::four_cc("Stat"))->find(BiniRecord::four_cc("PrPa"))),
        "\"x\"");
}

TEST(PresetTransfer, MismatchesAreRefusedBeforeAnythingIsSent) {
    const BiniDocument state = chunk_document("Test Device/Preset", 0.25f, 0.125f);
    const auto refusal = [&](const BiniDocument& a_preset, const BiniDocument& a_state) {
        try {
            PresetTransfer::chunk_for_preset(a_preset, a_state, std::nullopt, "p.preset");
        } catch (const HostError& error) {
            return std::string(error.what());
        }
        return std::string("<accepted>");
    };
    // A foreign preset and one without a program: the tool's preset options tests.
    BiniDocument stateless = state;
    stateless.m_root.remove(BiniRecord::four_cc("Stat"));
    EXPECT_NE(refusal(state, stateless).find("has no \"Stat\" section"), std::string::npos);
    EXPECT_THROW(PresetTransfer::preset_from_chunk(stateless), HostError);
}
