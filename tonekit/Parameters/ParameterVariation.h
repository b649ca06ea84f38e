#pragma once

#include "orvo/Core/String.h"

#include <cstdint>
#include <utility>

namespace Tonekit {

// One alternative definition of a parameter, e.g. a gain that runs 0..1, 0..-1 or -1..1. The
// user picks one from the editor's menu; presets store its identifier beside the value. Kinds add
// what the definition consists of (FloatParameterVariation: unit, interval, default, scale).
class ParameterVariation {
public:
    ParameterVariation(std::uint32_t a_id, Orvo::WString a_name)
        : m_id(a_id), m_name(std::move(a_name)) {}
    ParameterVariation(const ParameterVariation&) = delete;
    ParameterVariation& operator=(const ParameterVariation&) = delete;
    virtual ~ParameterVariation() = default;

    // A four-character code or a small integer; never 0, unique within its parameter.
    std::uint32_t m_id;
    Orvo::WString m_name;
};

} // namespace Tonekit
