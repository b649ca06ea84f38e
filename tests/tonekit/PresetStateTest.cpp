// The serialized state: its exact bytes, round trips, version gating, and what a load changes,
// including the clean state after every kind of failed load.

#include "PresetTestSupport.h"

#include "tests/orvo/Binis/BiniTestBytes.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Modulation/ModulationManager.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace TonekitTest;
using Tonekit::PresetManager;

namespace {

// Bytes written the way the format lays them out, for expectations derived by hand.
class Expected {
public:
    Expected& text(const char* a_text) {
        m_bytes.insert(m_bytes.end(), a_text, a_text + std::strlen(a_text));
        return *this;
    }
    Expected& u8(unsigned a_value) {
        m_bytes.push_back(static_cast<unsigned char>(a_value));
        return *this;
    }
    Expected& u32(std::uint32_t a_value) {
        for (int shift = 0; shift < 32; shift += 8)
            u8((a_value >> shift) & 0xFF);
        return *this;
    }
    Expected& f32(float a_value) {
        std::uint32_t bits;
        std::memcpy(&bits, &a_value, 4);
        return u32(bits);
    }
    Expected& bytes(const Bytes& a_bytes) {
        m_bytes.insert(m_bytes.end(), a_bytes.begin(), a_bytes.end());
        return *this;
    }
    // A node: id, type null, child count.
    Expected& node(const char* a_id, std::uint32_t a_children) {
        return text(a_id).u8(0).u32(a_children);
    }
    Expected& uint32_node(const char* a_id, std::uint32_t a_value) {
        return text(a_id).u8(19).u32(a_value).u32(0);
    }
    const Bytes& get() const { return m_bytes; }

private:
    Bytes m_bytes;
};

// The file's and the chunk's common beginning: preamble, header, root with a_children children,
// then "DeVe" 1 and "FoVe" 1 (the lowest ids), then the program of the recording device with its
// one parameter, Gain, at its default 0.25 ("Valu", and "Norm" since it is automatable).
Expected default_start(std::uint32_t a_children) {
    Expected e;
    e.text("Test Device/Preset");
    e.u8(0x00).u8(0xFF).u8(0x01).u8(0xFE).u8(0x01).u8(0x02).u8(0x03).u8(0x00);
    e.u8(0).u32(a_children);
    e.uint32_node("DeVe", 1);
    e.uint32_node("FoVe", 1);
    e.node("Prog", 2);
    e.node("CuDa", 0);
    e.node("Para", 1);
    e.u32(1).u8(0).u32(1);
    e.node("Gain", 2);
    e.text("Norm").u8(4).f32(0.25f).u32(0);
    e.text("Valu").u8(4).f32(0.25f).u32(0);
    return e;
}

Expected& empty_modulation(Expected& a_e) {
    return a_e.node("Modu", 2).node("Assi", 0).node("Modu", 0);
}

// The record of the instance settings as their collection stores itself (the framework's
// settings are tested with the collection); only the node around it belongs to the format.
Bytes instance_settings_record(RecordingDevice& a_device) {
    Orvo::BiniNode node;
    a_device.get_instance_settings()->get_collection().save(node);
    const Bytes bytes = save_bytes(node);
    return Bytes(bytes.begin() + 8, bytes.end());
}

Bytes save_of(RecordingDevice& a_device, unsigned a_sections) {
    Orvo::ExpandingOutputStream output(64);
    a_device.get_preset_manager()->save(output, a_sections);
    Bytes bytes(std::size_t(output.get_size()));
    output.copy_to(bytes.data());
    return bytes;
}

constexpr std::string_view test_preamble = "Test Device/Preset";

class PresetStateTest : public ::testing::Test {
protected:
    PresetStateTest() : m_device(m_folder.path()) { m_device.initialize(); }

