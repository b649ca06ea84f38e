#pragma once

#include "orvo/Core/String.h"

namespace Tonekit {

class MusicalTriggerGroup;

// A node of the trigger catalogue: a group (a heading in the editor's trigger menu) or a trigger.
class MusicalTriggerNode {
public:
    enum Kind : unsigned { Kind_GROUP = 0, Kind_TRIGGER = 1 };

    MusicalTriggerNode(Kind a_kind, Orvo::WString a_name)
        : m_kind(a_kind), m_name(std::move(a_name)) {}
    MusicalTriggerNode(const MusicalTriggerNode&) = delete;
    MusicalTriggerNode& operator=(const MusicalTriggerNode&) = delete;
    virtual ~MusicalTriggerNode() = default;

    const Kind m_kind;
    Orvo::WString m_name;
    MusicalTriggerGroup* m_parent = nullptr;
};

} // namespace Tonekit
