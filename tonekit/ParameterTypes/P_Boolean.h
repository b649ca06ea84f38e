#pragma once

#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

// On or off: normalized values from 0.5 up are on.
class P_Boolean : public Parameter {
public:
    explicit P_Boolean(bool a_default);

    void set_target(bool* a_target) noexcept { m_target = a_target; }
    bool get_value() const noexcept { return m_value; }
    // [ui-thread] The editor road.
    void set_value(bool a_value);

    void do_initialize() override;
    void commit() override;
    // Anything but a bool throws BiniException_InvalidValueType ("Expected type bool.").
    bool do_load(Orvo::BiniNode& a_node) override;
    void reset() override;
    void do_save(Orvo::BiniNode& a_node) override;
    bool from_string(const Orvo::WString& a_text) override;
    void copy_value(const Parameter& a_other) override;
    void get_number_text(Orvo::WString& a_text) override;
    void get_number_text(std::string& a_text) override;
    void get_value_text(Orvo::WString& a_text) override;

    bool m_default;
    bool m_value;

private:
    static void p_normalize(Parameter* a_parameter);
    static void p_denormalize(Parameter* a_parameter);

    bool* m_target = nullptr;
};

} // namespace Tonekit
