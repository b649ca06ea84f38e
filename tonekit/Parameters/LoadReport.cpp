#include "tonekit/Parameters/LoadReport.h"

#include "orvo/Binis/BiniNode.h"
#include "orvo/Core/MessageFormat.h"

namespace Tonekit {

void LoadReport::add(std::u16string_view a_template, const Orvo::WString& a_argument,
                     const Orvo::BiniNode* a_node) {
    add(Orvo::format_message(a_template, {a_argument}), a_node);
}

void LoadReport::add(std::u16string_view a_message, const Orvo::BiniNode* a_node) {
    Entry entry;
    entry.m_message = Orvo::WString(a_message);
    entry.m_node = a_node;
    if (a_node)
        entry.m_node_path = a_node->get_path_text();
    entry.m_object = m_object;
    m_entries.push_back(std::move(entry));
}

} // namespace Tonekit
