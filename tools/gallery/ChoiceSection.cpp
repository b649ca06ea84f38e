#include "ChoiceSection.h"

#include "GalleryPalette.h"

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

// One line of text, as wide as it needs: in the sheet's text colour, or quieter.
class Caption : public Widget {
public:
    explicit Caption(std::u16string a_text, bool a_quiet = true)
        : m_text(std::move(a_text)), m_quiet(a_quiet) {}
    void set_text(std::u16string a_text) {
        m_text = std::move(a_text);
        request_measure();
        repaint();
    }

protected:
    void measure_content(WidgetEvents::OnMeasure& a_event) override {
        const Size text = Painter::measure_text(m_text, get_font());
        a_event.minimum = {a_event.minimum.width + text.width,
                           a_event.minimum.height + text.height};
        a_event.requested = a_event.minimum;
        a_event.maximum.height = a_event.requested.height;
    }
    void paint_content(Painter& a_painter) override {
        const Rect content = get_content_rect();
        a_painter.draw_text(m_text, content.x, content.y, content.width, content.height,
                            TextAlignment_LEFT, TextAlignment_MIDDLE, get_font(),
                            m_quiet ? Palette::quiet_text : get_text_color());
    }

private:
    std::u16string m_text;
    bool m_quiet;
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

Widget* page(std::u16string a_title, std::u16string a_detail) {
    auto* column = new VerticalLayout;
    column->set_frame({SingleBorder(Palette::line, Palette::line), GdiPlus_Brush(Palette::raised)});
    column->set_paddings({10, 12, 12, 10});
    column->set_vertical_spacing(4);
    column->append(new Caption(std::move(a_title), false));
    column->append(new Caption(std::move(a_detail)));
    column->append(nullptr);
    return column;
}

// The section itself; the sheet gives the boxes and the tabs their look.
class ChoiceSection : public HorizontalLayout {
public:
    ChoiceSection() {
        set_paddings({12, 14, 14, 12});

        auto* controls = new VerticalLayout;
        controls->set_vertical_spacing(6);
        // The sheet's narrow grid spacing would set the boxes right against the tabs.
        controls->set_paddings({0, 0, 20, 0});
        auto* voicing = new VoicingBox;
        voicing->set_width_in_characters(14);
        auto* shape = new Choice;
        shape->set_width_in_characters(14);
        for (const char16_t* label : {u"Sine", u"Triangle", u"Square", u"Random steps"})
            shape->get_model().append(label);
        shape->get_model().select_item(1);
        m_report = new Caption(u"Click a box, or use its keys and wheel.");
        controls->append(new Caption(u"Combo box with submenus", false));
        controls->append(voicing);
        controls->append(new Caption(u"Choice over a model", false));
        controls->append(shape);
        controls->append(m_report);
        append(controls);
        connect(voicing->m_on_item_chosen, this, &ChoiceSection::p_on_chosen);
        connect(shape->m_on_item_chosen, this, &ChoiceSection::p_on_chosen);

        auto* tabs = new Tabs;
        tabs->add_tab(u"Rate", page(u"Rate 0.35 Hz", u"How fast the voices drift."));
        tabs->add_tab(u"Depth", page(u"Depth 40 %", u"How far the voices drift."));
        tabs->add_tab(u"Mix", page(u"Mix 50 %", u"Dry and wet in equal parts."));
        tabs->set_horizontally_stretchable(true);
        append(tabs);
    }

private:
    void p_on_chosen(ComboBoxEvent& a_event) {
        m_report->set_text(u"Chosen: " + a_event.label);
        std::string text(a_event.label.begin(), a_event.label.end());
        std::printf("combo box: %s\n", text.c_str());
        std::fflush(stdout);
    }

    Caption* m_report = nullptr;
};

} // namespace

Widget* make_choice_section() {
    return new ChoiceSection;
}

} // namespace Gallery