    // A second device in its own folder, at its defaults.
    std::unique_ptr<PresetTestDevice> fresh(int a_version = 1) {
        m_others.push_back(std::make_unique<TemporaryFolder>());
        auto device = std::make_unique<PresetTestDevice>(m_others.back()->path(), a_version);
        device->initialize();
        return device;
    }

    // Changes every part of the state away from its default.
    void change_everything(PresetTestDevice& a_device) {
        a_device.set_gain(0.75f);
        a_device.set_setting(0.5f);
        a_device.m_program_data = 7;
        a_device.m_state_data = 9;
        a_device.m_varied->change_variation(a_device.m_varied->find_variation(2));
        a_device.m_varied->set_normalized_value(0.125f);
        a_device.presets().set_current_from_path(u"/elsewhere/Warm.preset");
    }

    void expect_clean_program(PresetTestDevice& a_device) {
        EXPECT_EQ(a_device.m_gain->m_value, 0.25f);
        EXPECT_EQ(a_device.m_gain_value, 0.25f) << "the clean state is committed";
        EXPECT_EQ(a_device.m_program_data, 0u);
        EXPECT_EQ(a_device.varied_variation(), 1u);
        EXPECT_EQ(a_device.m_varied->get_value(), 0.5f);
    }

    TemporaryFolder m_folder;
    PresetTestDevice m_device;
    std::vector<std::unique_ptr<TemporaryFolder>> m_others;
};

} // namespace

TEST(PresetLayout, DefaultChunkOfTheRecordingDevice) {
    TemporaryFolder folder;
    RecordingDevice device(folder.path());
    device.initialize();
    Expected e = default_start(5);
    // "Stat" (0x74617453) sorts before "Modu" (0x75646F4D); inside it "CuDa" < "PrPa" < "InSe".
    e.node("Stat", 3);
    e.node("CuDa", 0);
    e.text("PrPa").u8(14).u32(0).u32(0);
    e.text("InSe").bytes(instance_settings_record(device));
    empty_modulation(e);
    EXPECT_EQ(save_of(device, PresetManager::Section_ALL), e.get());
}

TEST(PresetLayout, PreambleOfANonAsciiNameIsItsUtf8) {
    TemporaryFolder folder;
    RecordingDevice device(folder.path());
    device.config().m_plugin_name = u"T\u00EBst \u6F22";
    device.initialize();
    EXPECT_EQ(device.get_preset_manager()->get_preamble(), "T\xC3\xABst \xE6\xBC\xA2/Preset");
    const Bytes bytes = save_of(device, PresetManager::Section_PRESET_FILE);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 16),
              Bytes({'T', 0xC3, 0xAB, 's', 't', ' ', 0xE6, 0xBC, 0xA2, '/', 'P', 'r', 'e', 's', 'e',
                     't'}));
}

TEST_F(PresetStateTest, SaveLoadSaveGivesTheSameBytes) {
    change_everything(m_device);
    for (unsigned sections : {3u, 7u}) {
        const Bytes first = m_device.save_bytes(sections);
        auto other = fresh();
        other->load_bytes(first, sections);
        EXPECT_EQ(other->save_bytes(sections), first) << "sections " << sections;
    }
}

TEST_F(PresetStateTest, ChunkLoadRestoresEverySectionAndCommitsAtOnce) {
    change_everything(m_device);
    const Bytes chunk = m_device.save_bytes();
    auto other = fresh();
    PresetSignalCounter signals(other->presets());
    other->load_bytes(chunk);
    EXPECT_EQ(other->m_gain->m_value, 0.75f);
    EXPECT_EQ(other->m_gain_value, 0.75f) << "committed without waiting for the audio thread";
    EXPECT_EQ(other->m_setting_value, 0.5f);
    EXPECT_EQ(other->m_program_data, 7u);
    EXPECT_EQ(other->m_state_data, 9u);
    EXPECT_EQ(other->varied_variation(), 2u);
    EXPECT_EQ(other->presets().get_current_preset_path(), u"/elsewhere/Warm.preset");
    EXPECT_EQ(other->presets().get_current_preset_name(), u"Warm");
    EXPECT_EQ(signals.m_loaded, 1);
    EXPECT_EQ(signals.m_information, 1);
}

