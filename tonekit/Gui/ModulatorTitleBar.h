#pragma once
// The title bar of a modulator's panel: the title ("2:LFO Name"), a field that takes its place
// while the modulator is renamed, and four small buttons: "E" switches the modulator on and off,
// "T" shows or hides the targets, "+" adds a target, "M" opens the modulator's menu.
// [ui-thread] Like every widget.

#include "orvo/Signals/Trackable.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Widgets/Entry.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Widgets/TextCommandButton.h"

namespace Vexa {
namespace CommandButtonEvents {
struct OnAction;
}
} // namespace Vexa

namespace Tonekit {

class ModulatorPanel;
class ParameterGui_ToggleButton;

class ModulatorBarText : public Vexa::Label {
public:
    using Label::Label;
    const char16_t* get_widget_class() const override { return u"ModulatorBarText"; }
};

class ModulatorTitleEntry : public Vexa::Entry {
public:
    const char16_t* get_widget_class() const override { return u"ModulatorTitleEntry"; }
};

class ModulatorTitleBarCommandButton : public Vexa::TextCommandButton {
public:
    ModulatorTitleBarCommandButton(std::u16string a_text, std::u16string a_hint);
    const char16_t* get_widget_class() const override { return u"ModulatorTitleBarCommandButton"; }
};

class ModulatorTitleBar : public Vexa::HorizontalLayout, public Orvo::Trackable {
public:
    explicit ModulatorTitleBar(ModulatorPanel& a_panel);
    const char16_t* get_widget_class() const override { return u"ModulatorTitleBar"; }

    void set_title(std::u16string a_title);
    const std::u16string& get_title() const noexcept { return m_text->get_text(); }
    // Puts the rename field, holding the name, in place of the title and gives it the keyboard.
    void begin_rename();
    bool is_renaming() const noexcept { return !m_entry->is_hidden(); }
    ModulatorTitleEntry& get_rename_entry() const noexcept { return *m_entry; }

    ParameterGui_ToggleButton& get_enable_button() const noexcept { return *m_enable; }
    Vexa::TextCommandButton& get_targets_button() const noexcept { return *m_targets; }
    Vexa::TextCommandButton& get_add_button() const noexcept { return *m_add; }
    Vexa::TextCommandButton& get_menu_button() const noexcept { return *m_menu; }

private:
    void p_on_targets(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_add(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_menu(Vexa::CommandButtonEvents::OnAction& a_event);
    void p_on_rename_exit(Vexa::EntryEvents::OnExit& a_event);

    ModulatorPanel& m_panel;
    ModulatorBarText* m_text;
    ModulatorTitleEntry* m_entry;
    ParameterGui_ToggleButton* m_enable;
    ModulatorTitleBarCommandButton* m_targets;
    ModulatorTitleBarCommandButton* m_add;
    ModulatorTitleBarCommandButton* m_menu;
};

} // namespace Tonekit
