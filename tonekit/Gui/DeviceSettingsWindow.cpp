#include "tonekit/Gui/DeviceSettingsWindow.h"

#include "orvo/Core/Utf.h"
#include "orvo/Signals/MethodSlot1.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceGlobalSettings.h"
#include "tonekit/Devices/DeviceInstanceSettings.h"
#include "tonekit/Gui/PG_RetriggeringKeyIndex.h"
#include "tonekit/Gui/ParameterGui_Choice.h"
#include "tonekit/Gui/ParameterGui_Filler.h"
#include "tonekit/ParameterTypes/FloatParameter.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyChannel.h"
#include "tonekit/ParameterTypes/P_RetriggeringKeyIndex.h"
#include "vexa/GuiBuilder/GB_VerticalLayoutPusher.h"
#include "vexa/GuiBuilder/GuiBuilder.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Window/MessageBox.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

namespace Tonekit {

namespace {

constexpr int content_padding = 12;

// A framed group with its title above its grid; the sheet gives it the look of the editor's
// panels.
class SettingsGroup : public Vexa::VerticalLayout {
public:
    const char16_t* get_widget_class() const override { return u"DeviceSettingsGroup"; }
};

class GroupTitle : public Vexa::Label {
public:
    using Label::Label;
    const char16_t* get_widget_class() const override { return u"DeviceSettingsGroupTitle"; }
};

class ColumnHeader : public Vexa::Label {
public:
    using Label::Label;
    const char16_t* get_widget_class() const override { return u"DeviceSettingsColumnHeader"; }
};

Vexa::Label* aligned(Vexa::Label* a_label, int a_horizontal) {
    a_label->set_alignment(a_horizontal, Vexa::TextAlignment_MIDDLE);
    return a_label;
}

void begin_group(Vexa::GuiBuilder& a_builder, const char16_t* a_title) {
    auto* group = new SettingsGroup;
    a_builder.begin(group, std::make_unique<Vexa::GB_VerticalLayoutPusher>(group));
    a_builder.push(aligned(new GroupTitle(a_title), Vexa::TextAlignment_LEFT));
}

void push_headers(Vexa::GuiBuilder& a_builder, std::initializer_list<const char16_t*> a_texts) {
    a_builder.push(new Vexa::Label(u""));
    for (const char16_t* text : a_texts)
        a_builder.push(aligned(new ColumnHeader(text), Vexa::TextAlignment_LEFT));
}

} // namespace

DeviceSettingsWindow::DeviceSettingsWindow(Device& a_device)
    : NormalWindow(u"Settings"), m_device(a_device) {
    DeviceSettingsParameters& current = m_device.get_instance_settings()->get_parameters();
    DeviceSettingsParameters& defaults = m_device.get_global_settings()->get_parameters();

    Vexa::GuiBuilder builder;
    Vexa::VerticalLayout* root = builder.begin_vertical();
    // The same room around the content as the About window.
    root->set_paddings(
        {content_padding, content_padding * 2, content_padding * 2, content_padding});
    root->set_vertical_spacing(content_padding);

    begin_group(builder, u"General");
    builder.begin_grid(Vexa::GridLayoutDirection_ROW_MAJOR, 3);
    push_headers(builder, {u"Current", u"Default"});
    builder.push(aligned(new Vexa::Label(u"Parameter smoothness:"), Vexa::TextAlignment_LEFT));
    builder.push(p_add(new ParameterGui_Filler(current.m_smoothness)));
    builder.push(p_add(new ParameterGui_Filler(defaults.m_smoothness)));
    builder.push(aligned(new Vexa::Label(u"Modulation visualization:"), Vexa::TextAlignment_LEFT));
    builder.push(p_add(new ParameterGui_Choice(current.m_modulation_visualization)));
    builder.push(p_add(new ParameterGui_Choice(defaults.m_modulation_visualization)));
    builder.end();
    builder.end();

    begin_group(builder, u"Retrigger keys");
    builder.begin_grid(Vexa::GridLayoutDirection_ROW_MAJOR, 5);
    push_headers(builder, {u"Current channel", u"Current key", u"Default channel", u"Default key"});
    for (unsigned slot = 0; slot < DeviceSettingsParameters::retrigger_key_count; ++slot) {
        const std::string number = std::to_string(slot + 1) + ":";
        builder.push(aligned(new Vexa::Label(std::u16string(number.begin(), number.end())),
                             Vexa::TextAlignment_RIGHT));
        builder.push(p_add(new ParameterGui_Choice(current.m_retrigger_channels[slot])));
        builder.push(p_add(new PG_RetriggeringKeyIndex(current.m_retrigger_keys[slot])));
        builder.push(p_add(new ParameterGui_Choice(defaults.m_retrigger_channels[slot])));
        builder.push(p_add(new PG_RetriggeringKeyIndex(defaults.m_retrigger_keys[slot])));
    }
    builder.end();
    builder.end();

    builder.end();
    set_client(builder.take_root());
    connect(m_on_close_query, this, &DeviceSettingsWindow::p_on_close_query);
}

DeviceSettingsWindow::~DeviceSettingsWindow() {
    if (!m_defaults_saved && !p_save_defaults())
        std::fprintf(stderr, "Error: %s\n", Orvo::utf16_to_utf8_lossy(save_error_text).c_str());
}

SingleParameterEditor* DeviceSettingsWindow::p_add(SingleParameterEditor* a_editor) {
    m_editors.push_back(a_editor);
    return a_editor;
}

Vexa::Size DeviceSettingsWindow::get_preferred_size() const {
    const Vexa::WidgetRequestedSizes& sizes = get_client()->get_requested_sizes();
    return size_for_client(sizes.get_requested_width(), sizes.get_requested_height());
}

SingleParameterEditor* DeviceSettingsWindow::find_editor(const Parameter* a_parameter) const {
    const auto found = std::find_if(m_editors.begin(), m_editors.end(), [&](auto* a_editor) {
        return a_editor->get_parameter() == a_parameter;
    });
    return found == m_editors.end() ? nullptr : *found;
}

bool DeviceSettingsWindow::p_save_defaults() noexcept {
    // Set first: whatever the outcome, one attempt per closing is enough.
    m_defaults_saved = true;
    try {
        m_device.get_global_settings()->save(m_device.get_settings_path());
        return true;
    } catch (...) {
        return false;
    }
}

void DeviceSettingsWindow::p_save_reporting() {
    if (!p_save_defaults())
        Vexa::message_box_information(this, u"Error", save_error_text);
}

void DeviceSettingsWindow::p_on_close_query(Vexa::NormalWindowEvents::OnCloseQuery&) {
    // The window closes whether or not the file could be written: the defaults stay in memory
    // for this session's new instances.
    p_save_reporting();
}

} // namespace Tonekit
