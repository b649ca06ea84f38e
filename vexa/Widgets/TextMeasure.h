#pragma once
// Adds a content size to a measure: the minimum and the requested size grow by it, the maximum
// stays as it is.

#include "vexa/Widget/Widget.h"
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
    // A widget that only wraps one child (a numeric entry around its text entry): the child's
    // requested sizes plus the wrapper's box, never taller than the child allows.
    static void add_wrapped(WidgetEvents::OnMeasure& a_event, const Widget& a_child) {
        const auto& sizes = a_child.get_requested_sizes();
        a_event.minimum.width += sizes.get_minimum_width();
        a_event.requested.width += sizes.get_requested_width();
        a_event.minimum.height += sizes.get_minimum_height();
        a_event.requested.height += sizes.get_requested_height();
        a_event.maximum.height = a_event.extras.height + sizes.get_maximum_height();
    }
};

} // namespace Vexa
