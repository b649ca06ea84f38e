#pragma once
// A one-line text entry: the edited text with a caret that blinks while the entry has the focus,
// a selection drawn in "selection_background" and "selection_text_color", horizontal scrolling
// that keeps the caret in view, the mouse (click, Shift+click, drag, double click selects a word)
// and the keyboard's editing keys, copy and paste through the system clipboard.
//
// Leaving the entry (Enter, or the focus going elsewhere) is its exit (Enter goes on to the
// parents afterwards, so a dialog's default button hears it): OnValidate's slots choose
// what happens to the edited text (EntryValidation), then OnExit reports the outcome. Escape
// puts the committed text back without an exit.

#include "vexa/Text/EntryText.h"
#include "vexa/Widget/Widget.h"

#include <memory>

namespace Vexa {

class Entry;
class StyleRegistry;
class TextClipboard;
class Timer;
struct TimerTickEvent;

namespace EntryEvents {

// Offered for each typed or pasted character; a slot clears `acceptable` to refuse it.
struct OnAcceptableCharacter {
    Entry* entry;
    char32_t character;
    bool acceptable;
};

// On exit: slots set `action` (an EntryValidation; it starts as
// EntryValidation_ACCEPT_AND_REPORT_IF_CHANGED).
struct OnValidate {
    Entry* entry;
    int action;
};

// After the validation: `changed` when it reported a change of the committed text.
struct OnExit {
    Entry* entry;
    bool changed;
};

// The edited text changed (typing, deleting, pasting, set_text).
struct OnEdited {
    Entry* entry;
};

} // namespace EntryEvents

class Entry : public Widget {
public:
    Entry();
    ~Entry() override;

    // Sets the committed and the edited text; the caret goes to the end.
    void set_text(std::u16string_view a_text);
    const Orvo::WString& get_text() const noexcept { return m_model.get_text(); }
    const Orvo::WString& get_committed_text() const noexcept {
        return m_model.get_committed_text();
    }
    EntryText& get_model() noexcept { return m_model; }
    const EntryText& get_model() const noexcept { return m_model; }
    void select_all();

    // The width measured for the text, in average characters ("MXMXMXMXMX" / 10).
    void set_width_in_characters(int a_characters);
    // Null: the system clipboard (the CLIPBOARD selection on X11).
    void set_clipboard(TextClipboard* a_clipboard) noexcept { m_clipboard = a_clipboard; }

    // Leaves the entry as Enter does: validation, then OnExit.
    void exit();

    // In pixels, how far the text is scrolled to the left.
    double get_scroll() const noexcept { return m_scroll; }
    bool is_caret_shown() const noexcept { return m_caret_shown; }

    GdiPlus_Brush m_selection_background;
    GdiPlus_Color m_selection_text_color{0xFFFFFFFF};

    Orvo::Signal1<EntryEvents::OnAcceptableCharacter&> m_on_acceptable_character;
    Orvo::Signal1<EntryEvents::OnValidate&> m_on_validate;
    Orvo::Signal1<EntryEvents::OnExit&> m_on_exit;
    Orvo::Signal1<EntryEvents::OnEdited&> m_on_edited;

    // Gives the sheet's Entry class its properties' storage (the Entry manager's behaviour).
    static void install_style(const StyleRegistry& a_registry);

    const char16_t* get_widget_class() const override { return u"Entry"; }

protected:
    void paint_content(Painter& a_painter) override;
    void handle_input(InputEvent& a_event) override;
    void measure_content(WidgetEvents::OnMeasure& a_event) override;
    void resized() override;

private:
    void p_on_desktop_changed(WidgetEvents::OnDesktopChanged& a_event);
    void p_exit();
    bool p_handle_key(KeyCode a_key);
    void p_edited(bool a_changed);
    void p_caret_moved();
    void p_restart_blink();
    void p_on_blink(TimerTickEvent& a_event);
    void p_on_focus_in(WidgetEvents::OnFocusIn& a_event);
    void p_on_focus_out(WidgetEvents::OnFocusOut& a_event);
    std::size_t p_position_at(int a_x) const;
    TextClipboard& p_clipboard();

    EntryText m_model;
    EntryText::Measurer m_measure;
    TextClipboard* m_clipboard = nullptr;
    std::unique_ptr<TextClipboard> m_system_clipboard;
    std::unique_ptr<Timer> m_blink;
    double m_scroll = 0;
    int m_width_in_characters = 12;
    bool m_caret_shown = false;
    bool m_dragging = false;
    bool m_exiting = false;
};

} // namespace Vexa
