#pragma once
// One entry of a choice model: a label, and in TypedChoiceItem a value of the caller's type (a
// number, a processing stage) that the label stands for.

#include <string>
#include <utility>

namespace Vexa {

class ChoiceItem {
public:
    explicit ChoiceItem(std::u16string a_label) : m_label(std::move(a_label)) {}
    virtual ~ChoiceItem() = default;

    const std::u16string& get_label() const noexcept { return m_label; }

private:
    std::u16string m_label;
};

template <class T>
class TypedChoiceItem : public ChoiceItem {
public:
    TypedChoiceItem(std::u16string a_label, T a_value)
        : ChoiceItem(std::move(a_label)), m_value(std::move(a_value)) {}

    const T& get_value() const noexcept { return m_value; }

private:
    T m_value;
};

} // namespace Vexa
