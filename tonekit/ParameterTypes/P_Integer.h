#pragma once

#include "tonekit/Parameters/Parameter.h"

#include <cstdint>

namespace Tonekit {

// An integer in a closed interval [start, end]; the interval may run downwards. Each of the
// |end - start| + 1 values owns an equal share of 0..1 and is normalized to its centre.
class P_Integer : public Parameter {
public:
    P_Integer(int a_start, int a_end, int a_default);

    void set_target(int* a_target) noexcept { m_target = a_target; }
    int get_value() const noexcept { return m_value; }
    // [ui-thread] The editor road; a_value is clamped to the interval.
    void set_value(int a_value);

    void do_initialize() override;
    void commit() override;
    bool do_load(Orvo::BiniNode& a_node) override;
    void reset() override;
    void do_save(Orvo::BiniNode& a_node) override;
    bool from_string(const Orvo::WString& a_text) override;
    void copy_value(const Parameter& a_other) override;
    void get_number_text(Orvo::WString& a_text) override;
    void get_number_text(std::string& a_text) override;
    void get_value_text(Orvo::WString& a_text) override;

    int m_start;
    int m_end;
    int m_default;
    int m_value;

private:
    static void p_normalize(Parameter* a_parameter);
    static void p_denormalize(Parameter* a_parameter);
    int p_clamp(std::int64_t a_value) const noexcept;

    int* m_target = nullptr;
    // Wide enough for an interval spanning every int.
    std::int64_t m_span = 0;
    double m_count = 1.0;
    double m_half = 0.5;
    double m_step = 1.0;
    int m_minimum = 0;
    int m_maximum = 0;
};

} // namespace Tonekit
