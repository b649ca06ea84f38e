#include "LoadedPlugin.h"

#include <gtest/gtest.h>

#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace PluginTest;

namespace {

class Plugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Keep the user's real folders out of it.
        static char home[] = "/tmp/tolvan-plugin-test-XXXXXX";
        setenv("XDG_DATA_HOME", mkdtemp(home), 1);
        s_module = new LoadedPlugin;
    }
    static void TearDownTestSuite() { delete s_module; }
    void SetUp() override {
        host_state() = HostState{};
        effect = s_module->open();
        ASSERT_NE(effect, nullptr);
    }
    void TearDown() override {
        if (effect)
            LoadedPlugin::close(effect);
    }
    Vst::IntPtr dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index = 0, Vst::IntPtr a_value = 0,
                         void* a_pointer = nullptr, float a_option = 0.0f) {
        return effect->dispatcher(effect, a_opcode, a_index, a_value, a_pointer, a_option);
    }
    static LoadedPlugin* s_module;
    Vst::AEffect* effect = nullptr;
};
LoadedPlugin* Plugin::s_module = nullptr;

} // namespace

TEST_F(Plugin, TheRecordDescribesTheChorus) {
    EXPECT_EQ(effect->magic, 0x56737450);
    EXPECT_EQ(effect->uniqueID, -462);
    EXPECT_EQ(effect->numInputs, 2);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->numPrograms, 1);
    EXPECT_EQ(effect->numParams, 16);
    EXPECT_EQ(effect->version, 1);
    EXPECT_EQ(effect->ioRatio, 1.0f);
    EXPECT_EQ(effect->flags,
              Vst::effFlagsHasEditor | Vst::effFlagsCanReplacing | Vst::effFlagsProgramChunks);
    EXPECT_EQ(LoadedPlugin::text(effect, Vst::effGetEffectName), "Tolvan Chorus");
    EXPECT_EQ(LoadedPlugin::text(effect, Vst::effGetVendorString), "Tolvan Plugins");
    EXPECT_EQ(LoadedPlugin::text(effect, Vst::effGetProductString), "Tolvan Chorus 0.9.1");
    // The chorus wants MIDI for its triggers, and says so when it starts.
    const auto& calls = host_state().m_opcodes;
    EXPECT_NE(std::find(calls.begin(), calls.end(), Vst::audioMasterWantMidi), calls.end());
}

TEST_F(Plugin, DispatcherAnswers) {
    EXPECT_EQ(dispatch(Vst::effIdentify), 0x4E764566);
    EXPECT_EQ(dispatch(Vst::effGetVstVersion), 2400);
    EXPECT_EQ(dispatch(Vst::effGetPlugCategory), 0);
    EXPECT_EQ(dispatch(Vst::effGetCurrentMidiProgram), -1);
    EXPECT_EQ(dispatch(Vst::effSetTotalSampleToProcess, 0, 777), 777);
    EXPECT_EQ(dispatch(Vst::effGetProgram), 0);
    EXPECT_EQ(dispatch(Vst::effGetTailSize), 0);
    char yes1[] = "receiveVstEvents", yes2[] = "receiveVstMidiEvent", no[] = "sendVstMidiEvent";
    EXPECT_EQ(dispatch(Vst::effCanDo, 0, 0, yes1), 1);
    EXPECT_EQ(dispatch(Vst::effCanDo, 0, 0, yes2), 1);
    EXPECT_EQ(dispatch(Vst::effCanDo, 0, 0, no), 0);
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, 0x73744341, 0x57686565, nullptr, 1.0f), 1)
        << "the wheel call answers 1 with the editor closed";
    EXPECT_EQ(dispatch(Vst::effVendorSpecific, 0x73744341, 1), 0);
    EXPECT_EQ(dispatch(12345), 0);
    void* inputs = &inputs;
    void* outputs = &outputs;
    EXPECT_EQ(dispatch(Vst::effGetSpeakerArrangement, 0, reinterpret_cast<Vst::IntPtr>(&inputs),
                       &outputs),
              0);
    EXPECT_EQ(inputs, nullptr);
    EXPECT_EQ(outputs, nullptr);
}

TEST_F(Plugin, ParametersAreTheSixteenAssignableSlots) {
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(LoadedPlugin::text(effect, Vst::effGetParamName, i),
                  "Assignable " + std::to_string(i + 1));
        // The host's text buffers are 15 characters long.
        EXPECT_EQ(LoadedPlugin::text(effect, Vst::effGetParamDisplay, i), "No information.");
        EXPECT_EQ(LoadedPlugin::text(effect, Vst::effGetParamLabel, i), "");
    }
    // Indices out of range, clamping and audio of every shape: the stress host's storm.
}

TEST_F(Plugin, DenormalInputCostsNothingAndTheHostsFloatingPointModeSurvives) {
    dispatch(Vst::effSetSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch(Vst::effMainsChanged, 0, 1);
    // A reverb tail fading out of an earlier plug-in.
    std::vector<float> left(4096, 1e-39f), right(4096, -3e-39f), out_left(4096), out_right(4096);
    float* inputs[2] = {left.data(), right.data()};
    float* outputs[2] = {out_left.data(), out_right.data()};
    const unsigned host_mode = _mm_getcsr();
    effect->processReplacing(effect, inputs, outputs, 4096);
    EXPECT_EQ(_mm_getcsr(), host_mode);
    for (float* channel : outputs)
        for (int i = 0; i < 4096; ++i)
            ASSERT_NE(std::fpclassify(channel[i]), FP_SUBNORMAL) << "frame " << i;
}

TEST(PluginEntry, AHostAnsweringVersionZeroGetsNothing) {
    static char home[] = "/tmp/tolvan-plugin-test-XXXXXX";
    setenv("XDG_DATA_HOME", mkdtemp(home), 1);
    LoadedPlugin module;
    host_state() = HostState{};
    host_state().m_version = 0;
    EXPECT_EQ(module.main()(host_callback), nullptr);
    EXPECT_EQ(module.main()(nullptr), nullptr);
}

TEST(PluginEntry, AnUnusableDataFolderGivesNoEffect) {
    setenv("XDG_DATA_HOME", "/proc/version", 1);
    LoadedPlugin module;
    host_state() = HostState{};
    EXPECT_EQ(module.main()(host_callback), nullptr);
}

TEST(PluginModule, ExportsOnlyTheEntryPoint) {
    const std::string command = "nm -D --defined-only '" TOLVAN_PLUGIN_PATH "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    std::vector<std::string> symbols;
    char line[512];
    while (fgets(line, sizeof line, pipe.get())) {
        std::string text(line);
        symbols.push_back(text.substr(text.rfind(' ') + 1, text.size() - text.rfind(' ') - 2));
    }
    EXPECT_EQ(symbols, std::vector<std::string>{"VSTPluginMain"});
}
