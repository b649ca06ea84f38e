#pragma once

namespace Tonekit {

class Parameter;

// Why a value changed; the bits double as the device's smoothing reason mask.
enum ParameterChangeReason : unsigned {
    ParameterChangeReason_INTERNAL = 1, // editor, modulation, preset
    ParameterChangeReason_HOST = 2,
};

// A parameter's node in one of the device's two pending-change lists.
struct ParameterChangeLink {
    bool m_enlisted = false;
    ParameterChangeLink* m_next = nullptr;
    Parameter* m_parameter = nullptr;
    unsigned m_reason = 0;
};

} // namespace Tonekit
