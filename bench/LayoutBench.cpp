// A tree the size of a full editor: 500 labels and bars in one grid layout (25 rows of ten
// label-and-bar pairs) in a 1000 x 700 window, on the headless backend. Three figures:
// a full layout (every widget measured again and every child moved), a full repaint of the
// window, and the change of one bar's value (one widget repainted). Target for the full repaint:
// under 8 ms.

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Window.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

using namespace Vexa;

namespace {

const GdiPlus_Font& font() {
    static const GdiPlus_Font instance(u"Arial", 11, FontSizeUnit_PIXEL);
    return instance;
}

class Label : public Widget {
public:
    explicit Label(std::u16string a_text) : m_text(std::move(a_text)) {}

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override {
        const Size text = Painter::measure_text(m_text, font());
        a_event.minimum = {a_event.minimum.width + text.width,
                           a_event.minimum.height + text.height};
        a_event.requested = a_event.minimum;
    }
    void paint_content(Painter& a_painter) override {
        a_painter.draw_text(m_text, 0, 0, get_width(), get_height(), TextAlignment_LEFT,
                            TextAlignment_MIDDLE, font(), GdiPlus_Color(0xFF2E3440));
    }

private:
    std::u16string m_text;
};

class Bar : public Widget {
public:
    Bar() { set_size_constraints({60, -1, 60, 14, 14, 14}); }
    void set_value(double a_value) {
        m_value = a_value;
        repaint();
    }

protected:
    void paint_content(Painter& a_painter) override {
        a_painter.fill_rectangle({0, 0, get_width(), get_height()},
                                 GdiPlus_Brush(GdiPlus_Color(0xFFDCE7F3)));
        a_painter.fill_rectangle({0, 0, int(get_width() * m_value), get_height()},
                                 GdiPlus_Brush(GdiPlus_Color(0xFF3A6EA5)));
    }

private:
    double m_value = 0.5;
};

struct Editor {
    Editor() {
        Application::acquire();
        Toolkit::install(std::make_unique<HeadlessPlatform>());
        system = std::make_unique<SystemWindow>(nullptr, 0);
        system->set_client_size(1000, 700);
        board = std::make_unique<Window>();
        board->set_geometry(0, 0, 1000, 700);
        grid = new GridLayout(25, 20);
        grid->set_paddings({8, 8, 8, 8});
        for (std::size_t row = 0; row < 25; ++row)
            for (std::size_t pair = 0; pair < 10; ++pair) {
                grid->set_cell(row, 2 * pair,
                               new Label(u"V" + std::u16string(1, u'A' + pair) +
                                         std::u16string(1, u'a' + row % 26)));
                auto* bar = new Bar;
                bars.push_back(bar);
                grid->set_cell(row, 2 * pair + 1, bar);
            }
        board->add_child(grid);
        grid->set_geometry(0, 0, 1000, 700);
        board->open(system->get_desktop(), Modality_MODELESS);
        system->show(Modality_MODELESS);
    }

    std::unique_ptr<SystemWindow> system;
    std::unique_ptr<Window> board;
    GridLayout* grid = nullptr;
    std::vector<Bar*> bars;
};

Editor& editor() {
    static Editor instance;
    return instance;
}

void full_layout(benchmark::State& a_state) {
    Editor& e = editor();
    int spacing = 0;
    for (auto _ : a_state) {
        UpdateManager::Suspension suspension(e.system->get_desktop()->get_update_manager());
        for (Widget* child : e.grid->get_children())
            child->request_measure();
        // A new spacing moves every child.
        spacing = 3 - spacing;
        e.grid->set_horizontal_spacing(spacing);
        e.grid->set_vertical_spacing(spacing);
    }
}
BENCHMARK(full_layout)->Unit(benchmark::kMillisecond);

void full_repaint(benchmark::State& a_state) {
    Editor& e = editor();
    for (auto _ : a_state)
        e.board->repaint();
}
BENCHMARK(full_repaint)->Unit(benchmark::kMillisecond);

void one_bar_changes(benchmark::State& a_state) {
    Editor& e = editor();
    double value = 0.25;
    for (auto _ : a_state) {
        value = 1.0 - value;
        e.bars[137]->set_value(value);
    }
}
BENCHMARK(one_bar_changes)->Unit(benchmark::kMicrosecond);

} // namespace
