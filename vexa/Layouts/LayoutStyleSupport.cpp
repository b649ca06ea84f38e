#include "vexa/Layouts/LayoutStyleSupport.h"

#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleValue.h"
#include "vexa/Widget/WidgetSizes.h"

#include <algorithm>

namespace Vexa::LayoutStyleSupport {

int space(const StyleValue& a_value) {
    return std::clamp(a_value.to_pixels_int(), 0, widget_size_limit);
}

std::optional<std::vector<int>> spaces(const StyleValue& a_value,
                                       std::initializer_list<std::size_t> a_lengths) {
    const auto& elements = a_value.get_elements();
    if (std::find(a_lengths.begin(), a_lengths.end(), elements.size()) == a_lengths.end())
        return std::nullopt;
    std::vector<int> pixels;
    for (const StyleValueRef& element : elements) {
        if (!element || element->get_type() != StyleValueType_DIMENSION)
            return std::nullopt;
        pixels.push_back(space(*element));
    }
    return pixels;
}

void install(const StyleRegistry& a_registry, const char16_t* a_class_name,
             const TableStyleManager::Behaviour& a_behaviour) {
    const StyleClass* style_class = a_registry.find_class(Orvo::WString(a_class_name));
    if (!style_class)
        return;
    if (auto* manager = dynamic_cast<TableStyleManager*>(a_registry.get_manager(style_class->id)))
        manager->set_behaviour(a_behaviour);
}

} // namespace Vexa::LayoutStyleSupport
