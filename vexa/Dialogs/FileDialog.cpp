#include "vexa/Dialogs/FileDialog.h"

#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Dialogs/UnattendedFileDialog.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Widgets/Entry.h"
#include "vexa/Widgets/ListView.h"
#include "vexa/Widgets/ListViewMain.h"
#include "vexa/Window/MessageBox.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Timer.h"

#include <algorithm>

namespace Vexa {

namespace {

constexpr int margin = 12;
constexpr int gap = 8;
constexpr int row = 26;
constexpr int label_width = 92;
constexpr int button_width = 88;

const GdiPlus_Color text_color(0xFF202020);
const GdiPlus_Color band_color(0xFFE9E6E0);

} // namespace

// A push button whose caption may change (the filter's).
class FileDialog::Button : public Widget {
public:
    Button(std::u16string a_caption, std::function<void()> a_on_click)
        : m_caption(std::move(a_caption)), m_on_click(std::move(a_on_click)) {
        set_accepts(InputEventType_MOUSE_DOWN, true);
        set_accepts(InputEventType_MOUSE_UP, true);
        set_input_event_propagation_filter(InputEventType_MOUSE_DOWN, false);
        set_input_event_propagation_filter(InputEventType_MOUSE_UP, false);
    }
    void set_caption(std::u16string a_caption) {
        m_caption = std::move(a_caption);
        repaint();
    }
    const std::u16string& get_caption() const noexcept { return m_caption; }

protected:
    void paint_content(Painter& a_painter) override {
        const int w = get_width();
        const int h = get_height();
        a_painter.fill_and_stroke_rectangle(
            0, 0, w, h, GdiPlus_Pen(GdiPlus_Color(0xFF8C8C8C), 1),
            GdiPlus_Brush(GdiPlus_Color(m_pressed ? 0xFFD8D4CC : 0xFFFFFFFF)));
        a_painter.draw_line(1, h - 2, w - 2, h - 2,
                            GdiPlus_Pen(GdiPlus_Color(m_pressed ? 0xFFFFFFFF : 0xFFDAD6CE), 0));
        const int shift = m_pressed ? 1 : 0;
        a_painter.draw_text(m_caption, 6 + shift, shift, w - 12, h, TextAlignment_CENTER,
                            TextAlignment_MIDDLE, get_font(), text_color);
    }
    void handle_input(InputEvent& a_event) override {
        if (a_event.button != 1)
            return;
        if (a_event.type == InputEventType_MOUSE_DOWN) {
            m_pressed = true;
            a_event.consumed = true;
            repaint();
        } else if (a_event.type == InputEventType_MOUSE_UP && m_pressed) {
            m_pressed = false;
            a_event.consumed = true;
            repaint();
            if (a_event.x >= 0 && a_event.y >= 0 && a_event.x < get_width() &&
                a_event.y < get_height() && m_on_click)
                m_on_click();
        }
    }

private:
    std::u16string m_caption;
    std::function<void()> m_on_click;
    bool m_pressed = false;
};

// A line of text at the left, cut where it does not fit; the folder line keeps the end of a long
// path, the part that tells folders apart.
class FileDialog::Caption : public Widget {
public:
    explicit Caption(std::u16string a_text, bool a_keep_end = false)
        : m_text(std::move(a_text)), m_keep_end(a_keep_end) {}
    void set_text(std::u16string_view a_text) {
        m_text = std::u16string(a_text);
        repaint();
    }

protected:
    void paint_content(Painter& a_painter) override {
        std::u16string_view shown = m_text;
        if (m_keep_end) {
            while (shown.size() > 1 &&
                   Painter::measure_text(shown, get_font()).width > get_width()) {
                shown.remove_prefix(1);
            }
            if (shown.size() < m_text.size()) {
                const std::u16string cut = u"\u2026" + std::u16string(shown.substr(1));
                a_painter.draw_text(cut, 0, 0, get_width(), get_height(), TextAlignment_LEFT,
                                    TextAlignment_MIDDLE, get_font(), text_color);
                return;
            }
        }
        a_painter.draw_text(shown, 0, 0, get_width(), get_height(), TextAlignment_LEFT,
                            TextAlignment_MIDDLE, get_font(), text_color);
    }

private:
    std::u16string m_text;
    bool m_keep_end;
};

// Places the parts by hand: the folder row, the listing, the name row and the filter row.
class FileDialog::Panel : public Widget {
public:
    Widget* look_in = nullptr;
    Widget* folder = nullptr;
    Widget* up = nullptr;
    Widget* listing = nullptr;
    Widget* name_label = nullptr;
    Widget* name = nullptr;
    Widget* confirm = nullptr;
    Widget* filter_label = nullptr;
    Widget* filter = nullptr;
    Widget* cancel = nullptr;

protected:
    void paint_content(Painter& a_painter) override {
        const int band = 2 * row + 3 * gap + margin - gap;
        a_painter.fill_rectangle({0, get_height() - band, get_width(), band},
                                 GdiPlus_Brush(band_color));
        a_painter.draw_line(0, get_height() - band, get_width() - 1, get_height() - band,
                            GdiPlus_Pen(GdiPlus_Color(0xFFD6D2CA), 0));
    }
    void resized() override {
        const int w = get_width();
        const int h = get_height();
        const int right = w - margin;
        look_in->set_geometry(margin, margin, label_width, row);
        up->set_geometry(right - 60, margin, 60, row);
        folder->set_geometry(margin + label_width, margin, right - 60 - gap - margin - label_width,
                             row);
        const int filter_y = h - margin - row;
        const int name_y = filter_y - gap - row;
        const int list_top = margin + row + gap;
        listing->set_geometry(margin, list_top, w - 2 * margin, name_y - 2 * gap - list_top);
        const int field_x = margin + label_width;
        const int field_width = right - button_width - gap - field_x;
        name_label->set_geometry(margin, name_y, label_width, row);
        // The entry is only as high as its text needs: centred on the row.
        const int name_height = std::min(row, name->get_requested_sizes().get_requested_height());
        name->set_geometry(field_x, name_y + (row - name_height) / 2, field_width, name_height);
        confirm->set_geometry(right - button_width, name_y, button_width, row);
        filter_label->set_geometry(margin, filter_y, label_width, row);
        filter->set_geometry(field_x, filter_y, field_width, row);
        cancel->set_geometry(right - button_width, filter_y, button_width, row);
    }
};

FileDialog::FileDialog(std::u16string a_caption, FileDialogModel& a_model)
    : NormalWindow(a_caption), m_caption(std::move(a_caption)), m_model(a_model) {
    const bool save = m_model.get_mode() == FileDialogMode_SAVE;
    auto* panel = new Panel;
    panel->set_frame({NoBorder(), GdiPlus_Brush(GdiPlus_Color(0xFFF7F6F3))});
    panel->look_in = new Caption(u"Look in:");
    panel->folder = m_folder = new Caption(u"", true);
    panel->up = new Button(u"Up", [this] { go_up(); });
    panel->listing = m_listing = new ListView;
    panel->name_label = new Caption(u"File name:");
    panel->name = m_name = new Entry;
    panel->confirm = new Button(save ? u"Save" : u"Open", [this] { confirm(); });
    panel->filter_label = new Caption(u"Files of type:");
    panel->filter = m_filter = new Button(u"", [this] { next_filter(); });
    panel->cancel = new Button(u"Cancel", [this] { cancel(); });
    for (Widget* child :
         {panel->look_in, panel->folder, panel->up, panel->listing, panel->name_label, panel->name,
          panel->confirm, panel->filter_label, panel->filter, panel->cancel})
        panel->add_child(child);
    if (m_model.get_filters().empty())
        m_filter->set_enabled(false);
    connect(m_listing->m_on_selection_changed, this, &FileDialog::p_on_selection);
    connect(m_listing->m_on_item_activated, this, &FileDialog::p_on_activated);
    connect(m_listing->get_main().on_keyboard_down(), this, &FileDialog::p_on_listing_key);
    connect(m_listing->get_main().on_keyboard_string(), this, &FileDialog::p_on_listing_key);
    connect(m_name->m_on_edited, this, &FileDialog::p_on_edited);
    m_listing->get_main().set_accepts(InputEventType_KEYBOARD_STRING, true);
    set_client(panel);
    p_fill();
}

FileDialog::~FileDialog() = default;

Size FileDialog::get_preferred_size() const {
    return size_for_client(600, 420);
}

void FileDialog::p_fill() {
    m_filling = true;
    m_folder->set_text(m_model.get_folder().view());
    m_listing->clear();
    for (const FileDialogModel::Entry& entry : m_model.get_entries())
        m_listing->add_item(entry.name.view(),
                            entry.is_folder ? ListViewItemMark_FOLDER : ListViewItemMark_FILE);
    if (!m_model.get_listing_error().empty())
        m_listing->add_item(m_model.get_listing_error().view());
    m_name->set_text(m_model.get_file_name().view());
    const auto& filters = m_model.get_filters();
    if (!filters.empty())
        m_filter->set_caption(
            std::u16string(filters[m_model.get_selected_filter()].get_description().view()));
    m_filling = false;
}

void FileDialog::p_step(FileDialogStep a_step) {
    switch (a_step) {
    case FileDialogStep_NONE:
        return;
    case FileDialogStep_CHOSEN:
        m_result = m_model.get_chosen_path();
        close();
        return;
    case FileDialogStep_FOLDER_SHOWN:
        p_fill();
        return;
    case FileDialogStep_ASK_OVERWRITE:
        p_step(m_model.answer_overwrite(
            message_box_question(this, m_caption, m_model.get_message().view()) ==
            MessageBoxResult_YES));
        return;
    case FileDialogStep_ERROR:
        message_box_information(this, m_caption, m_model.get_message().view());
        return;
    }
}

void FileDialog::cancel() {
    m_result.reset();
    close();
}

void FileDialog::confirm() {
    m_model.set_file_name(m_name->get_text().view());
    p_step(m_model.confirm());
}

void FileDialog::go_up() {
    // The folder left behind stays highlighted, so the keyboard goes on from where it was.
    const std::u16string_view folder = m_model.get_folder().view();
    const std::size_t slash = folder.find_last_of(u'/');
    const Orvo::WString left(slash == std::u16string_view::npos ? folder
                                                                : folder.substr(slash + 1));
    const FileDialogStep step = m_model.show_parent();
    p_step(step);
    if (step != FileDialogStep_FOLDER_SHOWN)
        return;
    const auto& entries = m_model.get_entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].is_folder && entries[i].name == left)
            m_listing->select(i);
}

