#pragma once
// A drop-down that chooses one of the device's parameters (an assignable slot's parameter, say):
// the program's groups and every modulator become submenus, a modulator's entries submenus
// "Entry 1", "Entry 2" ... inside it, holding the parameters that pass the filter. The first item,
// "None", chooses nothing; when no parameter passes, the only item is
// "<no parameters to choose>". The list is walked afresh each time it is needed, so it follows
// modulators added and removed meanwhile.
// [ui-thread] Like every widget.

#include "orvo/Signals/Signal1.h"
#include "vexa/Widgets/ComboBox.h"

#include <functional>
#include <vector>

namespace Tonekit {

class Device;
class Parameter;
class ParameterChoice;

namespace ParameterChoiceEvents {
struct OnParameterChosen {
    ParameterChoice* choice;
    Parameter* parameter; // null for "None"
};
} // namespace ParameterChoiceEvents

class ParameterChoice : public Vexa::ComboBox {
public:
    static constexpr const char16_t* none_text = u"None";
    static constexpr const char16_t* nothing_to_choose_text = u"<no parameters to choose>";

    // a_filter and a_walk take ParameterIterator's Filter and Walk bits.
    ParameterChoice(Device& a_device, unsigned a_filter, unsigned a_walk);
    // Narrowed further by a_accept from the start, showing a_chosen. Only a choice that starts
    // with none walks the device at once (to say whether there is anything to choose).
    ParameterChoice(Device& a_device, unsigned a_filter, unsigned a_walk,
                    std::function<bool(Parameter&)> a_accept, Parameter* a_chosen);

    // Shows a_parameter as chosen (null: none) without emitting anything.
    void set_parameter(Parameter* a_parameter);
    Parameter* get_parameter() const noexcept { return m_chosen; }
    // What the list offers now, in menu order ("None" aside).
    const std::vector<Parameter*>& get_candidates();
    // As if the user picked a_parameter (null: "None") from the list.
    void choose(Parameter* a_parameter);
    // Narrows the walk further: only parameters a_accept takes are offered.
    void set_candidate_filter(std::function<bool(Parameter&)> a_accept) {
        m_accept = std::move(a_accept);
    }

    Orvo::Signal1<ParameterChoiceEvents::OnParameterChosen&> m_on_parameter_chosen;

protected:
    void build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) override;
    void item_chosen(const Vexa::ComboBoxItem& a_item) override;

private:
    // Walks the device; fills m_candidates (item id - 1 = index) and, given a builder, the items.
    void p_walk(Vexa::ComboBoxItemTreeBuilder* a_builder);

    Device& m_device;
    unsigned m_filter;
    unsigned m_walk;
    // Compared, never followed: the parameter may be gone by the time the box is painted.
    Parameter* m_chosen = nullptr;
    std::vector<Parameter*> m_candidates;
    std::function<bool(Parameter&)> m_accept;
};

} // namespace Tonekit
