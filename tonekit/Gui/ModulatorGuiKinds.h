#pragma once
// The panels of the modulator kinds: which controls each shows, in order, and which columns its
// entry table has.
// [ui-thread] Like every widget.

#include "tonekit/Gui/ModulatorPanel.h"

namespace Tonekit {

// A modulator that places its signal on its targets: amount, smoothing, and the entries'
// location and range.
class ModifyingModulatorGui : public ModulatorPanel {
public:
    using ModulatorPanel::ModulatorPanel;

protected:
    void add_controls(ModulatorPanelContents& a_contents) override;
};

class LfoModulatorGui : public ModifyingModulatorGui {
public:
    using ModifyingModulatorGui::ModifyingModulatorGui;

protected:
    void add_controls(ModulatorPanelContents& a_contents) override;
    std::vector<ModulatorGuiColumn> get_columns() const override;
    std::unique_ptr<ModulatorEntryGui> create_entry_gui(ModulatorEntry& a_entry) override;
};

class XyModulatorGui : public ModifyingModulatorGui {
public:
    using ModifyingModulatorGui::ModifyingModulatorGui;

protected:
    void add_controls(ModulatorPanelContents& a_contents) override;
    std::vector<ModulatorGuiColumn> get_columns() const override;
};

class CombinatorModulatorGui : public ModifyingModulatorGui {
public:
    using ModifyingModulatorGui::ModifyingModulatorGui;

protected:
    void add_controls(ModulatorPanelContents& a_contents) override;
};

// The panel of a_modulator's kind, built.
ModulatorPanel* create_modulator_panel(ModulationEditor& a_editor, Modulator& a_modulator);

} // namespace Tonekit
