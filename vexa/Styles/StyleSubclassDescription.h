#pragma once
// A subclass of a style class: its own block, its cases in sheet order, and the "default" case
// that applies when none of the others matches.

#include "vexa/Styles/StyleCaseDescription.h"

#include <memory>
#include <vector>

namespace Vexa {

class StyleSubclassDescription {
public:
    StyleSubclassDescription() : m_default_case(Orvo::WString(u"default")) {}

    StyleDeclarationBlock& get_block() noexcept { return m_block; }
    StyleCaseDescription& get_default_case() noexcept { return m_default_case; }
    // "default" gives the default case; another name its case, appended at the end when new.
    StyleCaseDescription& get_or_add_case(const Orvo::WString& a_name);
    std::size_t get_case_count() const noexcept { return m_cases.size(); }

    // The own block, then the first matching case, else the default case.
    void apply(const StyleTarget& a_target) const;

private:
    StyleDeclarationBlock m_block;
    std::vector<std::unique_ptr<StyleCaseDescription>> m_cases;
    StyleCaseDescription m_default_case;
};

} // namespace Vexa
