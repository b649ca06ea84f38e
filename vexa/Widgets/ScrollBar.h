#pragma once
// A scroll bar over a value model: an arrow button at each end (one step per action, repeating
// while held), and between them a trough holding a handle. The value runs over the model's
// interval; the handle's share of the trough is the page size's share of the interval's extent
// plus the page, never shorter than "minimum_slider_size". Dragging the handle maps its position
// back to a value, a click in the trough moves by a page, the wheel by three steps a notch.
// The buttons are "button_size" long along the bar, which is as thick as they are.

#include "vexa/Widget/Widget.h"
#include "vexa/Widget/Wwm1.h"

#include <memory>

namespace Vexa {

class ScrollBarButton;

struct ScrollBarHandleExtent {
    int offset;
    int length;
};

class ScrollBarHandle;
class ScrollBarTrough;
namespace CommandButtonEvents {
struct OnAction;
}

class ScrollBar : public Widget {
public:
    static constexpr int default_button_size = 14;
    static constexpr int default_minimum_slider_size = 16;
    static constexpr int steps_per_notch = 3;

    ~ScrollBar() override;
    const char16_t* get_widget_class() const override { return u"ScrollBar"; }
    bool is_vertical() const noexcept { return m_vertical; }

    // The model stays the caller's and must outlive the binding; null binds the bar's own.
    void set_model(Wwm1_Int* a_model);
    Wwm1_Int& get_model() noexcept { return *m_model; }
    // The model's interval.
    void set_range(int a_minimum, int a_maximum);
    void set_page_size(int a_page_size);
    int get_page_size() const noexcept { return m_page_size; }
    void set_step(int a_step);
    int get_step() const noexcept { return m_step; }
    int get_value() const { return m_model->get(); }
    void set_value(int a_value) { m_model->set(a_value); }
    void scroll_by(int a_delta);
    // Scrolls by three steps a notch (120 units of `wheel_delta`), a wheel turning upwards
    // (positive) towards the minimum; what is left of a partial notch waits for the next turn.
    void scroll_by_wheel(int a_wheel_delta);

    void set_button_size(int a_pixels);
    int get_button_size() const noexcept { return m_button_size; }
    void set_minimum_slider_size(int a_pixels);
    int get_minimum_slider_size() const noexcept { return m_minimum_slider_size; }

    ScrollBarButton* get_less_button() const noexcept { return m_less; }
    ScrollBarButton* get_more_button() const noexcept { return m_more; }
    ScrollBarTrough* get_trough() const noexcept { return m_trough; }
    ScrollBarHandle* get_handle() const noexcept { return m_handle; }

    // The handle's length and its offset in a trough of the given length, for the current value.
    ScrollBarHandleExtent get_handle_extent(int a_trough_length) const;

protected:
    explicit ScrollBar(bool a_vertical);
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void resized() override;
    void handle_input(InputEvent& a_event) override;

private:
    friend class ScrollBarHandle;
    friend class ScrollBarTrough;

    void p_unbind();
    int p_trough_length() const;
    void p_place_handle();
    void p_drag_handle_to(int a_offset);
    void p_on_less(CommandButtonEvents::OnAction& a_event);
    void p_on_more(CommandButtonEvents::OnAction& a_event);
    void p_on_value(Wwm1_ChangedEvent<int>& a_event);

    bool m_vertical;
    std::unique_ptr<Wwm1_Int> m_own_model;
    Wwm1_Int* m_model;
    Orvo::Connection* m_model_connection = nullptr;
    int m_page_size = 10;
    int m_step = 1;
    int m_button_size = default_button_size;
    int m_minimum_slider_size = default_minimum_slider_size;
    int m_wheel_rest = 0;
    ScrollBarButton* m_less;
    ScrollBarButton* m_more;
    ScrollBarTrough* m_trough;
    ScrollBarHandle* m_handle;
};

} // namespace Vexa
