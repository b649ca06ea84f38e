#pragma once
// The device's assignable slots, two to a row: each slot's number ("1:" for the slot the host
// names "Assignable 1") and a choice of the modulator parameters it may carry. Choosing one puts
// it on the slot, so the host automates it at the slot's index; "None" gives the slot back.
//
// The choices always show the slots as the program holds them. Every modulation signal re-reads
// the slot records; the removal signals come before anything is deleted, so slots whose parameter
// is about to go are shown free at once and no choice keeps a pointer that could be followed
// later. Renamed modulators (a parameter value, no modulation signal) are caught by the device
// GUI's refresh when one exists.
// [ui-thread] Like every widget.

#include "tonekit/Gui/GuiRefreshListener.h"
#include "vexa/Layouts/GridLayout.h"

#include <vector>

namespace Vexa {
class Label;
}

namespace Tonekit {

class Device;
class DeviceGuiConcrete;
class Parameter;
class ParameterChoice;
class ParameterOwner;

namespace ParameterChoiceEvents {
struct OnParameterChosen;
}
namespace ModulationEvents {
struct EntryEvent;
struct ModulatorEvent;
} // namespace ModulationEvents

class AssignmentEditorPanel : public Vexa::GridLayout, public GuiRefreshListener {
public:
    static constexpr unsigned slots_per_row = 2;
    // Wide enough for "modulator name/E12/parameter name" without the box jumping around.
    static constexpr int choice_width_in_characters = 28;

    explicit AssignmentEditorPanel(Device& a_device);
    ~AssignmentEditorPanel() override;

    const char16_t* get_widget_class() const override { return u"AssignmentEditorPanel"; }

    unsigned get_slot_count() const noexcept { return unsigned(m_choices.size()); }
    ParameterChoice& get_choice(unsigned a_slot) const { return *m_choices.at(a_slot); }
    Vexa::Label& get_label(unsigned a_slot) const { return *m_labels.at(a_slot); }

    // Puts a_parameter on slot a_slot (null frees it), as choosing it in the slot's box does.
    void assign(unsigned a_slot, Parameter* a_parameter);
    // Every choice shows its slot's record again; nothing changes where it already does.
    void refresh();

    void on_gui_refreshed() override { refresh(); }
    void on_gui_destroyed() override { m_gui = nullptr; }

private:
    // a_going: parameters it owns (a modulator, with its entries, or an entry) count as gone.
    void p_refresh(const ParameterOwner* a_going);
    void p_on_chosen(ParameterChoiceEvents::OnParameterChosen& a_event);
    template <class Event>
    void p_on_changed(Event& a_event);
    void p_on_modulator_removing(ModulationEvents::ModulatorEvent& a_event);
    void p_on_entry_removing(ModulationEvents::EntryEvent& a_event);

    Device& m_device;
    // Only compared with the device's current GUI: it may be gone before this panel.
    DeviceGuiConcrete* m_gui = nullptr;
    std::vector<Vexa::Label*> m_labels;
    std::vector<ParameterChoice*> m_choices;
};

} // namespace Tonekit
