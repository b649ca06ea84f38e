// A window the size of a full editor holding 500 widgets (a 25 x 20 grid of cells, each with a
// caption and a value bar), on the headless backend: opening it (restyle, measure, placement and
// the first whole paint), painting it whole again, and changing one cell. The one-cell change
// reports the area it painted, which must be that cell alone. Target: a whole repaint under 8 ms.

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Window/SystemWindow.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int columns = 25;
constexpr int rows = 20;
constexpr int cell_width = 40;
constexpr int cell_height = 35;

class Cell : public Vexa::Widget {
public:
    explicit Cell(int a_index)
        : m_caption(u"P" + std::u16string(1, char16_t(u'A' + a_index % 26))) {
        set_frame(
            {Vexa::SingleBorder(Vexa::GdiPlus_Color(0xFF3D434C), Vexa::GdiPlus_Color(0xFF1A1D21)),
             Vexa::GdiPlus_Brush(Vexa::GdiPlus_Color(0xFF262A30))});
        set_paddings({2, 2, 2, 2});
    }
    void set_value(int a_value) {
        m_value = a_value;
        repaint();
    }

protected:
    void paint_content(Vexa::Painter& a_painter) override {
        const Vexa::Rect content = get_content_rect();
        a_painter.draw_text(m_caption, content.x, content.y, content.width, 14,
                            Vexa::TextAlignment_LEFT, Vexa::TextAlignment_MIDDLE, get_font(),
                            Vexa::GdiPlus_Color(0xFFE4E7EB));
        a_painter.fill_rectangle(
            {content.x, content.bottom() - 8, content.width * m_value / 100, 8},
            Vexa::GdiPlus_Brush(Vexa::GdiPlus_Color(0xFF3FB6A8)));
    }

private:
    std::u16string m_caption;
    int m_value = 50;
};

struct Editor {
    Editor() {
        Vexa::Application::acquire();
        Vexa::Toolkit::install(std::make_unique<Vexa::HeadlessPlatform>());
        system = std::make_unique<Vexa::SystemWindow>(nullptr, 0);
        system->set_client_size(columns * cell_width, rows * cell_height);
        system->show(Vexa::Modality_MODELESS);
    }
    ~Editor() {
        window.reset();
        system.reset();
        Vexa::Application::release();
    }
    void open() {
        window = std::make_unique<Vexa::Window>();
        window->set_geometry(0, 0, columns * cell_width, rows * cell_height);
        for (int i = 0; i < columns * rows; ++i) {
            auto* cell = new Cell(i);
            cell->set_geometry((i % columns) * cell_width, (i / columns) * cell_height, cell_width,
                               cell_height);
            window->add_child(cell);
        }
        window->open(system->get_desktop(), Vexa::Modality_MODELESS);
    }

    std::unique_ptr<Vexa::SystemWindow> system;
    std::unique_ptr<Vexa::Window> window;
};

void open_editor(benchmark::State& a_state) {
    Editor editor;
    for (auto _ : a_state) {
        editor.open();
        a_state.PauseTiming();
        editor.window.reset();
        a_state.ResumeTiming();
    }
}
BENCHMARK(open_editor)->Unit(benchmark::kMillisecond);

void repaint_whole_editor(benchmark::State& a_state) {
    Editor editor;
    editor.open();
    for (auto _ : a_state)
        editor.window->repaint();
}
BENCHMARK(repaint_whole_editor)->Unit(benchmark::kMillisecond);

void change_one_cell(benchmark::State& a_state) {
    Editor editor;
    editor.open();
    auto* cell = static_cast<Cell*>(editor.window->get_children()[260]);
    int value = 0;
    for (auto _ : a_state)
        cell->set_value(value++ % 100);
    const Vexa::Rect painted = editor.system->get_desktop()->get_last_painted();
    a_state.counters["painted_pixels"] = double(painted.width) * painted.height;
    a_state.counters["cell_pixels"] = double(cell_width) * cell_height;
}
BENCHMARK(change_one_cell)->Unit(benchmark::kMicrosecond);

} // namespace
