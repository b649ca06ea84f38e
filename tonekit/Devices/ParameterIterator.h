#pragma once
// Walks the program's parameter tree, and the modulators' trees, in a fixed order of listener
// calls, passing on the parameters that pass every filter bit that is set.

namespace Tonekit {

class Device;
class Parameter;
class ParameterGroup;
class ParameterIteratorListener;

class ParameterIterator {
public:
    enum Filter : unsigned {
        Filter_OFFERED_FOR_SLOT_ASSIGNMENT = 1,
        Filter_MODULATABLE = 2,
        Filter_AUTOMATABLE = 4,
    };
    enum Walk : unsigned {
        Walk_PROGRAM = 1,
        Walk_MODULATORS = 2,
    };

    ParameterIterator(Device& a_device, ParameterIteratorListener& a_listener, unsigned a_filter,
                      unsigned a_walk, unsigned a_first_modulator = 0);
    void run();
    bool passes(Parameter& a_parameter) const;

private:
    void p_walk_group(ParameterGroup& a_group);

    Device& m_device;
    ParameterIteratorListener& m_listener;
    unsigned m_first_modulator;
    unsigned m_filter;
    unsigned m_walk;
};

} // namespace Tonekit
