#pragma once
// Builds a nested layout tree from code written in reading order: begin a container, push its
// widgets (containers begun inside it are pushed into it too), end it. The first container begun
// is the root, which the caller takes when everything is ended.
//
//     GuiBuilder builder;
//     builder.begin_vertical();
//     builder.push(title);
//     builder.begin_grid(GridLayoutDirection_ROW_MAJOR, 2);
//     builder.push(name_label);
//     builder.push(name_entry);
//     builder.end();
//     builder.end();
//     Widget* root = builder.take_root();

#include "vexa/GuiBuilder/GB_Pusher.h"
#include "vexa/Layouts/GridLayoutFillOrder.h"

#include <memory>
#include <string>
#include <vector>

namespace Vexa {

class GridLayout;
class HorizontalLayout;
class PageLayout;
class StretchLayout;
class Tabs;
class VerticalLayout;
class Widget;

class GuiBuilder {
public:
    GuiBuilder() = default;
    GuiBuilder(const GuiBuilder&) = delete;
    GuiBuilder& operator=(const GuiBuilder&) = delete;
    // A root nobody took is destroyed with the builder.
    ~GuiBuilder();

    GridLayout* begin_grid(GridLayoutDirection a_direction, std::size_t a_fixed_count,
                           std::size_t a_final_cell_count = 0);
    HorizontalLayout* begin_horizontal();
    VerticalLayout* begin_vertical();
    StretchLayout* begin_stretch();
    PageLayout* begin_pages();
    // Tabs whose pages are opened with `tab`.
    Tabs* begin_tabs();
    // Opens the page of a new tab; the one widget pushed (or container begun) next is its page,
    // and `end` closes it. Fails `m_pushers.back()->is_tabs()` unless tabs are innermost.
    void tab(std::u16string a_title);
    // A container of the caller's own, filled by the pusher (which the builder then owns).
    void begin(Widget* a_container, std::unique_ptr<GB_Pusher> a_pusher);

    // To the innermost container; fails `!m_pushers.empty()`.
    void push(Widget* a_widget);
    void skip(std::size_t a_count);
    // Closes the innermost container; fails `!m_pushers.empty()`.
    void end();

    std::size_t get_depth() const noexcept { return m_pushers.size(); }
    // The root, once every container is ended: fails `m_pushers.empty()` and `m_root`.
    Widget* take_root();

private:
    std::vector<std::unique_ptr<GB_Pusher>> m_pushers;
    Widget* m_root = nullptr;
};

} // namespace Vexa
