#pragma once
// The device panel's preset selector: a combo box whose pop-up mirrors the preset folder (a
// submenu per folder, subfolders first, then the presets) and whose text is the current preset's
// name. Choosing a preset loads it; a failure is shown in a message box titled "Error".
//
// The preset manager may announce a new current preset from another thread (a host chunk); the
// selector then only notes it, and sync() shows it on the GUI thread.
// [ui-thread] Like every widget, but for the note.

#include "vexa/Widgets/ComboBox.h"

#include <atomic>
#include <vector>

namespace Tonekit {

class Device;
class PresetFolder;
class PresetRecord;

namespace PresetManagerEvents {
struct OnPresetInformationChanged;
}

class DeviceGuiProgramDisplay : public Vexa::ComboBox {
public:
    static constexpr char16_t no_presets[] = u"<No presets found>";

    explicit DeviceGuiProgramDisplay(Device& a_device);

    const char16_t* get_widget_class() const override { return u"DeviceGuiProgramDisplay"; }

    // Shows the current preset's name when the manager announced a change since the last call.
    void sync();
    // What the pop-up offers now, without opening it.
    std::vector<Vexa::ComboBoxItem> collect_items();
    // The folders marked open on the way to the current preset, outermost first.
    std::vector<std::u16string> collect_open_folders();

protected:
    void build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) override;
    void item_chosen(const Vexa::ComboBoxItem& a_item) override;

private:
    void p_on_information_changed(PresetManagerEvents::OnPresetInformationChanged& a_event);
    void p_add_folder(Vexa::ComboBoxItemTreeBuilder& a_builder, const PresetFolder& a_folder,
                      const PresetRecord* a_current);

    Device& m_device;
    std::atomic<bool> m_information_changed{true};
};

} // namespace Tonekit
