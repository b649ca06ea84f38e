#pragma once
// The chorus's editor: the device panel on top, then the voices (two tabs of four voices beside
// the settings that shape all voices' delays and depths), then the mix, then the modulation
// editor. Every setting of the chorus has its editor here except the voices' pitch modulation,
// which only modulators move.
// [ui-thread] Like every widget.

#include "tonekit/Gui/DeviceGuiConcrete.h"

#include <cstdint>

namespace Tonekit {
class ModulationEditor;
class Parameter;
} // namespace Tonekit
namespace Vexa {
class Tabs;
class Widget;
} // namespace Vexa

namespace tolvanchorus {

class Panel;

class TheGui : public Tonekit::DeviceGuiConcrete {
public:
    static constexpr unsigned voices_per_tab = 4;
    // Room for one LFO panel with a target, however small the host makes the editor.
    static constexpr int modulation_panels_height = 330;

    explicit TheGui(Tonekit::Device& a_device);

    Vexa::Widget* create_about_content() override;

    Vexa::Tabs& get_voice_tabs() const noexcept { return *m_voice_tabs; }
    Tonekit::ModulationEditor& get_modulation_editor() const noexcept { return *m_modulation; }

private:
    Panel* p_fixed_height(Panel* a_panel);
    Tonekit::Parameter* p_parameter(std::uint32_t a_id) const;
    Vexa::Widget* p_voice_page(unsigned a_first_voice) const;
    Vexa::Widget* p_voice_editor(unsigned a_row, unsigned a_voice) const;
    Vexa::Widget* p_shaping_grid() const;
    Vexa::Widget* p_mix_grid() const;

    Vexa::Tabs* m_voice_tabs = nullptr;
    Tonekit::ModulationEditor* m_modulation = nullptr;
};

} // namespace tolvanchorus
