#pragma once
// A party outside the widget tree that sees input before the target widget or after it: menus
// closing on an outside click, keyboard shortcuts, drags. Each event type has a signal, and a
// flag saying whether the listener also wants events a widget (or an earlier listener) consumed.

#include "orvo/Signals/Signal1.h"
#include "vexa/Widget/InputEvent.h"

#include <array>
#include <vector>

namespace Vexa {

class InputListeners;

enum InputListenerScope { InputListenerScope_BEFORE = 0, InputListenerScope_AFTER = 1 };

class InputListener {
public:
    explicit InputListener(InputListenerScope a_scope) : m_scope(a_scope) {}
    InputListener(const InputListener&) = delete;
    InputListener& operator=(const InputListener&) = delete;
    // Leaves its list.
    ~InputListener();

    InputListenerScope get_scope() const noexcept { return m_scope; }
    Orvo::Signal1<InputEvent&>& get_signal(InputEventType a_type);
    void set_wants_consumed(InputEventType a_type, bool a_wants);
    bool wants_consumed(InputEventType a_type) const;
    InputListeners* get_list() const noexcept { return m_listener_list; }

private:
    friend class InputListeners;

    InputListenerScope m_scope;
    InputListeners* m_listener_list = nullptr;
    std::array<bool, InputEventType_ENUM_SIZE> m_wants_consumed{};
    std::array<Orvo::Signal1<InputEvent&>, InputEventType_ENUM_SIZE> m_signals;
};

// A desktop's listeners of one scope, in the order they were added.
class InputListeners {
public:
    explicit InputListeners(InputListenerScope a_scope) : m_scope(a_scope) {}
    InputListeners(const InputListeners&) = delete;
    InputListeners& operator=(const InputListeners&) = delete;
    ~InputListeners();

    // Fail `a_listener`, `!a_listener->m_listener_list` and `a_listener->m_scope == m_scope`.
    void p_append(InputListener* a_listener);
    // Fail `a_listener` and `a_listener->m_listener_list == this`.
    void p_remove(InputListener* a_listener);
    // A listener's flags changed. Fails as p_remove.
    void p_listener_changed(InputListener* a_listener);

    // Stage 2: every listener that wants the event, until the end of the list.
    void dispatch(InputEvent& a_event);
    std::size_t get_count() const noexcept { return m_listeners.size(); }

private:
    InputListenerScope m_scope;
    std::vector<InputListener*> m_listeners;
    int m_dispatching = 0;
};

} // namespace Vexa
