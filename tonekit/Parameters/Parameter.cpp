#include "tonekit/Parameters/Parameter.h"

#include "orvo/Core/Assert.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Parameters/CommittableCallback.h"
#include "tonekit/Parameters/ParameterSmoother.h"

#include <mutex>

namespace Tonekit {
namespace {
// Until a kind binds its own conversions there is nothing to convert.
void p_no_conversion(Parameter*) {}
} // namespace

Parameter::Parameter()
    : ParameterNode(kind_parameter), m_denormalize(p_no_conversion), m_normalize(p_no_conversion) {
    for (auto& link : m_change_links)
        link.m_parameter = this;
}

Parameter::~Parameter() {
    // Owners call destroy() first; a destructor must not throw, so one that forgot still releases
    // the shared callback instead of leaving it with a dangling reference.
    if (!m_destroy_called)
        destroy();
}

void Parameter::destroy() {
    set_committable_callback(nullptr);
    m_smoother.reset();
    m_destroy_called = true;
}

bool Parameter::do_load(Orvo::BiniNode&) {
    Orvo::not_overridden("Parameter::do_load()");
}
void Parameter::do_save(Orvo::BiniNode&) {
    Orvo::not_overridden("Parameter::do_save()");
}
bool Parameter::from_string(const Orvo::WString&) {
    Orvo::not_overridden("Parameter::from_string()");
}
void Parameter::copy_value(const Parameter&) {}

Orvo::WString Parameter::to_string() {
    Orvo::WString text;
    to_string(text);
    return text;
}

void Parameter::to_string(Orvo::WString&) {
    throw Orvo::Exception(u"Parameter::to_string(String&)");
}
void Parameter::get_number_text(Orvo::WString&) {}
void Parameter::get_number_text(std::string&) {}
void Parameter::get_value_text(Orvo::WString& a_text) {
    a_text = u"No information.";
}

void Parameter::set_committable_callback(CommittableCallback* a_callback) {
    if (a_callback)
        a_callback->add_reference();
    if (m_committable_callback)
        m_committable_callback->release();
    m_committable_callback = a_callback;
}

void Parameter::set_normalized_value_from_host(float a_value) {
    ORVO_ASSERT(m_device);
    {
        std::lock_guard lock(m_device->parameter_lock());
        m_normalized_value = a_value;
        m_denormalize(this);
        m_device->queue_change(this, ParameterChangeReason_HOST);
    }
    m_device->queue_gui_refresh(this);
}

} // namespace Tonekit
