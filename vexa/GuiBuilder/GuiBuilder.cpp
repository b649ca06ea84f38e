#include "vexa/GuiBuilder/GuiBuilder.h"

#include "orvo/Core/Assert.h"
#include "vexa/GuiBuilder/GB_GridLayoutPusher.h"
#include "vexa/GuiBuilder/GB_HorizontalLayoutPusher.h"
#include "vexa/GuiBuilder/GB_PageLayoutPusher.h"
#include "vexa/GuiBuilder/GB_SingleTabPusher.h"
#include "vexa/GuiBuilder/GB_StretchLayoutPusher.h"
#include "vexa/GuiBuilder/GB_TabsPusher.h"
#include "vexa/GuiBuilder/GB_VerticalLayoutPusher.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/PageLayout.h"
#include "vexa/Layouts/StretchLayout.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/Tabs.h"

#include <utility>

namespace Vexa {

GuiBuilder::~GuiBuilder() {
    m_pushers.clear();
    if (m_root)
        m_root->destroy();
}

void GuiBuilder::begin(Widget* a_container, std::unique_ptr<GB_Pusher> a_pusher) {
    ORVO_ASSERT(a_container);
    ORVO_ASSERT(a_pusher);
    if (m_pushers.empty()) {
        // A second root would be left without an owner.
        ORVO_ASSERT(!m_root);
        m_root = a_container;
    } else {
        m_pushers.back()->push(a_container);
    }
    m_pushers.push_back(std::move(a_pusher));
}

GridLayout* GuiBuilder::begin_grid(GridLayoutDirection a_direction, std::size_t a_fixed_count,
                                   std::size_t a_final_cell_count) {
    auto grid = std::make_unique<GridLayout>();
    auto pusher = std::make_unique<GB_GridLayoutPusher>(grid.get(), a_direction, a_fixed_count,
                                                        a_final_cell_count);
    GridLayout* result = grid.release();
    begin(result, std::move(pusher));
    return result;
}

HorizontalLayout* GuiBuilder::begin_horizontal() {
    auto* layout = new HorizontalLayout;
    begin(layout, std::make_unique<GB_HorizontalLayoutPusher>(layout));
    return layout;
}

VerticalLayout* GuiBuilder::begin_vertical() {
    auto* layout = new VerticalLayout;
    begin(layout, std::make_unique<GB_VerticalLayoutPusher>(layout));
    return layout;
}

StretchLayout* GuiBuilder::begin_stretch() {
    auto* layout = new StretchLayout;
    begin(layout, std::make_unique<GB_StretchLayoutPusher>(layout));
    return layout;
}

PageLayout* GuiBuilder::begin_pages() {
    auto* layout = new PageLayout;
    begin(layout, std::make_unique<GB_PageLayoutPusher>(layout));
    return layout;
}

Tabs* GuiBuilder::begin_tabs() {
    auto* tabs = new Tabs;
    begin(tabs, std::make_unique<GB_TabsPusher>(tabs));
    return tabs;
}

void GuiBuilder::tab(std::u16string a_title) {
    ORVO_ASSERT(!m_pushers.empty());
    ORVO_ASSERT(m_pushers.back()->is_tabs());
    auto* tabs = static_cast<Tabs*>(m_pushers.back()->get_container());
    m_pushers.push_back(std::make_unique<GB_SingleTabPusher>(tabs, std::move(a_title)));
}

void GuiBuilder::push(Widget* a_widget) {
    ORVO_ASSERT(!m_pushers.empty());
    m_pushers.back()->push(a_widget);
}

void GuiBuilder::skip(std::size_t a_count) {
    ORVO_ASSERT(!m_pushers.empty());
    m_pushers.back()->skip(a_count);
}

void GuiBuilder::end() {
    ORVO_ASSERT(!m_pushers.empty());
    m_pushers.pop_back();
}

Widget* GuiBuilder::take_root() {
    ORVO_ASSERT(m_pushers.empty());
    ORVO_ASSERT(m_root);
    return std::exchange(m_root, nullptr);
}

} // namespace Vexa
