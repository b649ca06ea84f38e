#include "chorus/gui/TheGui.h"

#include "chorus/ChorusParameterBuilder.h"
#include "chorus/SignalPath.h"
#include "chorus/gui/Panel.h"
#include "orvo/Core/Assert.h"
#include "orvo/Core/FourCc.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceProgram.h"
#include "tonekit/Gui/DevicePanel.h"
#include "tonekit/Gui/ModulationEditor.h"
#include "tonekit/Gui/ParameterGui_Boolean.h"
#include "tonekit/Gui/ParameterGui_Choice.h"
#include "tonekit/Gui/ParameterGui_Filler.h"
#include "tonekit/Gui/ParameterGui_ToggleButton.h"
#include "tonekit/Parameters/ParameterCollection.h"
#include "vexa/GuiBuilder/GuiBuilder.h"
#include "vexa/Layouts/GridLayout.h"
#include "vexa/Layouts/HorizontalLayout.h"
#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/Label.h"
#include "vexa/Widgets/Tabs.h"

#include <string>

namespace tolvanchorus {

namespace {

constexpr int solo_button_width = 26;

enum class EditorKind { enabled, bar, choice };

struct VoiceRow {
    const char16_t* caption;
    char prefix[4];
    EditorKind kind;
};

// Top to bottom; a voice's parameter is the prefix with the voice's digit.
constexpr VoiceRow voice_rows[] = {
    {u"Enabled:", "Ena", EditorKind::enabled}, {u"Input gain:", "IGa", EditorKind::bar},
    {u"Output gain:", "OGa", EditorKind::bar}, {u"Delay:", "Del", EditorKind::bar},
    {u"Depth:", "Dep", EditorKind::bar},       {u"Input pan law:", "IPL", EditorKind::choice},
    {u"Input pan:", "IPa", EditorKind::bar},   {u"Output pan law:", "OPL", EditorKind::choice},
    {u"Output pan:", "OPa", EditorKind::bar},
};

struct GlobalRow {
    const char16_t* caption;
    char id[5];
    EditorKind kind;
};

constexpr GlobalRow shaping_rows[] = {
    {u"Delay transformation:", "DlTr", EditorKind::choice},
    {u"Delay offset", "DlOf", EditorKind::bar},
    {u"Delay scale", "DlSc", EditorKind::bar},
    {u"Depth transformation:", "DpTr", EditorKind::choice},
    {u"Depth offset", "DpOf", EditorKind::bar},
    {u"Depth scale", "DpSc", EditorKind::bar},
    {u"Input stereo:", "InSt", EditorKind::bar},
    {u"Output stereo:", "OuSt", EditorKind::bar},
    {u"Interpolation:", "InAl", EditorKind::choice},
};

constexpr GlobalRow mix_rows[] = {
    {u"Dry:", "Dry ", EditorKind::bar},
    {u"Gain:", "GlGa", EditorKind::bar},
    {u"Wet:", "Wet ", EditorKind::bar},
    {u"Mode:", "PrMo", EditorKind::choice},
};

Vexa::Widget* caption(const char16_t* a_text) {
    auto* label = new Vexa::Label(a_text);
    label->set_alignment(Vexa::TextAlignment_LEFT, Vexa::TextAlignment_MIDDLE);
    return label;
}

Vexa::Widget* editor_of(EditorKind a_kind, Tonekit::Parameter* a_parameter) {
    if (a_kind == EditorKind::choice)
        return new Tonekit::ParameterGui_Choice(a_parameter);
    return new Tonekit::ParameterGui_Filler(a_parameter);
}

Panel* panel_around(Vexa::Widget* a_content) {
    auto* panel = new Panel;
    panel->append(a_content);
    return panel;
}

} // namespace

TheGui::TheGui(Tonekit::Device& a_device) : DeviceGuiConcrete(a_device) {
    append(p_fixed_height(panel_around(create_device_panel())));

    Vexa::GuiBuilder builder;
    builder.begin_horizontal();
    m_voice_tabs = builder.begin_tabs();
    for (unsigned first = 0; first < SignalPath::voice_count; first += voices_per_tab) {
        const std::u16string title = u"Voices " + std::u16string(1, char16_t(u'1' + first)) + u"-" +
                                     std::u16string(1, char16_t(u'0' + first + voices_per_tab));
        builder.tab(title);
        builder.push(p_voice_page(first));
        builder.end();
    }
    builder.end();
    builder.push(p_shaping_grid());
    builder.end();
    append(p_fixed_height(panel_around(builder.take_root())));

    append(p_fixed_height(panel_around(p_mix_grid())));

    // Below the chorus: it takes the height the host window has to spare, and scrolls the panels
    // that do not fit.
    m_modulation = new Tonekit::ModulationEditor(*this);
    m_modulation->set_minimum_panels_height(modulation_panels_height);
    Panel* modulation = panel_around(m_modulation);
    modulation->set_vertically_stretchable(true);
    append(modulation);
}

Vexa::Widget* TheGui::create_about_content() {
    const Tonekit::DeviceStaticConfig& config = get_device().get_static_config();
    auto* column = new Vexa::VerticalLayout;
    const auto line = [column](std::u16string a_text) {
        auto* label = new Vexa::Label(std::move(a_text));
        label->set_alignment(Vexa::TextAlignment_CENTER, Vexa::TextAlignment_MIDDLE);
        column->append(label);
    };
    line(std::u16string(config.m_plugin_name.view()));
    line(u"");
    line(std::u16string(config.m_plugin_version_string.view()));
    line(u"An eight-voice stereo chorus. Free to use in any production.");
    line(u"tolvan-plugins.example.org");
    line(u"VST PlugIn Technology by Steinberg");
    return column;
}

// The chorus's panels keep their height when the host's window grows; the modulation editor takes
// the rest.
Panel* TheGui::p_fixed_height(Panel* a_panel) {
    a_panel->set_adjust_height_to_contents(true);
    return a_panel;
}

Tonekit::Parameter* TheGui::p_parameter(std::uint32_t a_id) const {
    Tonekit::Parameter* parameter = get_device().get_program()->get_collection().find(a_id);
    ORVO_ASSERT(parameter);
    return parameter;
}

Vexa::Widget* TheGui::p_voice_page(unsigned a_first_voice) const {
    Vexa::GuiBuilder builder;
    builder.begin_grid(Vexa::GridLayoutDirection_ROW_MAJOR, 1 + voices_per_tab);
    for (unsigned row = 0; row < std::size(voice_rows); ++row) {
        builder.push(caption(voice_rows[row].caption));
        for (unsigned v = a_first_voice; v < a_first_voice + voices_per_tab; ++v)
            builder.push(p_voice_editor(row, v));
    }
    builder.end();
    return builder.take_root();
}

Vexa::Widget* TheGui::p_voice_editor(unsigned a_row, unsigned a_voice) const {
    const VoiceRow& row = voice_rows[a_row];
    Tonekit::Parameter* parameter =
        p_parameter(ChorusParameterBuilder::voice_id(row.prefix, a_voice));
    if (row.kind != EditorKind::enabled)
        return editor_of(row.kind, parameter);
    auto* pair = new Vexa::HorizontalLayout;
    pair->append(new Tonekit::ParameterGui_Boolean(parameter));
    auto* solo = new Tonekit::ParameterGui_ToggleButton(
        p_parameter(ChorusParameterBuilder::voice_id("Sol", a_voice)), u"S");
    // A small square button: the column's width belongs to the bars below it.
    solo->set_size_constraint(Vexa::WidgetSizeIndex_MAX_WIDTH, solo_button_width);
    pair->append(solo);
    return pair;
}

Vexa::Widget* TheGui::p_shaping_grid() const {
    Vexa::GuiBuilder builder;
    builder.begin_grid(Vexa::GridLayoutDirection_ROW_MAJOR, 2);
    for (const GlobalRow& row : shaping_rows) {
        builder.push(caption(row.caption));
        builder.push(editor_of(row.kind, p_parameter(Orvo::four_cc(row.id))));
    }
    builder.end();
    return builder.take_root();
}

Vexa::Widget* TheGui::p_mix_grid() const {
    Vexa::GuiBuilder builder;
    builder.begin_grid(Vexa::GridLayoutDirection_ROW_MAJOR, 2 * std::size(mix_rows));
    for (const GlobalRow& row : mix_rows) {
        builder.push(caption(row.caption));
        builder.push(editor_of(row.kind, p_parameter(Orvo::four_cc(row.id))));
    }
    builder.end();
    return builder.take_root();
}

} // namespace tolvanchorus
