#include "tonekit/Gui/DeviceGuiProgramDisplay.h"

#include "orvo/Core/Exception.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/PresetFolder.h"
#include "tonekit/Devices/PresetManager.h"
#include "vexa/Window/MessageBox.h"

#include <mutex>

namespace Tonekit {

namespace {

// Item numbers: a preset's index in the flat list plus one; 0 carries no preset.
constexpr std::size_t no_record = 0;

} // namespace

DeviceGuiProgramDisplay::DeviceGuiProgramDisplay(Device& a_device) : m_device(a_device) {
    set_width_in_characters(24);
    connect(m_device.get_preset_manager()->OnPresetInformationChanged, this,
            &DeviceGuiProgramDisplay::p_on_information_changed);
    sync();
}

void DeviceGuiProgramDisplay::p_on_information_changed(
    PresetManagerEvents::OnPresetInformationChanged&) {
    m_information_changed.store(true);
}

void DeviceGuiProgramDisplay::sync() {
    if (!m_information_changed.exchange(false))
        return;
    Orvo::WString name;
    bool empty_list = false;
    {
        // A host chunk sets the current preset under the device's locks.
        std::lock_guard values(m_device.parameter_lock());
        name = m_device.get_preset_manager()->get_current_preset_name();
        empty_list = m_device.get_preset_manager()->get_preset_count() == 0;
    }
    // A blank box looks broken: with nothing to choose it says so, as its menu does; before any
    // preset was loaded it names the state every instance starts from.
    if (name.empty())
        name = empty_list ? Orvo::WString(u"<No presets found>")
                          : m_device.get_static_config().m_initial_preset_name;
    set_text(std::u16string(name.view()));
}

std::vector<Vexa::ComboBoxItem> DeviceGuiProgramDisplay::collect_items() {
    Vexa::ComboBoxItemTreeBuilder builder;
    build_item_tree(builder);
    return builder.get_items();
}

std::vector<std::u16string> DeviceGuiProgramDisplay::collect_open_folders() {
    Vexa::ComboBoxItemTreeBuilder builder;
    build_item_tree(builder);
    return builder.get_open_submenus();
}

void DeviceGuiProgramDisplay::build_item_tree(Vexa::ComboBoxItemTreeBuilder& a_builder) {
    PresetManager& presets = *m_device.get_preset_manager();
    if (presets.get_preset_count() == 0) {
        a_builder.add_item(no_presets, no_record, false, false);
        return;
    }
    std::lock_guard values(m_device.parameter_lock());
    p_add_folder(a_builder, presets.get_root_folder(), presets.get_current_preset());
}

void DeviceGuiProgramDisplay::p_add_folder(Vexa::ComboBoxItemTreeBuilder& a_builder,
                                           const PresetFolder& a_folder,
                                           const PresetRecord* a_current) {
    for (const auto& subfolder : a_folder.get_subfolders()) {
        if (subfolder->is_empty())
            continue;
        bool on_path = false;
        for (const PresetFolder* folder = a_current ? a_current->get_folder() : nullptr;
             folder && !on_path; folder = folder->get_parent())
            on_path = folder == subfolder.get();
        a_builder.begin_submenu(std::u16string(subfolder->get_name().view()), on_path);
        p_add_folder(a_builder, *subfolder, a_current);
        a_builder.end_submenu();
    }
    for (const auto& record : a_folder.get_presets())
        a_builder.add_item(std::u16string(record->get_name().view()), record->get_index() + 1,
                           record.get() == a_current);
}

void DeviceGuiProgramDisplay::item_chosen(const Vexa::ComboBoxItem& a_item) {
    PresetManager& presets = *m_device.get_preset_manager();
    if (a_item.id == no_record || a_item.id > presets.get_preset_count())
        return;
    try {
        presets.load_record(presets.get_preset(a_item.id - 1));
    } catch (const Orvo::Exception& failure) {
        Vexa::message_box_information(this, u"Error", failure.get_message().view());
    }
    sync();
}

} // namespace Tonekit
