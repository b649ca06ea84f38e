#include "EntrySection.h"

#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/DecimalEdit.h"
#include "vexa/Widgets/Entry.h"
#include "vexa/Widgets/IntegerEntry.h"
#include "vexa/Widgets/ListView.h"

#include <vector>

using namespace Vexa;

namespace Gallery {

namespace {

constexpr int label_width = 86;
constexpr int row_height = 24;
constexpr int gap = 8;

// Labels at the left of each row, the widgets beside them, the list below.
class EntrySection : public Widget {
public:
    EntrySection() {
        auto* entry = new Entry;
        entry->set_text(u"Warm ensemble");
        entry->set_width_in_characters(20);
        entry->get_model().move_to(5, false);
        entry->get_model().move_end(true);
        m_rows.push_back({u"Preset name", entry});
        m_rows.push_back({u"Voices", new IntegerEntry(1, 8, 8)});
        m_rows.push_back({u"Delay (ms)", new DecimalEdit(0.5, 40.0, 2, 7.25)});
        m_list = new ListView;
        const std::pair<const char16_t*, ListViewItemMark> items[] = {
            {u"Factory", ListViewItemMark_FOLDER},
            {u"User", ListViewItemMark_FOLDER},
            {u"Airy Doubler.preset", ListViewItemMark_FILE},
            {u"Slow Shimmer.preset", ListViewItemMark_FILE},
            {u"Tape Wobble.preset", ListViewItemMark_FILE},
            {u"Warm Ensemble.preset", ListViewItemMark_FILE},
            {u"Wide Strings.preset", ListViewItemMark_FILE}};
        for (const auto& [text, mark] : items)
            m_list->add_item(text, mark);
        m_list->select(5);
        for (const Row& row : m_rows)
            add_child(row.widget);
        add_child(m_list);
    }

protected:
    void paint_content(Painter& a_painter) override {
        int y = gap;
        for (const Row& row : m_rows) {
            a_painter.draw_text(row.label, gap, y, label_width, row_height, TextAlignment_LEFT,
                                TextAlignment_MIDDLE, get_font(), get_text_color());
            y += row_height + gap;
        }
    }
    void resized() override {
        int y = gap;
        const int x = gap + label_width;
        for (const Row& row : m_rows) {
            const auto& sizes = row.widget->get_requested_sizes();
            const int height = std::min(sizes.get_requested_height(), row_height);
            row.widget->set_geometry(x, y + (row_height - height) / 2,
                                     std::min(sizes.get_requested_width(), get_width() - x - gap),
                                     height);
            y += row_height + gap;
        }
        m_list->set_geometry(gap, y, get_width() - 2 * gap, get_height() - y - gap);
    }

private:
    struct Row {
        const char16_t* label;
        Widget* widget;
    };
    std::vector<Row> m_rows;
    ListView* m_list;
};

} // namespace

Widget* make_entry_section() {
    return new EntrySection;
}

} // namespace Gallery
