#pragma once

#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

// Reserves a host index that a modulator's parameter can take over at run time. It holds no
// value of its own: it loads and saves nothing and has no number texts.
class AssignableParameterSlot : public Parameter {
public:
    AssignableParameterSlot();

    bool do_load(Orvo::BiniNode& a_node) override;
    void do_save(Orvo::BiniNode& a_node) override;
    void copy_value(const Parameter& a_other) override;
    bool from_string(const Orvo::WString& a_text) override;
    void get_number_text(Orvo::WString& a_text) override;
    void get_number_text(std::string& a_text) override;
};

} // namespace Tonekit
