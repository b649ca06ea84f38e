#pragma once
// One level of the GUI builder's stack: it puts the widgets pushed at its level into the
// container it wraps.

#include <cstddef>

namespace Vexa {

class Widget;

class GB_Pusher {
public:
    GB_Pusher() = default;
    GB_Pusher(const GB_Pusher&) = delete;
    GB_Pusher& operator=(const GB_Pusher&) = delete;
    virtual ~GB_Pusher() = default;

    // Puts the widget (or nothing, for an empty place) into the container.
    virtual void push(Widget* a_widget) = 0;
    // The container this pusher fills.
    virtual Widget* get_container() const = 0;
    // Whether the container is a set of tabs, which `GuiBuilder::tab` opens pages in.
    virtual bool is_tabs() const { return false; }
    // Leaves `a_count` places empty.
    virtual void skip(std::size_t a_count) {
        for (std::size_t i = 0; i < a_count; ++i)
            push(nullptr);
    }
};

} // namespace Vexa
