#include "tonekit/Gui/ModulatorTitleBar.h"

#include "tonekit/Gui/ModulatorPanel.h"
#include "tonekit/Gui/ParameterGui_ToggleButton.h"
#include "tonekit/Modulation/Modulator.h"
#include "vexa/Widget/WidgetHint.h"

namespace Tonekit {

namespace {

constexpr int enable_button_width = 20;

} // namespace

ModulatorTitleBarCommandButton::ModulatorTitleBarCommandButton(std::u16string a_text,
                                                               std::u16string a_hint)
    : TextCommandButton(std::move(a_text)) {
    set_hint(std::make_shared<Vexa::WidgetStaticHint>(std::move(a_hint)));
}

ModulatorTitleBar::ModulatorTitleBar(ModulatorPanel& a_panel)
    : m_panel(a_panel), m_text(new ModulatorBarText), m_entry(new ModulatorTitleEntry),
      m_enable(new ParameterGui_ToggleButton(
          a_panel.get_modulator().find_parameter(Modulator::id_enabled), u"E")),
      m_targets(new ModulatorTitleBarCommandButton(u"T", u"Show or hide targets")),
      m_add(new ModulatorTitleBarCommandButton(u"+", u"Add target")),
      m_menu(new ModulatorTitleBarCommandButton(u"M", u"Show menu")) {
    m_entry->hide();
    // As small as the command buttons beside it (the sheet gives those their size).
    for (auto index : {Vexa::WidgetSizeIndex_MIN_WIDTH, Vexa::WidgetSizeIndex_MAX_WIDTH})
        m_enable->set_size_constraint(index, enable_button_width);
    append(m_text);
    append(m_entry);
    for (Vexa::Widget* button :
         std::initializer_list<Vexa::Widget*>{m_enable, m_targets, m_add, m_menu})
        append(button);
    connect(m_targets->m_on_action, this, &ModulatorTitleBar::p_on_targets);
    connect(m_add->m_on_action, this, &ModulatorTitleBar::p_on_add);
    connect(m_menu->m_on_action, this, &ModulatorTitleBar::p_on_menu);
    connect(m_entry->m_on_exit, this, &ModulatorTitleBar::p_on_rename_exit);
}

void ModulatorTitleBar::set_title(std::u16string a_title) {
    if (m_text->get_text() != a_title)
        m_text->set_text(std::move(a_title));
}

void ModulatorTitleBar::begin_rename() {
    m_entry->set_text(m_panel.get_modulator().get_name().view());
    m_text->hide();
    m_entry->show();
    m_entry->select_all();
    m_entry->set_focus(0);
}

void ModulatorTitleBar::p_on_targets(Vexa::CommandButtonEvents::OnAction&) {
    m_panel.set_targets_shown(!m_panel.are_targets_shown());
}

void ModulatorTitleBar::p_on_add(Vexa::CommandButtonEvents::OnAction&) {
    m_panel.add_target();
}

void ModulatorTitleBar::p_on_menu(Vexa::CommandButtonEvents::OnAction&) {
    m_panel.open_menu(m_menu);
}

// Focus out and Enter both end the rename; the name is written either way.
void ModulatorTitleBar::p_on_rename_exit(Vexa::EntryEvents::OnExit& a_event) {
    if (!is_renaming())
        return;
    m_entry->hide();
    // As small as the command buttons beside it (the sheet gives those their size).
    for (auto index : {Vexa::WidgetSizeIndex_MIN_WIDTH, Vexa::WidgetSizeIndex_MAX_WIDTH})
        m_enable->set_size_constraint(index, enable_button_width);
    m_text->show();
    m_panel.rename(std::u16string(a_event.entry->get_text().view()));
}

} // namespace Tonekit
