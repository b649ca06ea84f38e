#pragma once
// A choice whose options each carry a value of type T: an enumerator, or a function pointer that
// the processing code calls. Committing stores the current option's value in the target, so the
// audio thread switches behaviour by one pointer-sized store.

#include "orvo/Core/Assert.h"
#include "tonekit/ParameterTypes/P_GenericChoice.h"

#include <utility>

namespace Tonekit {

template <class T>
class P_TypedChoice_Option : public P_GenericChoice_Option {
public:
    P_TypedChoice_Option(std::uint32_t a_id, Orvo::WString a_name, const Orvo::WString& a_label,
                         T a_value)
        : P_GenericChoice_Option(a_id, std::move(a_name), a_label), m_value(a_value) {}

    T m_value;
};

template <class T>
class P_TypedChoice : public P_GenericChoice {
public:
    P_TypedChoice_Option<T>* append_option(std::uint32_t a_id, const Orvo::WString& a_name,
                                           T a_value, const Orvo::WString& a_label = {}) {
        auto option = std::make_unique<P_TypedChoice_Option<T>>(a_id, a_name, a_label, a_value);
        P_TypedChoice_Option<T>* result = option.get();
        p_append_option(std::move(option));
        return result;
    }

    void set_target(T* a_target) noexcept { m_target = a_target; }
    // Used when no default option id is given: the option holding this value is the default.
    void set_default_value(T a_value) { m_default_value = a_value; }

    T get_value() const {
        ORVO_ASSERT(get_current_option());
        return static_cast<const P_TypedChoice_Option<T>*>(get_current_option())->m_value;
    }

    void do_initialize() override {
        P_GenericChoice::do_initialize();
        // commit() reads every option as a typed one.
        for (P_GenericChoice_Option* option : get_options())
            ORVO_ASSERT(dynamic_cast<P_TypedChoice_Option<T>*>(option));
        if (m_default_id != 0)
            return;
        for (P_GenericChoice_Option* option : get_options()) {
            if (static_cast<P_TypedChoice_Option<T>*>(option)->m_value == m_default_value) {
                m_default_id = option->m_id;
                return;
            }
        }
    }

    void commit() override {
        if (m_target && get_current_option())
            *m_target = static_cast<P_TypedChoice_Option<T>*>(get_current_option())->m_value;
    }

private:
    T* m_target = nullptr;
    T m_default_value{};
};

} // namespace Tonekit
