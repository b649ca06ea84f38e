#include "vexa/Widgets/Entry.h"

#include "orvo/Core/Exception.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/StockObjects.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Desktop/KeyboardModifiers.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Styles/StyleRegistry.h"
#include "vexa/Styles/StyleSheet.h"
#include "vexa/Styles/StyleValue.h"
#include "vexa/Styles/TableStyleManager.h"
#include "vexa/Text/SystemTextClipboard.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Timer.h"

#include <cmath>

namespace Vexa {

namespace {

constexpr unsigned blink_interval = 530;

void apply_entry_style(Widget& a_widget, int a_index, const StyleValue& a_value) {
    auto* entry = dynamic_cast<Entry*>(&a_widget);
    if (!entry)
        return;
    if (a_index == 0)
        entry->m_selection_background = a_value.to_brush();
    else if (a_index == 1)
        entry->m_selection_text_color = a_value.to_color();
    entry->repaint();
}

} // namespace

void Entry::install_style(const StyleRegistry& a_registry) {
    const StyleClass* style_class = a_registry.find_class(Orvo::WString(u"Entry"));
    if (!style_class)
        return;
    if (auto* manager = dynamic_cast<TableStyleManager*>(a_registry.get_manager(style_class->id)))
        manager->set_behaviour({&apply_entry_style, nullptr, nullptr});
}

Entry::Entry() : m_selection_background(GdiPlus_Color(StockObjects::accent)) {
    set_focus_policy(FocusPolicy_CLICK | FocusPolicy_TAB);
    for (auto type :
         {InputEventType_KEYBOARD_DOWN, InputEventType_KEYBOARD_STRING, InputEventType_MOUSE_DOWN,
          InputEventType_MOUSE_MOVED, InputEventType_MOUSE_UP})
        set_accepts(type, true);
    set_cursor(MouseCursor_IBEAM);
    set_frame({SingleBorder(GdiPlus_Color(0xFF8C8C8C), GdiPlus_Color(0xFFD8D8D8)),
               GdiPlus_Brush(GdiPlus_Color(0xFFFFFFFF))});
    set_paddings({2, 4, 4, 2});
    set_horizontally_stretchable(true);
    m_measure = [this](std::u16string_view a_text) {
        return double(Painter::measure_text(a_text, get_font()).width);
    };
    m_model.set_character_filter([this](char32_t a_character) {
        EntryEvents::OnAcceptableCharacter event{this, a_character, true};
        m_on_acceptable_character.emit(event);
        return event.acceptable;
    });
    connect(m_on_focus_in, this, &Entry::p_on_focus_in);
    connect(m_on_focus_out, this, &Entry::p_on_focus_out);
    connect(m_on_desktop_changed, this, &Entry::p_on_desktop_changed);
    WidgetEvents::OnDesktopChanged now{this, nullptr, nullptr};
    p_on_desktop_changed(now);
}

// The properties need their storage before the restyle that entering a desktop brings, and a
// sheet loaded after the widget was made needs it for the next restyle.
void Entry::p_on_desktop_changed(WidgetEvents::OnDesktopChanged&) {
    if (const Application* application = Application::get())
        if (application->get_style_sheet())
            install_style(application->get_style_sheet()->get_registry());
}

Entry::~Entry() = default;

void Entry::set_text(std::u16string_view a_text) {
    m_model.set_text(a_text);
    p_edited(true);
}

void Entry::select_all() {
    m_model.select_all();
    p_caret_moved();
}

void Entry::set_width_in_characters(int a_characters) {
    m_width_in_characters = std::max(0, a_characters);
    request_measure();
}

void Entry::exit() {
    p_exit();
}

TextClipboard& Entry::p_clipboard() {
    if (m_clipboard)
        return *m_clipboard;
    if (!m_system_clipboard)
        m_system_clipboard = std::make_unique<SystemTextClipboard>();
    return *m_system_clipboard;
}

void Entry::measure_content(WidgetEvents::OnMeasure& a_event) {
    const Size average = Painter::measure_text(u"MXMXMXMXMX", get_font());
    const int width = int(std::lround(average.width / 10.0 * m_width_in_characters)) + 2;
    a_event.minimum.width += std::min(width, 24);
    a_event.requested.width += width;
    a_event.minimum.height += average.height;
    a_event.requested.height += average.height;
    a_event.maximum.height = a_event.extras.height + average.height;
}

void Entry::resized() {
    p_caret_moved();
}

void Entry::paint_content(Painter& a_painter) {
    const Rect content = get_content_rect();
    if (content.width <= 0 || content.height <= 0)
        return;
    const Rect window = get_rect_in_window();
    a_painter.clip_to({window.x + content.x, window.y + content.y, content.width, content.height});
    const GdiPlus_Font& font = get_font();
    const Orvo::WString& text = m_model.get_text();
    const int origin = content.x - int(std::lround(m_scroll));
    const int full = int(std::ceil(m_model.get_x_of(text.size(), m_measure))) + 2;
    a_painter.draw_text(text.view(), origin, content.y, full, content.height, TextAlignment_LEFT,
                        TextAlignment_MIDDLE, font, get_text_color());
    if (m_model.has_selection()) {
        const int from = origin + int(m_model.get_x_of(m_model.get_selection_start(), m_measure));
        const int to = origin + int(m_model.get_x_of(m_model.get_selection_end(), m_measure));
        // The selected part again over its band, clipped to the band.
        a_painter.fill_rectangle({from, content.y, to - from, content.height},
                                 m_selection_background);
        a_painter.clip_to({window.x + from, window.y + content.y, to - from, content.height});
        a_painter.draw_text(text.view(), origin, content.y, full, content.height,
                            TextAlignment_LEFT, TextAlignment_MIDDLE, font, m_selection_text_color);
    }
    if (m_caret_shown && has_focus()) {
        a_painter.clip_to(
            {window.x + content.x, window.y + content.y, content.width, content.height});
        const int x = origin + int(m_model.get_x_of(m_model.get_caret(), m_measure));
        a_painter.fill_rectangle(
            {std::min(x, content.x + content.width - 1), content.y, 1, content.height},
            GdiPlus_Brush(get_text_color()));
    }
}

std::size_t Entry::p_position_at(int a_x) const {
    return m_model.get_position_at(a_x - get_content_rect().x + m_scroll, m_measure);
}

void Entry::handle_input(InputEvent& a_event) {
    switch (a_event.type) {
    case InputEventType_MOUSE_DOWN:
        if (a_event.button != 1)
            return;
        a_event.consumed = true;
        if (!has_focus())
            set_focus(FocusReason_CLICK, a_event.button, a_event.x, a_event.y);
        if (a_event.double_click) {
            m_model.select_word_at(p_position_at(a_event.x));
            m_dragging = false;
        } else {
            m_model.move_to(p_position_at(a_event.x), KeyboardModifiers::is_shift_held());
            m_dragging = true;
        }
        p_caret_moved();
        return;
    case InputEventType_MOUSE_MOVED:
        if (m_dragging) {
            m_model.move_to(p_position_at(a_event.x), true);
            p_caret_moved();
            a_event.consumed = true;
        }
        return;
    case InputEventType_MOUSE_UP:
        if (a_event.button == 1 && m_dragging) {
            m_dragging = false;
            a_event.consumed = true;
        }
        return;
    case InputEventType_KEYBOARD_DOWN:
        if (p_handle_key(a_event.key))
            a_event.consumed = true;
        return;
    case InputEventType_KEYBOARD_STRING:
        if (!a_event.text.empty()) {
            p_edited(m_model.insert(a_event.text));
            a_event.consumed = true;
        }
        return;
    default:
        return;
    }
}

bool Entry::p_handle_key(KeyCode a_key) {
    const bool shift = KeyboardModifiers::is_shift_held();
    const bool control = KeyboardModifiers::is_control_held();
    switch (a_key) {
    case KeyCode_LEFT:
        m_model.move_left(shift, control);
        break;
    case KeyCode_RIGHT:
        m_model.move_right(shift, control);
        break;
    case KeyCode_HOME:
        m_model.move_home(shift);
        break;
    case KeyCode_END:
        m_model.move_end(shift);
        break;
    case KeyCode_BACKSPACE:
        p_edited(m_model.delete_backward(control));
        return true;
    case KeyCode_DELETE:
        if (shift)
            p_edited(m_model.cut(p_clipboard()));
        else
            p_edited(m_model.delete_forward(control));
        return true;
    case KeyCode_INSERT:
        if (control)
            m_model.copy(p_clipboard());
        else if (shift)
            p_edited(m_model.paste(p_clipboard()));
        else
            return false;
        return true;
    case KeyCode_ENTER:
        // Left unconsumed: a dialog's default button hears it after the exit.
        p_exit();
        return false;
    case KeyCode_ESCAPE:
        if (!m_model.is_modified())
            return false; // a dialog's Escape
        m_model.revert();
        p_edited(true);
        return true;
    default:
        if (!control)
            return false;
        if (a_key == KeyCode_A + ('A' - 'A'))
            m_model.select_all();
        else if (a_key == KeyCode_A + ('C' - 'A'))
            m_model.copy(p_clipboard());
        else if (a_key == KeyCode_A + ('X' - 'A'))
            p_edited(m_model.cut(p_clipboard()));
        else if (a_key == KeyCode_A + ('V' - 'A'))
            p_edited(m_model.paste(p_clipboard()));
        else
            return false;
        break;
    }
    p_caret_moved();
    return true;
}

void Entry::p_edited(bool a_changed) {
    p_caret_moved();
    if (!a_changed)
        return;
    EntryEvents::OnEdited event{this};
    m_on_edited.emit(event);
}

void Entry::p_caret_moved() {
    const double width = std::max(0, get_content_rect().width - 1);
    m_scroll = m_model.scroll_to_caret(m_scroll, width, m_measure);
    p_restart_blink();
    repaint();
}

void Entry::p_exit() {
    // A slot that moves the focus away would exit a second time from inside the first.
    if (m_exiting)
        return;
    m_exiting = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{m_exiting};
    EntryEvents::OnValidate validate{this, EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED};
    m_on_validate.emit(validate);
    if (validate.action < EntryValidation_ACCEPT_AND_REPORT ||
        validate.action > EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED)
        throw Orvo::Exception(u"Entry::p_exit(): invalid validation action.");
    EntryEvents::OnExit exit{this, m_model.apply_validation(validate.action)};
    p_caret_moved();
    m_on_exit.emit(exit);
}

void Entry::p_restart_blink() {
    // A moved caret shows at once; without the focus there is no caret.
    m_caret_shown = m_blink != nullptr;
    if (m_blink)
        m_blink->start(blink_interval);
}

void Entry::p_on_blink(TimerTickEvent&) {
    m_caret_shown = !m_caret_shown;
    repaint();
}

void Entry::p_on_focus_in(WidgetEvents::OnFocusIn&) {
    SystemWindow* system_window = get_desktop() ? get_desktop()->get_system_window() : nullptr;
    if (system_window && !m_blink) {
        m_blink = std::make_unique<Timer>(system_window);
        m_blink->get_tick_signal().connect(
            new Orvo::MethodSlot1<void(TimerTickEvent&), Entry>(this, &Entry::p_on_blink));
    }
    p_restart_blink();
    repaint();
}

void Entry::p_on_focus_out(WidgetEvents::OnFocusOut&) {
    m_blink.reset();
    m_caret_shown = false;
    m_dragging = false;
    repaint();
    p_exit();
}

} // namespace Vexa
