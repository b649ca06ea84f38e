#pragma once
// The entry inside a DecimalEdit: it takes digits, one decimal point and a leading minus.

#include "vexa/Widgets/Entry.h"

#include <optional>

namespace Vexa {

class DecimalEditEntry : public Entry {
public:
    DecimalEditEntry();

    // The number a text holds, when it is one: an optional minus, digits, an optional point
    // with digits after it (a comma counts as the point).
    static std::optional<double> parse(std::u16string_view a_text);

    const char16_t* get_widget_class() const override { return u"DecimalEditEntry"; }

private:
    void p_on_character(EntryEvents::OnAcceptableCharacter& a_event);
};

} // namespace Vexa
