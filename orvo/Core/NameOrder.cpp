#include "orvo/Core/NameOrder.h"

#include <algorithm>

namespace Orvo {

int NameOrder::compare(std::u16string_view a_first, std::u16string_view a_second) noexcept {
    const std::size_t common = std::min(a_first.size(), a_second.size());
    for (std::size_t i = 0; i < common; ++i) {
        const char16_t first = fold(a_first[i]);
        const char16_t second = fold(a_second[i]);
        if (first != second)
            return first < second ? -1 : 1;
    }
    if (a_first.size() == a_second.size())
        return 0;
    return a_first.size() < a_second.size() ? -1 : 1;
}

} // namespace Orvo
