#pragma once
// Receives a walk over a device's parameters (the editor's parameter choosers build their lists
// from it). Every call has an empty default, so a listener implements only what it needs.

namespace Tonekit {

class Parameter;
class ParameterGroup;

class ParameterIteratorListener {
public:
    virtual ~ParameterIteratorListener() = default;
    virtual void before_program() {}
    virtual void after_modulator_group() {}
    virtual void before_entry_group() {}
    virtual void before_subgroup(ParameterGroup&) {}
    virtual void before_modulators() {}
    virtual void before_modulator_group() {}
    virtual void group_header(ParameterGroup&) {}
    virtual void after_parameters_before_subgroups(ParameterGroup&) {}
    virtual void after_program() {}
    virtual void after_modulator_entries() {}
    virtual void after_entry_group() {}
    virtual void after_subgroup(ParameterGroup&) {}
    virtual void after_modulators() {}
    virtual void modulator_end() {}
    virtual void after_parameters(ParameterGroup&) {}
    virtual void group_footer(ParameterGroup&) {}
    virtual void parameter(Parameter&) {}
};

} // namespace Tonekit
