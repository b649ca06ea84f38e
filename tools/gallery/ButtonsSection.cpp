#include "ButtonsSection.h"

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Widgets/ArrowCommandButton.h"
#include "vexa/Widgets/CheckBox.h"
#include "vexa/Widgets/HorizontalScrollBar.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Widgets/Space.h"
#include "vexa/Widgets/SpinButton.h"
#include "vexa/Widgets/Text.h"
#include "vexa/Widgets/TextCommandButton.h"
#include "vexa/Widgets/TextToggleButton.h"
#include "vexa/Widgets/VerticalScrollBar.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Window.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace Vexa;

namespace Gallery {

namespace {

constexpr int caption_width = 118;
constexpr int column_gap = 8;
constexpr int row_gap = 12;
constexpr int section_padding = 14;

// Rows of widgets at their requested sizes, each row behind a caption, centred on the row's
// height. The gallery needs nothing more, and stands without the layouts.
class Rows : public Widget {
public:
    Rows() { set_paddings({section_padding, section_padding, section_padding, section_padding}); }

    // A row without a caption is a heading across the whole width.
    void add_row(const char16_t* a_caption, std::vector<Widget*> a_widgets) {
        Row row;
        if (a_caption[0]) {
            row.caption = new Label(a_caption);
            add_child(row.caption);
        }
        for (Widget* widget : a_widgets)
            add_child(widget);
        row.widgets = std::move(a_widgets);
        m_rows.push_back(std::move(row));
    }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override {
        Size content;
        for (const Row& row : m_rows) {
            const Size size = row_size(row);
            content.width = std::max(content.width, size.width);
            content.height += size.height + (content.height ? row_gap : 0);
        }
        a_event.minimum.width += content.width;
        a_event.minimum.height += content.height;
        a_event.requested = a_event.minimum;
    }

    void resized() override {
        const Rect content = get_content_rect();
        int y = content.y;
        for (const Row& row : m_rows) {
            const int height = row_size(row).height;
            auto place = [&](Widget* a_widget, int a_x) {
                const WidgetRequestedSizes& sizes = a_widget->get_requested_sizes();
                const int w = sizes.get_requested_width(), h = sizes.get_requested_height();
                a_widget->set_geometry(a_x, y + (height - h) / 2, w, h);
                return w;
            };
            int x = content.x;
            if (row.caption) {
                place(row.caption, x);
                x += caption_width;
            }
            for (Widget* widget : row.widgets)
                x += place(widget, x) + column_gap;
            y += height + row_gap;
        }
    }

private:
    struct Row {
        Label* caption = nullptr;
        std::vector<Widget*> widgets;
    };

    static Size row_size(const Row& a_row) {
        Size size{a_row.caption ? caption_width : 0, 0};
        if (a_row.caption)
            size.height = a_row.caption->get_requested_sizes().get_requested_height();
        for (std::size_t i = 0; i < a_row.widgets.size(); ++i) {
            const WidgetRequestedSizes& sizes = a_row.widgets[i]->get_requested_sizes();
            size.width += sizes.get_requested_width() + (i > 0 ? column_gap : 0);
            size.height = std::max(size.height, sizes.get_requested_height());
        }
        return size;
    }

