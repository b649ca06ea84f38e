#pragma once

#include "tonekit/Parameters/Parameter.h"

namespace Tonekit {

// Free text, such as a modulator's name. Its normalized value means nothing.
//
// Copying text may allocate, so commit() must never run on the audio thread: the parameter
// commits at once on the thread that changes it (deferred commit is off) and is never queued.
class Parameter_String : public Parameter {
public:
    explicit Parameter_String(Orvo::WString a_default);

    void set_target(Orvo::WString* a_target) noexcept { m_target = a_target; }
    const Orvo::WString& get_value() const noexcept { return m_value; }
    // [ui-thread] The editor road; always proceeds, even with the same text.
    void set_value(const Orvo::WString& a_value);

    void do_initialize() override;
    void commit() override;
    bool do_load(Orvo::BiniNode& a_node) override;
    void reset() override;
    void do_save(Orvo::BiniNode& a_node) override;
    void copy_value(const Parameter& a_other) override;
    void get_value_text(Orvo::WString& a_text) override;

    Orvo::WString m_default;
    Orvo::WString m_value;

private:
    Orvo::WString* m_target = nullptr;
};

} // namespace Tonekit
