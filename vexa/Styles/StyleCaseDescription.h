#pragma once
// One case of a subclass: a named block that applies while all its switch conditions hold.

#include "orvo/Core/String.h"
#include "vexa/Styles/StyleDeclarationBlock.h"

#include <vector>

namespace Vexa {

class StyleManager;

struct StyleSwitchCondition {
    StyleManager* manager = nullptr;
    int index = 0;
    bool required = true;
};

class StyleCaseDescription {
public:
    explicit StyleCaseDescription(Orvo::WString a_name) : m_name(std::move(a_name)) {}

    const Orvo::WString& get_name() const noexcept { return m_name; }
    StyleDeclarationBlock& get_block() noexcept { return m_block; }
    const StyleDeclarationBlock& get_block() const noexcept { return m_block; }
    void add_condition(const StyleSwitchCondition& a_condition) {
        m_conditions.push_back(a_condition);
    }
    const std::vector<StyleSwitchCondition>& get_conditions() const noexcept {
        return m_conditions;
    }
    // Each switch's state for the widget, asked of the switch's manager, equals the required one.
    bool matches(const StyleTarget& a_target) const;

private:
    Orvo::WString m_name;
    StyleDeclarationBlock m_block;
    std::vector<StyleSwitchCondition> m_conditions;
};

} // namespace Vexa