TEST_F(PresetStateTest, SavingLeavesTheAudioRunningAndLoadingStopsIt) {
    m_device.m_probe_locks = true;
    const Bytes bytes = m_device.save_bytes();
    m_device.load_bytes(bytes);
    // Processing lock, parameter lock: free and held while saving, both held while loading.
    EXPECT_EQ(m_device.m_lock_was_free, (std::vector<bool>{true, false, false, false}));
}

TEST_F(PresetStateTest, PresetFileLeavesInstanceSettingsAlone) {
    change_everything(m_device);
    const Bytes preset = m_device.save_bytes(PresetManager::Section_PRESET_FILE);
    const Bytes chunk = m_device.save_bytes(PresetManager::Section_ALL);

    auto other = fresh();
    other->set_setting(0.125f);
    other->load_bytes(preset, PresetManager::Section_PRESET_FILE);
    EXPECT_EQ(other->m_gain->m_value, 0.75f);
    EXPECT_EQ(other->m_setting->m_value, 0.125f);
    EXPECT_EQ(other->m_state_data, 0u);
    // A chunk read as a preset file takes only the preset's sections.
    other->load_bytes(chunk, PresetManager::Section_PRESET_FILE);
    EXPECT_EQ(other->m_setting->m_value, 0.125f);
}

TEST_F(PresetStateTest, ParametersNewerThanTheWriterKeepTheirDefaults) {
    auto newer = fresh(2);
    newer->set_gain(0.5f);
    newer->m_newer->m_value = 0.9f;
    newer->m_newer->m_normalized_value = 0.9f;

    // A version-1 plug-in's chunk has no "Newr"; one that claims version 1 but carries it must
    // not have it read either.
    auto reader = fresh(2);
    m_device.set_gain(0.625f);
    const Bytes old_chunk_changed = m_device.save_bytes();
    Orvo::BiniNode root;
    load_bytes(root, newer->save_bytes(), test_preamble);
    ASSERT_NE(root.get_child(Orvo::four_cc("Prog"))
                  ->get_child(Orvo::four_cc("Para"))
                  ->get_child(1)
                  ->find_child(PresetTestDevice::newer_id),
              nullptr);
    root.get_child(Orvo::four_cc("DeVe"))->set_value_uint32(1);
    const Bytes labelled_old = save_bytes(root, test_preamble);

    reader->m_newer->m_value = 0.6f;
    reader->load_bytes(old_chunk_changed);
    EXPECT_EQ(reader->m_gain->m_value, 0.625f);
    EXPECT_EQ(reader->m_newer->m_value, 0.25f);
    EXPECT_EQ(reader->m_newer_value, 0.25f);

    reader->load_bytes(labelled_old);
    EXPECT_EQ(reader->m_gain->m_value, 0.5f);
    EXPECT_EQ(reader->m_newer->m_value, 0.25f);

    root.get_child(Orvo::four_cc("DeVe"))->set_value_uint32(2);
    reader->load_bytes(save_bytes(root, test_preamble));
    EXPECT_EQ(reader->m_newer->m_value, 0.9f);
}

TEST_F(PresetStateTest, EmptyModulationNodeIsAccepted) {
    Orvo::BiniNode root;
    load_bytes(root, m_device.save_bytes(), test_preamble);
    root.get_child(Orvo::four_cc("Modu"))->clear();
    m_device.load_bytes(save_bytes(root, test_preamble));
    EXPECT_EQ(m_device.save_bytes(), fresh()->save_bytes());
}

