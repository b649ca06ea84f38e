#pragma once

namespace Tonekit {

// Whatever owns parameters: a device program (kind 0), a modulator entry (1) or a modulator (2).
class ParameterOwner {
public:
    enum Kind : unsigned { Kind_PROGRAM = 0, Kind_MODULATOR_ENTRY = 1, Kind_MODULATOR = 2 };

    explicit ParameterOwner(Kind a_kind = Kind_PROGRAM) : m_owner_kind(a_kind) {}
    virtual ~ParameterOwner() = default;

    Kind m_owner_kind;
};

} // namespace Tonekit