void FileDialog::next_filter() {
    const std::size_t count = m_model.get_filters().size();
    if (count == 0)
        return;
    m_model.set_file_name(m_name->get_text().view());
    m_model.select_filter((m_model.get_selected_filter() + 1) % count);
    p_fill();
}

void FileDialog::focus_first() {
    if (m_model.get_mode() == FileDialogMode_SAVE || m_listing->get_item_count() == 0) {
        m_name->set_focus(FocusReason_PROGRAM);
        m_name->select_all();
    } else {
        m_listing->get_main().set_focus(FocusReason_PROGRAM);
    }
}

void FileDialog::p_on_selection(ListViewSelectionChangedEvent& a_event) {
    if (m_filling || !a_event.selection || *a_event.selection >= m_model.get_entries().size())
        return;
    m_model.select_entry(*a_event.selection);
    if (!m_model.get_entries()[*a_event.selection].is_folder)
        m_name->set_text(m_model.get_file_name().view());
}

void FileDialog::p_on_activated(ListViewEvents::OnItemActivated& a_event) {
    if (a_event.index < m_model.get_entries().size())
        p_step(m_model.open_entry(a_event.index));
}

void FileDialog::p_on_edited(EntryEvents::OnEdited&) {
    if (!m_filling)
        m_model.set_file_name(m_name->get_text().view());
}

