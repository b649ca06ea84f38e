#pragma once
// The text shown when the mouse rests on a widget. Shared: several widgets may show one hint.

#include <memory>
#include <string>

namespace Vexa {

class WidgetHint {
public:
    virtual ~WidgetHint() = default;
    // Asked each time the hint is about to show; an empty text shows nothing.
    virtual std::u16string get_text() const = 0;
};

class WidgetStaticHint : public WidgetHint {
public:
    explicit WidgetStaticHint(std::u16string a_text) : m_text(std::move(a_text)) {}
    std::u16string get_text() const override { return m_text; }

private:
    std::u16string m_text;
};

using WidgetHintRef = std::shared_ptr<const WidgetHint>;

} // namespace Vexa
