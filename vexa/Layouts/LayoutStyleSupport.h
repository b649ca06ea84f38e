#pragma once
// What the layouts' style managers share: whole-pixel spaces from style values, and giving a
// registry's table manager of a class its behaviour.

#include "vexa/Styles/TableStyleManager.h"

#include <optional>
#include <vector>

namespace Vexa {

class StyleRegistry;

namespace LayoutStyleSupport {

// A dimension in whole pixels, never negative.
int space(const StyleValue& a_value);
// The dimensions of a list whose length is one of `a_lengths`; nothing for any other list.
std::optional<std::vector<int>> spaces(const StyleValue& a_value,
                                       std::initializer_list<std::size_t> a_lengths);
// Gives the registry's manager of the class (when it has one) the behaviour.
void install(const StyleRegistry& a_registry, const char16_t* a_class_name,
             const TableStyleManager::Behaviour& a_behaviour);

} // namespace LayoutStyleSupport

} // namespace Vexa