    std::vector<Row> m_rows;
};

template <class W>
W* disabled(W* a_widget) {
    a_widget->set_enabled(false);
    return a_widget;
}

TextCommandButton* pushed(TextCommandButton* a_button) {
    a_button->set_pushed(true);
    return a_button;
}

Widget* fixed(Widget* a_widget, int a_width, int a_height) {
    if (a_width > 0)
        a_widget->set_size_constraint(WidgetSizeIndex_REQUESTED_WIDTH, a_width);
    if (a_height > 0)
        a_widget->set_size_constraint(WidgetSizeIndex_REQUESTED_HEIGHT, a_height);
    return a_widget;
}

// A spin button with the value it steps shown beside it.
class SpinValue : public Label {
public:
    explicit SpinValue(SpinButton& a_spin) : m_spin(a_spin) {
        a_spin.get_model().set_interval(0, 16);
        a_spin.get_model().set(8);
        connect(a_spin.get_model().m_on_changed, this, &SpinValue::on_changed);
        show_value();
    }

private:
    void on_changed(Wwm1_ChangedEvent<int>&) { show_value(); }
    void show_value() {
        const std::string text = std::to_string(m_spin.get_model().get()) + " voices";
        set_text(std::u16string(text.begin(), text.end()));
    }
    SpinButton& m_spin;
};

template <class B>
B* toggled(B* a_button) {
    a_button->set_toggled(true);
    return a_button;
}

CheckBox* checked(CheckBox* a_box) {
    a_box->set_checked(true);
    return a_box;
}

ArrowCommandButton* arrow(ArrowDirection a_direction) {
    return new ArrowCommandButton(a_direction);
}

} // namespace

Widget* make_buttons_section() {
    auto* rows = new Rows;
    rows->add_row(u"", {new Label(u"Each widget in its states: normal, pushed, toggled or "
                                  u"checked, and disabled.")});
    rows->add_row(u"Label and text",
                  {new Label(u"Delay time"), disabled(new Label(u"Disabled label")),
                   new Text(u"Text breaks its lines between words when it is given a width, "
                            u"and at every line feed.",
                            230)});
    rows->add_row(u"Command buttons",
                  {new TextCommandButton(u"Apply"), pushed(new TextCommandButton(u"Pushed")),
                   disabled(new TextCommandButton(u"Disabled"))});
    auto* pushed_arrow = arrow(ArrowDirection_RIGHT);
    pushed_arrow->set_pushed(true);
    rows->add_row(u"Arrow buttons",
                  {arrow(ArrowDirection_UP), arrow(ArrowDirection_DOWN), arrow(ArrowDirection_LEFT),
                   pushed_arrow, disabled(arrow(ArrowDirection_RIGHT))});
    rows->add_row(u"Toggle buttons",
                  {new TextToggleButton(u"Stereo"), toggled(new TextToggleButton(u"Toggled")),
                   disabled(new TextToggleButton(u"Disabled")),
                   disabled(toggled(new TextToggleButton(u"Toggled, disabled")))});
    rows->add_row(u"Check boxes",
                  {new CheckBox, new Label(u"Off"), checked(new CheckBox), new Label(u"Checked"),
                   disabled(checked(new CheckBox)), disabled(new Label(u"Disabled"))});

    auto* horizontal = new HorizontalScrollBar;
    horizontal->set_range(0, 90);
    horizontal->set_page_size(30);
    horizontal->set_value(35);
    auto* vertical = new VerticalScrollBar;
    vertical->set_range(0, 400);
    vertical->set_page_size(100);
    vertical->set_value(400);
    auto* off = disabled(new HorizontalScrollBar);
    off->set_range(0, 10);
    rows->add_row(u"Scroll bars", {fixed(horizontal, 240, 0), fixed(vertical, 0, 96),
                                   fixed(new Space, 8, 0), fixed(off, 140, 0)});

    auto* spin = new SpinButton;
    rows->add_row(u"Spin button", {spin, new SpinValue(*spin)});
    return rows;
}

int show_buttons_section(const char* a_png) {
    if (a_png)
        Toolkit::install(std::make_unique<HeadlessPlatform>());
    else if (!Toolkit::get().get_platform().can_show_windows()) {
        std::fprintf(stderr, "vexa-gallery: no display (use --section buttons FILE.png)\n");
        return 1;
    }
    constexpr int width = 640, height = 470;
    SystemWindow system_window(nullptr, 0);
    system_window.set_title(u"Vexa gallery: buttons");
    system_window.set_client_size(width, height);
    system_window.set_quit_application_on_close(true);
    // A plain window: the sheet gives it the editor's background, on which the widgets are meant
    // to stand.
    Window window;
    window.add_child(make_buttons_section());
    window.set_geometry(0, 0, width, height);
    window.get_children().front()->set_geometry(0, 0, width, height);
    window.open(system_window.get_desktop(), Modality_MODELESS);
    system_window.show(Modality_MODELESS);
    if (!a_png) {
        Application::get()->loop(Application::get()->create_quit_loop());
        return 0;
    }
    Bitmap picture(width, height);
    {
        Painter painter(picture);
        painter.draw_image(system_window.get_back_buffer(), 0, 0, {0, 0, width, height});
    }
    if (!picture.write_png(a_png)) {
        std::fprintf(stderr, "vexa-gallery: cannot write %s\n", a_png);
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", a_png, width, height);
    return 0;
}

} // namespace Gallery
