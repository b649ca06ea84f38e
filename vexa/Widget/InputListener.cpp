#include "vexa/Widget/InputListener.h"

#include "orvo/Core/Assert.h"

#include <algorithm>

namespace Vexa {

InputListener::~InputListener() {
    if (m_listener_list)
        m_listener_list->p_remove(this);
}

Orvo::Signal1<InputEvent&>& InputListener::get_signal(InputEventType a_type) {
    ORVO_ASSERT(a_type < InputEventType_ENUM_SIZE);
    return m_signals[a_type];
}

void InputListener::set_wants_consumed(InputEventType a_type, bool a_wants) {
    ORVO_ASSERT(a_type < InputEventType_ENUM_SIZE);
    m_wants_consumed[a_type] = a_wants;
    if (m_listener_list)
        m_listener_list->p_listener_changed(this);
}

bool InputListener::wants_consumed(InputEventType a_type) const {
    return a_type < InputEventType_ENUM_SIZE && m_wants_consumed[a_type];
}

InputListeners::~InputListeners() {
    for (InputListener* listener : m_listeners)
        listener->m_listener_list = nullptr;
}

void InputListeners::p_append(InputListener* a_listener) {
    ORVO_ASSERT(a_listener);
    ORVO_ASSERT(!a_listener->m_listener_list);
    ORVO_ASSERT(a_listener->m_scope == m_scope);
    a_listener->m_listener_list = this;
    m_listeners.push_back(a_listener);
}

void InputListeners::p_remove(InputListener* a_listener) {
    ORVO_ASSERT(a_listener);
    ORVO_ASSERT(a_listener->m_listener_list == this);
    a_listener->m_listener_list = nullptr;
    // A listener may leave while the list is dispatching; its place is blanked, not closed up.
    std::replace(m_listeners.begin(), m_listeners.end(), a_listener,
                 static_cast<InputListener*>(nullptr));
    if (m_dispatching == 0)
        std::erase(m_listeners, nullptr);
}

void InputListeners::p_listener_changed(InputListener* a_listener) {
    ORVO_ASSERT(a_listener);
    ORVO_ASSERT(a_listener->m_listener_list == this);
}

void InputListeners::dispatch(InputEvent& a_event) {
    if (a_event.type >= InputEventType_ENUM_SIZE)
        return;
    ++m_dispatching;
    const std::size_t count = m_listeners.size();
    for (std::size_t i = 0; i < count; ++i) {
        InputListener* listener = m_listeners[i];
        if (!listener || (a_event.consumed && !listener->m_wants_consumed[a_event.type]))
            continue;
        a_event.stage = InputEventStage_LISTENER;
        a_event.widget = nullptr;
        listener->m_signals[a_event.type].emit(a_event);
    }
    if (--m_dispatching == 0)
        std::erase(m_listeners, nullptr);
}

} // namespace Vexa
