#include "tonekit/Gui/ModulatorEntryGui.h"

#include "tonekit/Gui/ParameterEditorFactory.h"
#include "tonekit/Gui/ParameterGui_Target.h"
#include "tonekit/Modulation/LfoModulatorEntry.h"
#include "tonekit/Modulation/ModifyingModulatorEntry.h"
#include "tonekit/Modulation/XyModulator.h"
#include "vexa/Layouts/HorizontalLayout.h"

namespace Tonekit {

namespace {

constexpr int phase_group_width = 22;

} // namespace

Vexa::Widget* ModulatorEntryGui::create_cell(const ModulatorGuiColumn& a_column) {
    switch (a_column.kind) {
    case ModulatorGuiColumnKind_TARGET:
        return new ParameterGui_Target(m_entry, m_run);
    case ModulatorGuiColumnKind_LOCATION:
        return p_editor_of(ModifyingModulatorEntry::id_location);
    case ModulatorGuiColumnKind_RANGE:
        return p_editor_of(ModifyingModulatorEntry::id_range);
    case ModulatorGuiColumnKind_AXIS:
        return p_editor_of(XyModulatorEntry::id_axis);
    case ModulatorGuiColumnKind_PHASE_GROUP:
        return nullptr;
    }
    return nullptr;
}

Vexa::Widget* ModulatorEntryGui::p_editor_of(unsigned a_id) const {
    Parameter* parameter = m_entry.find_parameter(a_id);
    return parameter ? create_parameter_editor(parameter) : nullptr;
}

Vexa::Widget* LfoModulatorEntryGui::create_cell(const ModulatorGuiColumn& a_column) {
    if (a_column.kind != ModulatorGuiColumnKind_PHASE_GROUP)
        return ModulatorEntryGui::create_cell(a_column);
    Vexa::Widget* group = p_editor_of(LfoModulatorEntry::id_start_phase_group);
    Vexa::Widget* phase = p_editor_of(LfoModulatorEntry::id_phase);
    if (!group || !phase) {
        delete group;
        delete phase;
        return nullptr;
    }
    auto* pair = new Vexa::HorizontalLayout;
    // The check box keeps to its box; the phase takes the rest of the cell.
    group->set_size_constraint(Vexa::WidgetSizeIndex_MAX_WIDTH, phase_group_width);
    pair->append(group);
    pair->append(phase);
    return pair;
}

} // namespace Tonekit
