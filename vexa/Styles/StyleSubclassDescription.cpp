#include "vexa/Styles/StyleSubclassDescription.h"

namespace Vexa {

StyleCaseDescription& StyleSubclassDescription::get_or_add_case(const Orvo::WString& a_name) {
    if (a_name == u"default")
        return m_default_case;
    for (const auto& existing : m_cases)
        if (existing->get_name() == a_name)
            return *existing;
    m_cases.push_back(std::make_unique<StyleCaseDescription>(a_name));
    return *m_cases.back();
}

void StyleSubclassDescription::apply(const StyleTarget& a_target) const {
    m_block.apply(a_target);
    for (const auto& candidate : m_cases) {
        if (candidate->matches(a_target)) {
            candidate->get_block().apply(a_target);
            return;
        }
    }
    m_default_case.get_block().apply(a_target);
}

} // namespace Vexa
