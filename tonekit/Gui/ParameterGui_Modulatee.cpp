#include "tonekit/Gui/ParameterGui_Modulatee.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Modulation/Modulatee.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulationRoute.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Modulation/ModulatorEntry.h"
#include "tonekit/ParameterTypes/FloatParameter.h"

#include <algorithm>
#include <atomic>

namespace Tonekit {

ParameterGui_Modulatee::ParameterGui_Modulatee(Parameter* a_parameter)
    : SingleParameterEditor(a_parameter) {}

bool ParameterGui_Modulatee::shows_modulation() const {
    Parameter* parameter = get_parameter();
    const Modulatee* modulatee = parameter ? parameter->get_modulatee() : nullptr;
    return modulatee && modulatee->m_accepts_modulation;
}

void ParameterGui_Modulatee::set_hovered(bool a_hovered) {
    if (a_hovered == is_hovered())
        return;
    SingleParameterEditor::set_hovered(a_hovered);
    const Device* device = get_parameter() ? get_parameter()->get_device() : nullptr;
    if (device && device->m_modulation_visualization == Modvis_BELOW_MOUSE_CURSOR)
        repaint_modulation();
}

void ParameterGui_Modulatee::on_modulation_changed(Parameter&) {
    repaint_modulation();
}

bool ParameterGui_Modulatee::is_modulation_visible() const {
    const Device* device = get_parameter() ? get_parameter()->get_device() : nullptr;
    if (!device || !shows_modulation())
        return false;
    switch (device->m_modulation_visualization) {
    case Modvis_ALL:
        return true;
    case Modvis_BELOW_MOUSE_CURSOR:
        return is_hovered();
    default:
        return false;
    }
}

std::vector<ParameterGui_Modulatee::ModulationMark>
ParameterGui_Modulatee::get_modulation_marks() const {
    std::vector<ModulationMark> marks;
    auto* target = dynamic_cast<FloatParameter*>(get_parameter());
    const Device* device = target ? target->get_device() : nullptr;
    const ModulationManager* manager = device ? device->get_modulation_manager() : nullptr;
    const ModulationRoute* route = manager ? manager->find_route(target) : nullptr;
    if (!route)
        return marks;
    for (const ModulatorEntry* entry : route->m_entries) {
        if (entry->m_lanes.empty() || !entry->m_lanes[0].m_output)
            continue;
        // The audio thread writes the lanes during its blocks; a mark only needs some recent
        // value, so a relaxed read of the first frame of the last chunk is enough.
        const float position =
            std::atomic_ref<float>(entry->m_lanes[0].m_output[0]).load(std::memory_order_relaxed);
        const bool signalling = entry->is_enabled() && entry->m_modulator->is_enabled();
        marks.push_back({std::clamp(position, 0.0f, 1.0f), signalling});
    }
    return marks;
}

} // namespace Tonekit