void FileDialog::p_on_listing_key(InputEvent& a_event) {
    if (a_event.consumed)
        return;
    if (a_event.type == InputEventType_KEYBOARD_DOWN && a_event.key == KeyCode_BACKSPACE) {
        a_event.consumed = true;
        go_up();
    } else if (a_event.type == InputEventType_KEYBOARD_STRING && !a_event.text.empty()) {
        a_event.consumed = true;
        if (auto found = m_model.find_entry_starting_with(a_event.text))
            m_listing->select(*found);
    }
}

void FileDialog::handle_input(InputEvent& a_event) {
    if (a_event.type == InputEventType_KEYBOARD_DOWN && !a_event.consumed) {
        switch (a_event.key) {
        case KeyCode_ESCAPE:
            a_event.consumed = true;
            cancel();
            return;
        case KeyCode_ENTER:
            a_event.consumed = true;
            confirm();
            return;
        case KeyCode_TAB:
            a_event.consumed = true;
            if (m_name->has_focus())
                m_listing->get_main().set_focus(FocusReason_TAB);
            else
                m_name->set_focus(FocusReason_TAB);
            return;
        default:
            break;
        }
    }
    NormalWindow::handle_input(a_event);
}

void FileDialog::after_close() {
    if (!m_closes_system_window || !get_desktop())
        return;
    if (SystemWindow* system_window = get_desktop()->get_system_window())
        system_window->close();
}

