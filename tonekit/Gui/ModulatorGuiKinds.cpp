#include "tonekit/Gui/ModulatorGuiKinds.h"

#include "tonekit/Gui/ModulationEditor.h"
#include "tonekit/Gui/ModulatorEntryGui.h"
#include "tonekit/Modulation/CombinatorModulator.h"
#include "tonekit/Modulation/LfoModulator.h"
#include "tonekit/Modulation/XyModulator.h"
#include "vexa/Layouts/HorizontalLayout.h"

namespace Tonekit {

void ModifyingModulatorGui::add_controls(ModulatorPanelContents& a_contents) {
    a_contents.add_control(u"Amount:", p_editor_of(ModifyingModulator::id_amount));
    a_contents.add_control(u"Smoothing:", p_editor_of(ModifyingModulator::id_smoothing));
    a_contents.add_control(u"Smoothness:", p_editor_of(ModifyingModulator::id_smoothness));
}

void LfoModulatorGui::add_controls(ModulatorPanelContents& a_contents) {
    a_contents.add_control(u"Amount:", p_editor_of(ModifyingModulator::id_amount));
    a_contents.add_control(u"Waveform:", p_editor_of(LfoModulator::id_waveform));
    // The cycle's base in one row: how it follows the host, then the fraction and its modifier.
    auto* base = new Vexa::HorizontalLayout;
    for (std::uint32_t id :
         {LfoModulator::id_synchronization_type, LfoModulator::id_whole, LfoModulator::id_numerator,
          LfoModulator::id_denominator, LfoModulator::id_modifier})
        if (Vexa::Widget* editor = p_editor_of(id))
            base->append(editor);
    a_contents.add_control(u"Frequency base:", base);
    a_contents.add_control(u"Phase:", p_editor_of(LfoModulator::id_phase));
    a_contents.add_control(u"Frequency factor:", p_editor_of(LfoModulator::id_frequency_factor));
    a_contents.add_control(u"Pwm:", p_editor_of(LfoModulator::id_pwm));
    a_contents.add_control(u"Smoothing:", p_editor_of(ModifyingModulator::id_smoothing));
    a_contents.add_control(u"Invert:", p_editor_of(ModifyingModulator::id_invert));
    a_contents.add_control(u"Smoothness:", p_editor_of(ModifyingModulator::id_smoothness));
    a_contents.add_control(u"Retrigger key:", p_editor_of(LfoModulator::id_retrigger_key));
}

std::vector<ModulatorGuiColumn> LfoModulatorGui::get_columns() const {
    std::vector<ModulatorGuiColumn> columns = ModulatorPanel::get_columns();
    columns.push_back({u"Phase group", ModulatorGuiColumnKind_PHASE_GROUP});
    return columns;
}

std::unique_ptr<ModulatorEntryGui> LfoModulatorGui::create_entry_gui(ModulatorEntry& a_entry) {
    return std::make_unique<LfoModulatorEntryGui>(a_entry, get_editor().get_runner());
}

void XyModulatorGui::add_controls(ModulatorPanelContents& a_contents) {
    ModifyingModulatorGui::add_controls(a_contents);
    a_contents.add_control(u"X:", p_editor_of(XyModulator::id_x));
    a_contents.add_control(u"Y:", p_editor_of(XyModulator::id_y));
}

std::vector<ModulatorGuiColumn> XyModulatorGui::get_columns() const {
    std::vector<ModulatorGuiColumn> columns = ModulatorPanel::get_columns();
    columns.push_back({u"Axis", ModulatorGuiColumnKind_AXIS});
    return columns;
}

void CombinatorModulatorGui::add_controls(ModulatorPanelContents& a_contents) {
    a_contents.add_control(u"X:", p_editor_of(CombinatorModulator::id_x));
    a_contents.add_control(u"Amount:", p_editor_of(ModifyingModulator::id_amount));
}

ModulatorPanel* create_modulator_panel(ModulationEditor& a_editor, Modulator& a_modulator) {
    ModulatorPanel* panel;
    if (dynamic_cast<LfoModulator*>(&a_modulator))
        panel = new LfoModulatorGui(a_editor, a_modulator);
    else if (dynamic_cast<XyModulator*>(&a_modulator))
        panel = new XyModulatorGui(a_editor, a_modulator);
    else if (dynamic_cast<CombinatorModulator*>(&a_modulator))
        panel = new CombinatorModulatorGui(a_editor, a_modulator);
    else
        panel = new ModifyingModulatorGui(a_editor, a_modulator);
    panel->build();
    return panel;
}

} // namespace Tonekit