// Every way a load can fail ends in the same place: the clean program, the settings and the
// current preset of before the load, the cause inside the load error.
TEST_F(PresetStateTest, FailedLoadsLeaveTheCleanStateAndKeepTheCause) {
    Orvo::BiniNode valid;
    change_everything(m_device);
    load_bytes(valid, m_device.save_bytes(), test_preamble);
    const auto edited = [&](const std::function<void(Orvo::BiniNode&)>& a_edit) {
        Orvo::BiniNode root;
        load_bytes(root, save_bytes(valid, test_preamble), test_preamble);
        a_edit(root);
        return save_bytes(root, test_preamble);
    };
    const auto child = [](Orvo::BiniNode& a_node, const char(&a_id)[5]) {
        return a_node.get_child(Orvo::four_cc(a_id));
    };
    struct Case {
        const char* m_name;
        Bytes m_bytes;
        std::u16string m_cause;
    };
    Bytes foreign = save_bytes(valid, "Other Plugin/Preset");
    Bytes truncated = save_bytes(valid, test_preamble);
    truncated.resize(truncated.size() - 1);
    const std::vector<Case> cases{
        {"foreign plug-in", foreign, u"Invalid preamble."},
        {"truncated", truncated, u"Operation failed."},
        {"no bytes", {}, u"Operation failed."},
        {"empty tree", edited([&](Orvo::BiniNode& r) { r.clear(); }),
         u"Node \"/\":\nNo subnode with id \"FoVe\"."},
        {"preset file read as a chunk", m_device.save_bytes(PresetManager::Section_PRESET_FILE),
         u"Node \"/\":\nNo subnode with id \"Stat\"."},
        {"preset path not a string",
         edited([&](Orvo::BiniNode& r) { child(*child(r, "Stat"), "PrPa")->set_value_uint32(3); }),
         u"Node \"/Stat/PrPa\":\nExpected type string."},
        // Refused modulation data: the modulation persistence tests.
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.m_name);
        auto device = fresh();
        device->set_gain(0.875f);
        device->m_varied->change_variation(device->m_varied->find_variation(2));
        device->set_setting(0.375f);
        device->m_program_data = 5;
        device->presets().set_current_from_path(u"/before/Mine.preset");
        const int resets = device->m_data_resets;
        PresetSignalCounter signals(device->presets());
        const Orvo::Exception failure = failure_of([&] { device->load_bytes(c.m_bytes); });
        EXPECT_EQ(signals.m_loaded, 1) << "the clean state is announced once";
        EXPECT_EQ(failure.get_message(), u"An error occurred while loading the preset.");
        ASSERT_NE(failure.get_inner(), nullptr);
        EXPECT_EQ(failure.get_inner()->get_message(), c.m_cause);
        expect_clean_program(*device);
        EXPECT_EQ(device->m_data_resets, resets + 1);
        EXPECT_EQ(device->m_setting->m_value, 0.375f);
        EXPECT_EQ(device->m_setting_value, 0.375f);
        EXPECT_EQ(device->presets().get_current_preset_path(), u"/before/Mine.preset");
        EXPECT_EQ(device->presets().get_current_preset_name(), u"Mine");
    }
}

TEST_F(PresetStateTest, FailureAfterTheStateWasReadPutsSettingsAndPresetBack) {
    change_everything(m_device);
    const Bytes chunk = m_device.save_bytes();
    auto other = fresh();
    other->set_setting(0.125f);
    other->m_fail_state_load = true;
    const Orvo::Exception failure = failure_of([&] { other->load_bytes(chunk); });
    ASSERT_NE(failure.get_inner(), nullptr);
    EXPECT_EQ(failure.get_inner()->get_message(), u"state data refused");
    EXPECT_EQ(other->m_setting->m_value, 0.125f);
    EXPECT_EQ(other->m_setting_value, 0.125f);
    EXPECT_EQ(other->presets().get_current_preset_path(), u"");
    other->m_fail_state_load = false;
    EXPECT_EQ(other->save_bytes(), [&] {
        auto reference = fresh();
        reference->set_setting(0.125f);
        return reference->save_bytes();
    }());
}
