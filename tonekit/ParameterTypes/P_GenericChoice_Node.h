#pragma once
// The option tree of a choice: groups (submenus), options and separators, in the order the owner
// appended them. The tree only describes the menu; the choice flattens the options into index
// order when it is initialized.

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <cstdint>
#include <memory>

namespace Tonekit {

class P_GenericChoice_Node {
public:
    enum Kind : unsigned { Kind_GROUP = 0, Kind_OPTION = 1, Kind_SEPARATOR = 2 };

    P_GenericChoice_Node(const P_GenericChoice_Node&) = delete;
    P_GenericChoice_Node& operator=(const P_GenericChoice_Node&) = delete;
    virtual ~P_GenericChoice_Node() = default;

    unsigned m_kind;

protected:
    explicit P_GenericChoice_Node(unsigned a_kind) : m_kind(a_kind) {}
};

class P_GenericChoice_Group : public P_GenericChoice_Node {
public:
    explicit P_GenericChoice_Group(Orvo::WString a_name = {})
        : P_GenericChoice_Node(Kind_GROUP), m_name(std::move(a_name)) {}

    Orvo::WString m_name;
    Orvo::Vector<std::unique_ptr<P_GenericChoice_Node>> m_children;
};

class P_GenericChoice_Option : public P_GenericChoice_Node {
public:
    P_GenericChoice_Option(std::uint32_t a_id, Orvo::WString a_name, const Orvo::WString& a_label)
        : P_GenericChoice_Node(Kind_OPTION), m_id(a_id), m_name(std::move(a_name)),
          m_label(a_label.empty() ? m_name : a_label) {}

    // What presets store; non-zero and unique within the choice.
    std::uint32_t m_id;
    Orvo::WString m_name;
    Orvo::WString m_label;
    // Set when the choice is initialized.
    unsigned m_index = 0;
    float m_centre = 0.0f;
};

class P_GenericChoice_Separator : public P_GenericChoice_Node {
public:
    P_GenericChoice_Separator() : P_GenericChoice_Node(Kind_SEPARATOR) {}
};

} // namespace Tonekit
