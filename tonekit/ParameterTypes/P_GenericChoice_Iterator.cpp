#include "tonekit/ParameterTypes/P_GenericChoice_Iterator.h"

#include "orvo/Core/Exception.h"
#include "tonekit/ParameterTypes/P_GenericChoice_Node.h"

namespace Tonekit {

P_GenericChoice_Iterator::P_GenericChoice_Iterator(P_GenericChoice_Group& a_root) {
    m_stack.emplace_back(&a_root, 0);
}

P_GenericChoice_Node* P_GenericChoice_Iterator::next() {
    while (!m_stack.empty()) {
        auto& [group, position] = m_stack.back();
        if (position >= group->m_children.size()) {
            m_stack.pop_back();
            continue;
        }
        P_GenericChoice_Node* node = group->m_children[position++].get();
        switch (node->m_kind) {
        case P_GenericChoice_Node::Kind_GROUP:
            m_stack.emplace_back(static_cast<P_GenericChoice_Group*>(node), 0);
            return node;
        case P_GenericChoice_Node::Kind_OPTION:
        case P_GenericChoice_Node::Kind_SEPARATOR:
            return node;
        default:
            throw Orvo::Exception(u"P_GenericChoice_Iterator: Invalid P_GenericChoice_Node type.");
        }
    }
    return nullptr;
}

} // namespace Tonekit