namespace {

// Gives the first focus once the dialog's window shows (a hidden widget takes none).
struct FirstFocus {
    FileDialog* dialog;
    void on_tick(TimerTickEvent&) { dialog->focus_first(); }
};

std::optional<Orvo::WString> run(Widget* a_owner, std::u16string_view a_caption,
                                 FileDialogModel& a_model, std::u16string_view a_start) {
    a_model.start_at(a_start);
    switch (UnattendedFileDialog::answer(a_owner, a_caption, a_model)) {
    case FileDialogOutcome_CANCELLED:
        return std::nullopt;
    case FileDialogOutcome_CHOSEN:
        return a_model.get_chosen_path();
    case FileDialogOutcome_SHOW:
        break;
    }
    SystemWindow* owner = find_dialog_owner(a_owner);
    SystemWindow dialog_window(owner, 0);
    dialog_window.set_title(a_caption);
    FileDialog dialog{std::u16string(a_caption), a_model};
    dialog.set_closes_system_window(true);
    const Size size = dialog.get_preferred_size();
    dialog_window.set_client_size(size.width, size.height);
    dialog.set_geometry(0, 0, size.width, size.height);
    dialog.open(dialog_window.get_desktop(), Modality_MODELESS);
    Timer timer(&dialog_window);
    FirstFocus first_focus{&dialog};
    timer.get_tick_signal().connect(new Orvo::MethodSlot1<void(TimerTickEvent&), FirstFocus>(
        &first_focus, &FirstFocus::on_tick));
    timer.start(0, true);
    dialog_window.show(Modality_MODAL);
    return dialog.get_result();
}

} // namespace

std::optional<Orvo::WString> get_open_file_name(Widget* a_owner, std::u16string_view a_caption,
                                                Orvo::Vector<FileDialogFilter> a_filters,
                                                std::size_t a_selected_filter,
                                                std::u16string_view a_start) {
    FileDialogModel model(FileDialogMode_OPEN, std::move(a_filters), a_selected_filter);
    return run(a_owner, a_caption, model, a_start);
}

std::optional<Orvo::WString> get_save_file_name(Widget* a_owner, std::u16string_view a_caption,
                                                Orvo::Vector<FileDialogFilter> a_filters,
                                                std::size_t a_selected_filter,
                                                std::u16string_view a_default_extension,
                                                std::u16string_view a_start) {
    FileDialogModel model(FileDialogMode_SAVE, std::move(a_filters), a_selected_filter,
                          Orvo::WString(a_default_extension));
    return run(a_owner, a_caption, model, a_start);
}

} // namespace Vexa
