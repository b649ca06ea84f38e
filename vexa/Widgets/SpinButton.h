#pragma once
// Two arrow buttons, one above the other, stepping a value model up and down; they repeat while
// held, and the wheel steps too. The arrows carry the style subclass "spin".

#include "vexa/Widget/Widget.h"
#include "vexa/Widget/Wwm1.h"

#include <memory>

namespace Vexa {

class ArrowCommandButton;
namespace CommandButtonEvents {
struct OnAction;
}

class SpinButton : public Widget {
public:
    SpinButton();
    ~SpinButton() override;
    const char16_t* get_widget_class() const override { return u"SpinButton"; }

    // The model stays the caller's and must outlive the binding; null binds the button's own.
    void set_model(Wwm1_Int* a_model);
    Wwm1_Int& get_model() noexcept { return *m_model; }
    void set_step(int a_step);
    int get_step() const noexcept { return m_step; }
    // Clamped at the model's interval.
    void step_by(int a_steps);

    ArrowCommandButton* get_up_button() const noexcept { return m_up; }
    ArrowCommandButton* get_down_button() const noexcept { return m_down; }

protected:
    // The arrows stacked: the wider of them, and their heights summed.
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void resized() override;
    void handle_input(InputEvent& a_event) override;

private:
    void p_on_up(CommandButtonEvents::OnAction& a_event);
    void p_on_down(CommandButtonEvents::OnAction& a_event);

    std::unique_ptr<Wwm1_Int> m_own_model;
    Wwm1_Int* m_model;
    int m_step = 1;
    int m_wheel_rest = 0;
    ArrowCommandButton* m_up;
    ArrowCommandButton* m_down;
};

} // namespace Vexa
