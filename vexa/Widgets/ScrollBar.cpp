#include "vexa/Widgets/ScrollBar.h"

#include "vexa/Widgets/ScrollBarButton.h"
#include "vexa/Widgets/ScrollBarHandle.h"
#include "vexa/Widgets/ScrollBarTrough.h"
#include "vexa/Widgets/StandardWidgetStyles.h"
#include "vexa/Widgets/TextMeasure.h"

#include <algorithm>
#include <cmath>

namespace Vexa {

ScrollBar::ScrollBar(bool a_vertical)
    : m_vertical(a_vertical), m_own_model(std::make_unique<Wwm1_Int>()), m_model(nullptr),
      m_less(new ScrollBarButton(a_vertical ? ArrowDirection_UP : ArrowDirection_LEFT)),
      m_more(new ScrollBarButton(a_vertical ? ArrowDirection_DOWN : ArrowDirection_RIGHT)),
      m_trough(new ScrollBarTrough(*this)), m_handle(new ScrollBarHandle(*this)) {
    StandardWidgetStyles::ensure_installed();
    add_child(m_less);
    add_child(m_trough);
    add_child(m_more);
    m_trough->add_child(m_handle);
    connect(m_less->m_on_action, this, &ScrollBar::p_on_less);
    connect(m_more->m_on_action, this, &ScrollBar::p_on_more);
    set_model(nullptr);
    if (a_vertical)
        set_vertically_stretchable(true);
    else
        set_horizontally_stretchable(true);
}

ScrollBar::~ScrollBar() {
    p_unbind();
}

// The bar holds its own reference on the model's connection (not the widget's connection
// manager), so that it can let go of one model for another.
void ScrollBar::p_unbind() {
    if (m_model_connection)
        m_model_connection->disconnect();
    m_model_connection = nullptr;
}

void ScrollBar::set_model(Wwm1_Int* a_model) {
    if (!a_model)
        a_model = m_own_model.get();
    if (a_model == m_model)
        return;
    p_unbind();
    m_model = a_model;
    m_model_connection = m_model->m_on_changed.connect(
        new Orvo::MethodSlot1<void(Wwm1_ChangedEvent<int>&), ScrollBar>(this,
                                                                        &ScrollBar::p_on_value));
    m_model_connection->increase_reference_counter();
    p_place_handle();
}

void ScrollBar::set_range(int a_minimum, int a_maximum) {
    m_model->set_interval(a_minimum, a_maximum);
    p_place_handle();
}

void ScrollBar::set_page_size(int a_page_size) {
    m_page_size = std::max(1, a_page_size);
    p_place_handle();
}

void ScrollBar::set_step(int a_step) {
    m_step = std::max(1, a_step);
}

void ScrollBar::scroll_by(int a_delta) {
    // Widened, so that a step past either end of a wide interval clamps instead of wrapping.
    const long long target = (long long)m_model->get() + a_delta;
    m_model->set(
        int(std::clamp<long long>(target, m_model->get_minimum(), m_model->get_maximum())));
}

void ScrollBar::set_button_size(int a_pixels) {
    m_button_size = std::max(0, a_pixels);
    request_measure();
    request_placement();
}

void ScrollBar::set_minimum_slider_size(int a_pixels) {
    m_minimum_slider_size = std::max(0, a_pixels);
    request_measure();
    p_place_handle();
}

ScrollBarHandleExtent ScrollBar::get_handle_extent(int a_trough_length) const {
    const int trough = std::max(0, a_trough_length);
    const double extent = double(m_model->get_maximum()) - m_model->get_minimum();
    const double whole = extent + m_page_size;
    int length = int(std::lround(trough * (m_page_size / whole)));
    length = std::min(trough, std::max(length, m_minimum_slider_size));
    const int free = trough - length;
    const int offset =
        extent <= 0
            ? 0
            : int(std::lround(free * ((double(m_model->get()) - m_model->get_minimum()) / extent)));
    return {offset, length};
}

void ScrollBar::measure_content(WidgetEvents::OnMeasure& a_event) {
    const int along = 2 * m_button_size + m_minimum_slider_size;
    const int across = m_button_size;
    TextMeasure::add(a_event, m_vertical ? Size{across, along} : Size{along, across});
    // Only the length stretches; the thickness is the buttons'.
    (m_vertical ? a_event.maximum.width : a_event.maximum.height) =
        (m_vertical ? a_event.requested.width : a_event.requested.height);
}

void ScrollBar::resized() {
    const Rect content = get_content_rect();
    const int length = m_vertical ? content.height : content.width;
    const int button = std::min(m_button_size, length / 2);
    const int trough = length - 2 * button;
    auto place = [&](Widget* a_widget, int a_start, int a_length) {
        if (m_vertical)
            a_widget->set_geometry(content.x, content.y + a_start, content.width, a_length);
        else
            a_widget->set_geometry(content.x + a_start, content.y, a_length, content.height);
    };
    place(m_less, 0, button);
    place(m_trough, button, trough);
    place(m_more, button + trough, button);
    p_place_handle();
}

void ScrollBar::handle_input(InputEvent& a_event) {
    if (a_event.type != InputEventType_MOUSE_WHEEL)
        return;
    a_event.consumed = true;
    scroll_by_wheel(a_event.wheel_delta);
}

void ScrollBar::scroll_by_wheel(int a_wheel_delta) {
    // Fine-grained wheels send less than a notch at a time: the rest waits for the next event.
    m_wheel_rest += a_wheel_delta;
    const int notches = m_wheel_rest / 120;
    m_wheel_rest -= notches * 120;
    if (notches != 0)
        scroll_by(-notches * steps_per_notch * m_step);
}

int ScrollBar::p_trough_length() const {
    return m_vertical ? m_trough->get_height() : m_trough->get_width();
}

void ScrollBar::p_place_handle() {
    const Rect trough = m_trough->get_rect();
    const ScrollBarHandleExtent extent = get_handle_extent(p_trough_length());
    if (m_vertical)
        m_handle->set_geometry(0, extent.offset, trough.width, extent.length);
    else
        m_handle->set_geometry(extent.offset, 0, extent.length, trough.height);
}

void ScrollBar::p_drag_handle_to(int a_offset) {
    const int free = p_trough_length() - get_handle_extent(p_trough_length()).length;
    const long long span = (long long)m_model->get_maximum() - m_model->get_minimum();
    if (free <= 0 || span <= 0)
        return;
    const double share = std::clamp(double(a_offset) / free, 0.0, 1.0);
    m_model->set(int(m_model->get_minimum() + std::llround(share * double(span))));
}

void ScrollBar::p_on_less(CommandButtonEvents::OnAction&) {
    scroll_by(-m_step);
}

void ScrollBar::p_on_more(CommandButtonEvents::OnAction&) {
    scroll_by(m_step);
}

void ScrollBar::p_on_value(Wwm1_ChangedEvent<int>&) {
    p_place_handle();
}

} // namespace Vexa
