// The chorus editor on the headless backend with 20 LFOs of 5 entries each in the shown stage:
// how long the modulation editor takes to rebuild its list and panels after a manager signal,
// including the measure, placement and paint the rebuild causes. Target: under 30 ms.

#include "chorus/gui/ChorusStyles.h"
#include "chorus/gui/TheEffectWithEditor.h"
#include "chorus/gui/TheGui.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Gui/ModulationEditor.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Modulation/Parameter_Modulatee.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "tonekit/vst/PluginEditor.h"
#include "tonekit/vst/VstHost.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace {

constexpr unsigned modulators = 20;
constexpr unsigned entries = 5;

Vst::IntPtr host_callback(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr, void*,
                          float) {
    return a_opcode == Vst::audioMasterVersion ? 2400 : 0;
}

void BM_RebuildModulationPanels(benchmark::State& a_state) {
    const std::filesystem::path home = std::filesystem::temp_directory_path() / "tolvan-mod-bench";
    std::filesystem::create_directories(home);
    setenv("XDG_DATA_HOME", home.c_str(), 1);
    Vexa::Application::acquire();
    Vexa::Toolkit::install(std::make_unique<Vexa::HeadlessPlatform>());
    auto effect = std::make_unique<tolvanchorus::TheEffectWithEditor>();
    tolvanchorus::TheEffectWithEditor& chorus = *effect;
    chorus.initialize();
    chorus.setSampleRate(48000.0f);
    tolvanchorus::load_style_sheet_at_start(chorus);
    auto* adapter =
        new Tonekit::VstHost(host_callback, std::move(effect), &Tonekit::PluginEditor::create);
    Vst::AEffect* aeffect = adapter->getAeffect();
    const auto dispatch = [&](Vst::Int32 a_opcode, void* a_pointer = nullptr) {
        return aeffect->dispatcher(aeffect, a_opcode, 0, 0, a_pointer, 0.0f);
    };

    Tonekit::ModulationManager& manager = *chorus.get_modulation_manager();
    Tonekit::Parameter* wet = chorus.get_program()->get_collection().find(Orvo::four_cc("Wet "));
    for (unsigned m = 0; m < modulators; ++m) {
        Tonekit::Modulator* lfo = manager.add_modulator(Tonekit::LfoModulator::type_code,
                                                        Tonekit::ProcessingStage_PRE_NOTE, m);
        for (unsigned e = 0; e < entries; ++e) {
            Tonekit::ModulatorEntry* entry = manager.add_entry(lfo);
            static_cast<Tonekit::Parameter_Modulatee*>(
                entry->find_parameter(Tonekit::ModulatorEntry::id_modulatee))
                ->set_value(wet->get_modulatee());
        }
    }
    dispatch(Vst::effEditOpen, reinterpret_cast<void*>(std::uintptr_t(1)));
    auto* editor = static_cast<Tonekit::PluginEditor*>(adapter->getEditor());
    auto& gui = *static_cast<tolvanchorus::TheGui*>(editor->get_gui());
    Tonekit::ModulationEditor& modulation = gui.get_modulation_editor();
    Vexa::Desktop& desktop = *gui.get_desktop();

    for (auto _ : a_state) {
        // What any structural signal of the manager does.
        Tonekit::ModulationEvents::OnLoaded loaded;
        manager.OnLoaded.emit(loaded);
        modulation.sync();
        desktop.flush();
    }
    a_state.counters["panels"] = double(modulation.get_panels().size());
    dispatch(Vst::effClose);
    std::filesystem::remove_all(home);
}
BENCHMARK(BM_RebuildModulationPanels)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
