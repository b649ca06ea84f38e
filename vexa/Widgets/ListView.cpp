#include "vexa/Widgets/ListView.h"

#include "orvo/Core/Assert.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/StockObjects.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Styles/StyleValue.h"
#include "vexa/Styles/TableStyleManager.h"
#include "vexa/Widgets/ListViewMain.h"

#include <algorithm>

namespace Vexa {

namespace {

void apply_list_view_style(Widget& a_widget, int a_index, const StyleValue& a_value) {
    auto* list_view = dynamic_cast<ListView*>(&a_widget);
    if (!list_view || a_index != 0)
        return;
    list_view->m_selection_background = a_value.to_brush();
    list_view->get_main().repaint();
}

} // namespace

void ListView::install_style(const StyleRegistry& a_registry) {
    const StyleClass* style_class = a_registry.find_class(Orvo::WString(u"ListView"));
    if (!style_class)
        return;
    if (auto* manager = dynamic_cast<TableStyleManager*>(a_registry.get_manager(style_class->id)))
        manager->set_behaviour({&apply_list_view_style, nullptr, nullptr});
}

ListView::ListView()
    : m_selection_background(GdiPlus_Color(StockObjects::accent)), m_main(new ListViewMain(*this)) {
    add_child(m_main);
    set_frame({SingleBorder(GdiPlus_Color(0xFF8C8C8C), GdiPlus_Color(0xFFD8D8D8)),
               GdiPlus_Brush(GdiPlus_Color(0xFFFFFFFF))});
    set_paddings({1, 1, 1, 1});
    set_horizontally_stretchable(true);
    set_vertically_stretchable(true);
    connect(m_on_desktop_changed, this, &ListView::p_on_desktop_changed);
    WidgetEvents::OnDesktopChanged now{this, nullptr, nullptr};
    p_on_desktop_changed(now);
}

// The properties need their storage before the restyle that entering a desktop brings, and a
// sheet loaded after the widget was made needs it for the next restyle.
void ListView::p_on_desktop_changed(WidgetEvents::OnDesktopChanged&) {
    if (const Application* application = Application::get())
        if (application->get_style_sheet())
            install_style(application->get_style_sheet()->get_registry());
}

ListView::~ListView() = default;

std::size_t ListView::add_item(std::u16string_view a_text, ListViewItemMark a_mark,
                               std::uint64_t a_data) {
    m_items.emplace_back(a_text, a_mark, a_data);
    p_changed();
    return m_items.size() - 1;
}

void ListView::move_item(std::size_t a_from, std::size_t a_to) {
    ORVO_ASSERT(a_from < m_items.size());
    ORVO_ASSERT(a_to < m_items.size());
    if (a_from == a_to)
        return;
    ListViewItem item = std::move(m_items[a_from]);
    m_items.erase(m_items.begin() + std::ptrdiff_t(a_from));
    m_items.insert(m_items.begin() + std::ptrdiff_t(a_to), std::move(item));
    if (m_selection) {
        std::size_t& s = *m_selection;
        if (s == a_from)
            s = a_to;
        else if (a_from < s && s <= a_to)
            --s;
        else if (a_to <= s && s < a_from)
            ++s;
    }
    p_changed();
}

void ListView::remove_item(int a_index) {
    using uint = unsigned int;
    ORVO_ASSERT(uint(a_index) < m_items.size());
    const auto index = std::size_t(a_index);
    m_items.erase(m_items.begin() + a_index);
    if (m_selection && *m_selection == index) {
        select(std::nullopt);
    } else if (m_selection && *m_selection > index) {
        --*m_selection;
    }
    set_scroll(m_scroll);
    p_changed();
}

void ListView::clear() {
    m_items.clear();
    select(std::nullopt);
    m_scroll = 0;
    p_changed();
}

const ListViewItem& ListView::get_item(std::size_t a_index) const {
    ORVO_ASSERT(a_index < m_items.size());
    return m_items[a_index];
}

void ListView::set_item_text(std::size_t a_index, std::u16string_view a_text) {
    ORVO_ASSERT(a_index < m_items.size());
    if (m_items[a_index].get_text().view() == a_text)
        return;
    m_items[a_index].set_text(a_text);
    m_main->repaint();
}

GdiPlus_Color ListView::get_item_text_color(std::size_t) const {
    return get_text_color();
}

void ListView::select(std::optional<std::size_t> a_index) {
    if (a_index && *a_index >= m_items.size())
        a_index.reset();
    if (a_index == m_selection)
        return;
    m_selection = a_index;
    if (m_selection)
        ensure_visible(*m_selection);
    m_main->repaint();
    ListViewSelectionChangedEvent event{this, m_selection};
    m_on_selection_changed.emit(event);
}

void ListView::activate_selection() {
    if (!m_selection)
        return;
    ListViewEvents::OnItemActivated event{this, *m_selection};
    m_on_item_activated.emit(event);
}

int ListView::get_row_height() const {
    return Painter::measure_text(u"Ay", get_font()).height + 6;
}

std::size_t ListView::get_page_size() const {
    return std::size_t(std::max(1, m_main->get_height() / get_row_height()));
}

void ListView::set_scroll(int a_scroll) {
    const int rows = int(m_items.size()) * get_row_height();
    const int scroll = std::clamp(a_scroll, 0, std::max(0, rows - m_main->get_height()));
    if (scroll == m_scroll)
        return;
    m_scroll = scroll;
    m_main->repaint();
}

void ListView::ensure_visible(std::size_t a_index) {
    const int top = int(a_index) * get_row_height();
    const int bottom = top + get_row_height();
    if (top < m_scroll)
        set_scroll(top);
    else if (bottom > m_scroll + m_main->get_height())
        set_scroll(bottom - m_main->get_height());
}

std::optional<std::size_t> ListView::get_item_at(int a_y) const {
    if (a_y < 0)
        return std::nullopt;
    const auto index = std::size_t((a_y + m_scroll) / get_row_height());
    if (index >= m_items.size())
        return std::nullopt;
    return index;
}

void ListView::set_visible_rows(int a_rows) {
    m_visible_rows = std::max(1, a_rows);
    request_measure();
}

void ListView::measure_content(WidgetEvents::OnMeasure& a_event) {
    const int row = get_row_height();
    a_event.minimum.width += 60;
    a_event.requested.width += 200;
    a_event.minimum.height += row;
    a_event.requested.height += row * m_visible_rows;
}

void ListView::resized() {
    m_main->set_geometry(get_content_rect());
    set_scroll(m_scroll);
    if (m_selection)
        ensure_visible(*m_selection);
}

void ListView::p_changed() {
    m_main->repaint();
}

} // namespace Vexa
