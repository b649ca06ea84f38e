#include "ChoiceSection.h"

#include "vexa/Graphics/Border.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/Choice.h"
#include "vexa/Widgets/Tab.h"
#include "vexa/Widgets/TabBar.h"
#include "vexa/Widgets/Tabs.h"

#include <cstdio>
#include <string>

using namespace Vexa;

namespace Gallery {

namespace {

constexpr GdiPlus_Color ink(0xFF2E3440);
constexpr GdiPlus_Color muted(0xFF6B6F76);
constexpr GdiPlus_Color line(0xFFD9D5CD);
constexpr GdiPlus_Color accent(0xFF3A6EA5);
constexpr GdiPlus_Color paper(0xFFFFFFFF);
constexpr GdiPlus_Color shade(0xFFE9E6E0);

const GdiPlus_Font& body_font() {
    static const GdiPlus_Font font(u"Arial", 13, FontSizeUnit_PIXEL);
    return font;
}

// One line of text, as wide as it needs.
class Caption : public Widget {
public:
    explicit Caption(std::u16string a_text, GdiPlus_Color a_color = muted)
        : m_text(std::move(a_text)), m_color(a_color) {}
    void set_text(std::u16string a_text) {
        m_text = std::move(a_text);
        request_measure();
        repaint();
    }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override {
        const Size text = Painter::measure_text(m_text, body_font());
        a_event.minimum = {a_event.minimum.width + text.width,
                           a_event.minimum.height + text.height};
        a_event.requested = a_event.minimum;
        a_event.maximum.height = a_event.requested.height;
    }
    void paint_content(Painter& a_painter) override {
        const Rect content = get_content_rect();
        a_painter.draw_text(m_text, content.x, content.y, content.width, content.height,
                            TextAlignment_LEFT, TextAlignment_MIDDLE, body_font(), m_color);
    }

private:
    std::u16string m_text;
    GdiPlus_Color m_color;
};

// Chorus voicings, with the detuned ones in a submenu of their own.
class VoicingBox : public ComboBox {
public:
    VoicingBox() { set_text(u"Three voices"); }

protected:
    void build_item_tree(ComboBoxItemTreeBuilder& a_builder) override {
        std::size_t id = 0;
        auto add = [&](const char16_t* a_label) {
            a_builder.add_item(a_label, id++, get_text() == a_label);
        };
        add(u"Two voices");
        add(u"Three voices");
        add(u"Four voices");
        a_builder.add_separator();
        a_builder.begin_submenu(u"Detuned");
        add(u"Wide detune");
        add(u"Narrow detune");
        a_builder.begin_submenu(u"Vintage");
        add(u"Bucket brigade");
        add(u"Tape");
        a_builder.end_submenu();
        a_builder.end_submenu();
    }
};

void style_box(ComboBox& a_box) {
    a_box.set_frame({SingleBorder(line, line), GdiPlus_Brush(paper)});
    a_box.set_paddings({4, 8, 6, 4});
    a_box.set_font(body_font());
    a_box.set_text_color(ink);
    a_box.set_arrow_brush(GdiPlus_Brush(muted));
    a_box.set_width_in_characters(14);
}

Widget* page(std::u16string a_title, std::u16string a_detail) {
    auto* column = new VerticalLayout;
    column->set_frame({SingleBorder(line, line), GdiPlus_Brush(paper)});
    column->set_paddings({10, 12, 12, 10});
    column->set_vertical_spacing(4);
    column->append(new Caption(std::move(a_title), ink));
    column->append(new Caption(std::move(a_detail)));
    column->append(nullptr);
    return column;
}

// The section itself, which also gives the tabs their look: the gallery runs without a sheet.
class ChoiceSection : public HorizontalLayout {
public:
    ChoiceSection() {
        set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFFF7F5F1))});
        set_paddings({12, 14, 14, 12});
        set_horizontal_spacing(24);

        auto* controls = new VerticalLayout;
        controls->set_vertical_spacing(6);
        auto* voicing = new VoicingBox;
        style_box(*voicing);
        auto* shape = new Choice;
        style_box(*shape);
        for (const char16_t* label : {u"Sine", u"Triangle", u"Square", u"Random steps"})
            shape->get_model().append(label);
        shape->get_model().select_item(1);
        m_report = new Caption(u"Click a box, or use its keys and wheel.");
        controls->append(new Caption(u"Combo box with submenus", ink));
        controls->append(voicing);
        controls->append(new Caption(u"Choice over a model", ink));
        controls->append(shape);
        controls->append(m_report);
        append(controls);
        connect(voicing->m_on_item_chosen, this, &ChoiceSection::p_on_chosen);
        connect(shape->m_on_item_chosen, this, &ChoiceSection::p_on_chosen);

        m_tabs = new Tabs;
        m_tabs->set_vertical_spacing(0);
        m_tabs->get_tab_bar()->set_horizontal_spacing(2);
        m_tabs->add_tab(u"Rate", page(u"Rate 0.35 Hz", u"How fast the voices drift."));
        m_tabs->add_tab(u"Depth", page(u"Depth 40 %", u"How far the voices drift."));
        m_tabs->add_tab(u"Mix", page(u"Mix 50 %", u"Dry and wet in equal parts."));
        m_tabs->set_horizontally_stretchable(true);
        append(m_tabs);
        connect(m_tabs->m_on_selection_changed, this, &ChoiceSection::p_on_tab);
        p_dress_tabs();
    }

private:
    void p_on_chosen(ComboBoxEvent& a_event) {
        m_report->set_text(u"Chosen: " + a_event.label);
        std::string text(a_event.label.begin(), a_event.label.end());
        std::printf("combo box: %s\n", text.c_str());
        std::fflush(stdout);
    }
    void p_on_tab(TabsEvent&) { p_dress_tabs(); }
    void p_dress_tabs() {
        for (std::size_t i = 0; i < m_tabs->get_tab_count(); ++i) {
            Tab* tab = m_tabs->get_tab(i);
            const bool shown = tab->is_shown();
            tab->set_frame({SingleBorder(shown ? accent : line, shown ? accent : line),
                            GdiPlus_Brush(shown ? paper : shade)});
            tab->set_paddings({5, 14, 14, 5});
            tab->set_font(body_font());
            tab->set_text_color(shown ? accent : muted);
        }
    }

    Caption* m_report = nullptr;
    Tabs* m_tabs = nullptr;
};

} // namespace

Widget* make_choice_section() {
    return new ChoiceSection;
}

} // namespace Gallery
