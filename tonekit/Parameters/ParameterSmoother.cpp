#include "tonekit/Parameters/ParameterSmoother.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Exception.h"

namespace Tonekit {
namespace {
[[noreturn]] void p_not_a_smoother() {
    throw Orvo::Exception(u"This method should not have been called.");
}
} // namespace

ParameterSmoother_ListHead::ParameterSmoother_ListHead()
    : ParameterSmoother(nullptr, nullptr, nullptr) {
    m_next = m_previous = this;
}

void ParameterSmoother_ListHead::process(unsigned) {
    p_not_a_smoother();
}
void ParameterSmoother_ListHead::update_coefficients() {
    p_not_a_smoother();
}
void ParameterSmoother_ListHead::jump() {
    p_not_a_smoother();
}

void ParameterSmoother_ListHead::enlist(ParameterSmoother* a_node) noexcept {
    if (a_node->m_enlisted)
        return;
    a_node->m_enlisted = true;
    a_node->m_next = this;
    a_node->m_previous = m_previous;
    m_previous->m_next = a_node;
    m_previous = a_node;
}

void ParameterSmoother_ListHead::list_remove(ParameterSmoother* a_node) {
    ORVO_ASSERT(a_node->m_enlisted);
    a_node->m_previous->m_next = a_node->m_next;
    a_node->m_next->m_previous = a_node->m_previous;
    a_node->m_next = a_node->m_previous = nullptr;
    a_node->m_enlisted = false;
}

void ParameterSmoother_ListHead::process_all(unsigned a_frames) noexcept {
    // The kinds index their coefficients by a_frames - 1.
    if (a_frames == 0)
        return;
    if (a_frames > coefficient_count)
        a_frames = coefficient_count;
    for (ParameterSmoother* node = m_next; node != this;) {
        ParameterSmoother* next = node->m_next;
        node->process(a_frames);
        if (node->m_finished) {
            node->m_previous->m_next = node->m_next;
            node->m_next->m_previous = node->m_previous;
            node->m_next = node->m_previous = nullptr;
            node->m_enlisted = false;
        }
        node = next;
    }
}

} // namespace Tonekit
