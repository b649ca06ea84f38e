#pragma once
// Adds a content size to a measure: the minimum and the requested size grow by it, the maximum
// stays as it is.

#include "vexa/Widget/WidgetEvents.h"

namespace Vexa {

class TextMeasure {
public:
    static void add(WidgetEvents::OnMeasure& a_event, Size a_content) {
        a_event.minimum.width += a_content.width;
        a_event.minimum.height += a_content.height;
        a_event.requested.width += a_content.width;
        a_event.requested.height += a_content.height;
    }
};

} // namespace Vexa
