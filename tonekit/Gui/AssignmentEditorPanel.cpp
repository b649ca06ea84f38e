#include "tonekit/Gui/AssignmentEditorPanel.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Devices/Host.h"
#include "tonekit/Devices/ParameterIterator.h"
#include "tonekit/Devices/ParameterIteratorListener.h"
#include "tonekit/Gui/DeviceGuiConcrete.h"
#include "tonekit/Gui/ParameterChoice.h"
#include "tonekit/Modulation/ModulationEvents.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulationPath.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/Parameters/Parameter.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/Label.h"

#include <string>

namespace Tonekit {

namespace {

// What a slot may carry: the modulators' parameters that are offered for it, and that the host
// can automate at all.
constexpr unsigned slot_filter =
    ParameterIterator::Filter_OFFERED_FOR_SLOT_ASSIGNMENT | ParameterIterator::Filter_AUTOMATABLE;
constexpr unsigned columns_per_slot = 2;

bool goes_with(const Parameter& a_parameter, const ParameterOwner* a_going) {
    if (!a_going)
        return false;
    if (a_parameter.get_owner() == a_going)
        return true;
    return a_going->m_owner_kind == ParameterOwner::Kind_MODULATOR &&
           ModulationManager::owning_modulator(a_parameter) == a_going;
}

// Whether the choices have anything to offer once a_going's parameters are gone.
class OfferCounter : public ParameterIteratorListener {
public:
    explicit OfferCounter(const ParameterOwner* a_going) : m_going(a_going) {}
    void parameter(Parameter& a_parameter) override {
        if (!goes_with(a_parameter, m_going))
            ++m_count;
    }
    unsigned m_count = 0;

private:
    const ParameterOwner* m_going;
};

std::u16string slot_label(unsigned a_slot) {
    const std::string text = std::to_string(a_slot + 1) + ":";
    return std::u16string(text.begin(), text.end());
}

} // namespace

AssignmentEditorPanel::AssignmentEditorPanel(Device& a_device)
    : GridLayout(0, slots_per_row * columns_per_slot), m_device(a_device) {
    const unsigned slots = m_device.get_program()->get_slot_count();
    insert_rows(0, (slots + slots_per_row - 1) / slots_per_row);
    for (unsigned slot = 0; slot < slots; ++slot) {
        auto* label = new Vexa::Label(slot_label(slot));
        label->set_alignment(Vexa::TextAlignment_RIGHT, Vexa::TextAlignment_MIDDLE);
        auto* choice =
            new ParameterChoice(m_device, slot_filter, ParameterIterator::Walk_MODULATORS);
        choice->set_width_in_characters(choice_width_in_characters);
        const std::size_t row = slot / slots_per_row;
        const std::size_t column = slot % slots_per_row * columns_per_slot;
        set_cell(row, column, label);
        set_cell(row, column + 1, choice);
        connect(choice->m_on_parameter_chosen, this, &AssignmentEditorPanel::p_on_chosen);
        m_labels.push_back(label);
        m_choices.push_back(choice);
    }

    if (ModulationManager* manager = m_device.get_modulation_manager()) {
        using namespace ModulationEvents;
        connect(manager->OnModulatorRemoving, this,
                &AssignmentEditorPanel::p_on_modulator_removing);
        connect(manager->OnEntryRemoving, this, &AssignmentEditorPanel::p_on_entry_removing);
        connect(manager->OnCleared, this, &AssignmentEditorPanel::p_on_changed<OnCleared>);
        connect(manager->OnLoaded, this, &AssignmentEditorPanel::p_on_changed<OnLoaded>);
        connect(manager->OnEntryAdded, this, &AssignmentEditorPanel::p_on_changed<EntryEvent>);
        connect(manager->OnEntryMoved, this, &AssignmentEditorPanel::p_on_changed<OnEntryMoved>);
        connect(manager->OnModulatorAdded, this,
                &AssignmentEditorPanel::p_on_changed<ModulatorEvent>);
        connect(manager->OnModulatorIndexChanged, this,
                &AssignmentEditorPanel::p_on_changed<ModulatorEvent>);
        connect(manager->OnModulatorMoved, this,
                &AssignmentEditorPanel::p_on_changed<OnModulatorMoved>);
        connect(manager->OnModulatorEntriesChanged, this,
                &AssignmentEditorPanel::p_on_changed<ModulatorEvent>);
        // The last word of a removal that leaves modulators behind.
        connect(manager->OnModulatorRewired, this,
                &AssignmentEditorPanel::p_on_changed<ModulatorEvent>);
    }
    // Names change as parameter values, which only the GUI's refresh sees.
    m_gui = dynamic_cast<DeviceGuiConcrete*>(m_device.get_gui());
    if (m_gui)
        m_gui->add_refresh_listener(this);
    refresh();
}

AssignmentEditorPanel::~AssignmentEditorPanel() {
    if (m_gui)
        m_gui->remove_refresh_listener(this);
}

void AssignmentEditorPanel::assign(unsigned a_slot, Parameter* a_parameter) {
    {
        // The host reads and writes its parameters under the parameter lock, from any thread;
        // the audio goes on, since the slot's index changes nothing it processes.
        auto locks = m_device.lock_values();
        m_device.get_program()->assign(a_slot, a_parameter);
    }
    // The slot's value and text are another parameter's now.
    if (Host* host = m_device.get_host())
        host->update_display();
    // A parameter moved here leaves its old slot free.
    refresh();
}

void AssignmentEditorPanel::refresh() {
    p_refresh(nullptr);
}

void AssignmentEditorPanel::p_refresh(const ParameterOwner* a_going) {
    const DeviceProgram& program = *m_device.get_program();
    OfferCounter offers(a_going);
    ParameterIterator(m_device, offers, slot_filter, ParameterIterator::Walk_MODULATORS).run();
    const std::u16string free_text(offers.m_count ? ParameterChoice::none_text
                                                  : ParameterChoice::nothing_to_choose_text);
    for (unsigned slot = 0; slot < m_choices.size(); ++slot) {
        ParameterChoice& choice = *m_choices[slot];
        Parameter* assigned = program.get_slot_record(slot).m_assigned;
        if (assigned && goes_with(*assigned, a_going))
            assigned = nullptr;
        if (assigned) {
            const std::u16string path(parameter_path_text(*assigned).view());
            if (choice.get_parameter() != assigned || choice.get_text() != path)
                choice.set_parameter(assigned);
            continue;
        }
        if (choice.get_parameter())
            choice.set_parameter(nullptr);
        // The choice still sees what is about to go; its own list is walked afresh when opened.
        if (choice.get_text() != free_text)
            choice.set_text(free_text);
    }
}

void AssignmentEditorPanel::p_on_chosen(ParameterChoiceEvents::OnParameterChosen& a_event) {
    for (unsigned slot = 0; slot < m_choices.size(); ++slot)
        if (m_choices[slot] == a_event.choice) {
            assign(slot, a_event.parameter);
            return;
        }
}

template <class Event>
void AssignmentEditorPanel::p_on_changed(Event&) {
    refresh();
}

void AssignmentEditorPanel::p_on_modulator_removing(ModulationEvents::ModulatorEvent& a_event) {
    p_refresh(a_event.m_modulator);
}

void AssignmentEditorPanel::p_on_entry_removing(ModulationEvents::EntryEvent& a_event) {
    p_refresh(a_event.m_entry);
}

} // namespace Tonekit
