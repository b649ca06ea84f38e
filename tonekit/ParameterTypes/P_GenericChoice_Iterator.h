#pragma once

#include "orvo/Core/Vector.h"

#include <cstddef>
#include <utility>

namespace Tonekit {

class P_GenericChoice_Group;
class P_GenericChoice_Node;

// Walks an option tree depth first in insertion order, yielding every node below the root: a
// group is yielded and then entered. A node of an unknown kind (a corrupted tree) throws.
class P_GenericChoice_Iterator {
public:
    explicit P_GenericChoice_Iterator(P_GenericChoice_Group& a_root);
    // Null after the last node.
    P_GenericChoice_Node* next();

private:
    Orvo::Vector<std::pair<P_GenericChoice_Group*, std::size_t>> m_stack;
};

} // namespace Tonekit
