#include "tonekit/Gui/ParameterChoice.h"

#include "orvo/Core/MessageFormat.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/ParameterIterator.h"
#include "tonekit/Devices/ParameterIteratorListener.h"
#include "tonekit/Modulation/ModulationManager.h"
#include "tonekit/Modulation/ModulationPath.h"
#include "tonekit/Modulation/Modulator.h"
#include "tonekit/Parameters/Parameter.h"
#include "tonekit/Parameters/ParameterGroup.h"

#include <string>

namespace Tonekit {

namespace {

constexpr const char16_t* nothing_to_choose = ParameterChoice::nothing_to_choose_text;
constexpr const char16_t* none_label = ParameterChoice::none_text;

struct Node {
    std::u16string label;
    Parameter* parameter = nullptr;
    std::vector<Node> children;

    bool holds_parameters() const {
        if (parameter)
            return true;
        for (const Node& child : children)
            if (child.holds_parameters())
                return true;
        return false;
    }
};

// Collects the walk into a tree first: a group's submenu is only known to be worth showing once
// its subgroups are walked.
class TreeCollector : public ParameterIteratorListener {
public:
    TreeCollector(Device& a_device, const std::function<bool(Parameter&)>& a_accept)
        : m_device(a_device), m_accept(a_accept) {
        m_stack.push_back(&m_root);
    }

    void before_subgroup(ParameterGroup& a_group) override {
        p_open(std::u16string(a_group.m_name.view()));
    }
    void after_subgroup(ParameterGroup&) override { m_stack.pop_back(); }
    void before_modulator_group() override {
        const ModulationManager* manager = m_device.get_modulation_manager();
        const unsigned index = m_modulator_index++;
        p_open(manager && index < manager->get_modulator_count()
                   ? std::u16string(manager->get_modulator(index)->get_title().view())
                   : std::u16string());
        m_entry_number = 0;
    }
    void before_entry_group() override {
        const Orvo::WString number(std::u16string_view(p_digits(++m_entry_number)));
        p_open(std::u16string(Orvo::format_message(u"Entry @1", {number}).view()));
    }
    void after_entry_group() override { m_stack.pop_back(); }
    void modulator_end() override { m_stack.pop_back(); }
    void parameter(Parameter& a_parameter) override {
        if (m_accept && !m_accept(a_parameter))
            return;
        m_stack.back()->children.push_back(
            {std::u16string(a_parameter.m_display_name.view()), &a_parameter, {}});
    }

    Node m_root;

private:
    static std::u16string p_digits(unsigned a_number) {
        const std::string digits = std::to_string(a_number);
        return std::u16string(digits.begin(), digits.end());
    }
    void p_open(std::u16string a_label) {
        m_stack.back()->children.push_back({std::move(a_label), nullptr, {}});
        m_stack.push_back(&m_stack.back()->children.back());
    }

    Device& m_device;
    const std::function<bool(Parameter&)>& m_accept;
    std::vector<Node*> m_stack;
    unsigned m_modulator_index = 0;
    unsigned m_entry_number = 0;
};

} // namespace

ParameterChoice::ParameterChoice(Device& a_device, unsigned a_filter, unsigned a_walk)
    : ParameterChoice(a_device, a_filter, a_walk, {}, nullptr) {}

ParameterChoice::ParameterChoice(Device& a_device, unsigned a_filter, unsigned a_walk,
                                 std::function<bool(Parameter&)> a_accept, Parameter* a_chosen)
    : m_device(a_device), m_filter(a_filter), m_walk(a_walk), m_accept(std::move(a_accept)) {
    set_parameter(a_chosen);
}

void ParameterChoice::set_parameter(Parameter* a_parameter) {
    m_chosen = a_parameter;
    if (a_parameter) {
        set_text(std::u16string(parameter_path_text(*a_parameter).view()));
        return;
    }
    p_walk(nullptr);
    set_text(m_candidates.empty() ? nothing_to_choose : none_label);
}

void ParameterChoice::build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) {
    p_walk(&a_builder);
}

void ParameterChoice::item_chosen(const Vexa::ComboBoxItem& a_item) {
    if (a_item.id > m_candidates.size())
        return;
    choose(a_item.id == 0 ? nullptr : m_candidates[a_item.id - 1]);
}

const std::vector<Parameter*>& ParameterChoice::get_candidates() {
    p_walk(nullptr);
    return m_candidates;
}

void ParameterChoice::choose(Parameter* a_parameter) {
    set_parameter(a_parameter);
    ParameterChoiceEvents::OnParameterChosen event{this, a_parameter};
    m_on_parameter_chosen.emit(event);
}

void ParameterChoice::p_walk(Vexa::ComboBoxItemTreeBuilder* a_builder) {
    TreeCollector collector(m_device, m_accept);
    ParameterIterator(m_device, collector, m_filter, m_walk).run();
    m_candidates.clear();
    if (!collector.m_root.holds_parameters()) {
        if (a_builder)
            a_builder->add_item(nothing_to_choose, 0, false, false);
        return;
    }
    if (a_builder) {
        a_builder->add_item(none_label, 0, m_chosen == nullptr);
        a_builder->add_separator();
    }
    auto emit = [&](auto& a_self, const Node& a_node) -> void {
        for (const Node& child : a_node.children) {
            if (child.parameter) {
                m_candidates.push_back(child.parameter);
                if (a_builder)
                    a_builder->add_item(child.label, m_candidates.size(),
                                        child.parameter == m_chosen);
            } else if (child.holds_parameters()) {
                if (a_builder)
                    a_builder->begin_submenu(child.label);
                a_self(a_self, child);
                if (a_builder)
                    a_builder->end_submenu();
            }
        }
    };
    emit(emit, collector.m_root);
}

} // namespace Tonekit
