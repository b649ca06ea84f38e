#include "tonekit/Devices/PresetManager.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Exception.h"
#include "orvo/Core/MessageFormat.h"
#include "orvo/Core/Utf.h"
#include "orvo/Streams/FileInputStream.h"
#include "orvo/Streams/FilePath.h"
#include "orvo/Streams/ReplacingFileOutputStream.h"
#include "orvo/Streams/SystemFolders.h"
#include "tonekit/Devices/Device.h"
#include "tonekit/Devices/DeviceFolders.h"
#include "tonekit/Devices/PresetFolder.h"
#include "tonekit/Devices/PresetRecord.h"
#include "tonekit/Devices/PresetScanner.h"

#include <algorithm>
#include <optional>
#include <sys/stat.h>

namespace Tonekit {

namespace {

// The components that name something: a leading empty one marks an absolute path and stays,
// the empty ones that doubled or trailing separators leave are dropped.
Orvo::Vector<Orvo::WString> p_significant_components(const Orvo::FilePath& a_path) {
    Orvo::Vector<Orvo::WString> components;
    const auto& all = a_path.get_components();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (i == 0 || !all[i].empty())
            components.push_back(all[i]);
    return components;
}

unsigned p_limit(int a_configured) {
    return a_configured > 0 ? unsigned(a_configured) : 0u;
}

} // namespace

PresetManager::PresetManager(Device* a_device)
    : m_root(std::make_unique<PresetFolder>()), m_device(a_device) {}

PresetManager::~PresetManager() = default;

void PresetManager::initialize() {
    const DeviceStaticConfig& config = m_device->get_static_config();
    m_extension = config.m_preset_file_extension;
    m_dotted_extension = u".";
    m_dotted_extension += m_extension;
    m_preset_folder = config.m_preset_folder;
    m_preamble = Orvo::to_utf8(config.m_plugin_name.view());
    m_preamble += '/';
    m_preamble += config.m_preset_preamble_part;
    refresh();
    if (config.m_initial_preset_name.empty())
        return;
    const Orvo::FilePath initial(config.m_initial_preset_name.view());
    PresetRecord* record = find(p_significant_components(initial));
    if (!record)
        return;
    try {
        load_record(record);
    } catch (const Orvo::Exception& failure) {
        m_initial_error = failure.get_message();
    }
}

void PresetManager::reread_preset_folder() {
    m_preset_folder = m_device->get_static_config().m_preset_folder;
}

void PresetManager::refresh() {
    // The old records die with the old tree.
    m_current_preset = nullptr;
    m_presets.clear();
    m_root = std::make_unique<PresetFolder>();
    const DeviceStaticConfig& config = m_device->get_static_config();
    PresetScanner scanner(m_extension, p_limit(config.m_preset_scan_depth_limit),
                          p_limit(config.m_preset_scan_entry_limit));
    m_scan_status = scanner.scan(m_preset_folder, *m_root);
    m_scan_depth = scanner.get_depth();
    m_scan_entry_count = scanner.get_entry_count();
    if (m_scan_status == PresetScanStatus_OK)
        m_root->number_records(m_presets);
    else
        m_root = std::make_unique<PresetFolder>();
    if (!m_current_path.empty()) {
        Orvo::WString name;
        m_current_preset = p_lookup_path(m_current_path, name);
    }
}

PresetRecord* PresetManager::find(const Orvo::Vector<Orvo::WString>& a_components) const {
    if (a_components.empty())
        return nullptr;
    const PresetFolder* folder = m_root.get();
    for (std::size_t i = 0; folder && i + 1 < a_components.size(); ++i)
        folder = folder->find_subfolder(a_components[i].view());
    return folder ? folder->find_preset(a_components.back().view()) : nullptr;
}

Orvo::WString PresetManager::get_record_path(const PresetRecord& a_record) const {
    Orvo::WString path = m_preset_folder;
    // The file's own name: on this platform "x.PRESET" is not "x.preset".
    const Orvo::Vector<Orvo::WString> components = a_record.get_relative_file_components();
    for (const Orvo::WString& component : components)
        path = DeviceFolders::join(path, component);
    return path;
}

bool PresetManager::p_relative_components(const Orvo::WString& a_path,
                                          Orvo::Vector<Orvo::WString>& a_rest) const {
    if (m_preset_folder.empty())
        return false;
    const Orvo::FilePath path(a_path.view());
    const Orvo::FilePath folder(m_preset_folder.view());
    Orvo::Vector<Orvo::WString> components = p_significant_components(path);
    const Orvo::Vector<Orvo::WString> folder_components = p_significant_components(folder);
    if (components.size() < folder_components.size() ||
        PresetFolder::compare_names(path.get_drive().view(), folder.get_drive().view()) != 0)
        return false;
    for (std::size_t i = 0; i < folder_components.size(); ++i)
        if (PresetFolder::compare_names(components[i].view(), folder_components[i].view()) != 0)
            return false;
    components.remove_at(0, folder_components.size());
    a_rest = std::move(components);
    return true;
}

PresetRecord* PresetManager::p_lookup_path(const Orvo::WString& a_path,
                                           Orvo::WString& a_name) const {
    const Orvo::Vector<Orvo::WString> components =
        p_significant_components(Orvo::FilePath(a_path.view()));
    a_name = components.empty() ? Orvo::WString() : components.back();
    Orvo::WString extension;
    Orvo::FilePath::remove_extension(a_name, extension);

    Orvo::Vector<Orvo::WString> rest;
    if (!p_relative_components(a_path, rest) || rest.empty())
        return nullptr;
    // "x.txt" beside "x.preset" is not that preset.
    Orvo::WString preset_name;
    if (!PresetScanner::is_preset_file_name(rest.back(), m_extension, preset_name))
        return nullptr;
    rest.back() = std::move(preset_name);
    PresetRecord* record = find(rest);
    if (record)
        a_name = record->get_name();
    return record;
}

void PresetManager::set_current_from_path(const Orvo::WString& a_path) {
    m_current_preset = nullptr;
    m_current_name.clear();
    m_current_path = a_path;
    m_current_preset = p_lookup_path(a_path, m_current_name);
    p_emit_information_changed();
}

Orvo::WString PresetManager::get_suggested_save_path() const {
    if (!m_current_path.empty())
        return m_current_path;
    return DeviceFolders::join(m_preset_folder, unnamed_preset);
}

void PresetManager::load_record(PresetRecord* a_record) {
    // A record from a tree that a refresh has replaced would be freed memory.
    ORVO_ASSERT(a_record && a_record->get_index() < m_presets.size() &&
                m_presets[a_record->get_index()] == a_record);
    m_current_preset = a_record;
    m_current_name = a_record->get_name();
    m_current_path = get_record_path(*a_record);
    p_emit_information_changed();
    const Orvo::WString path = m_current_path;
    p_load_file_contents(path);
}

void PresetManager::load_file(const Orvo::WString& a_path) {
    set_current_from_path(a_path);
    p_load_file_contents(a_path);
}

void PresetManager::p_load_file_contents(const Orvo::WString& a_path) {
    Orvo::FileInputStream input;
    try {
        // Only a regular file: a pipe or a device named like a preset would block the host or
        // never end.
        const std::optional<std::string> path = Orvo::utf16_to_utf8(a_path.view());
        struct stat status;
        if (!path || stat(path->c_str(), &status) != 0 || !S_ISREG(status.st_mode))
            throw Orvo::Exception(Orvo::format_message(u"Cannot open file \"@1\".", {a_path}));
        input.open(a_path);
    } catch (...) {
        p_fail_load(p_current_exception());
    }
    load(input, Section_PRESET_FILE);
}

void PresetManager::save_file(const Orvo::WString& a_path) {
    try {
        // The preset folder may have been removed since start-up; a folder outside it is the
        // user's choice and must exist.
        const std::size_t separator = a_path.view().find_last_of(u"/\\");
        Orvo::Vector<Orvo::WString> rest;
        if (separator != std::u16string_view::npos && separator > 0) {
            const Orvo::WString folder = a_path.substr(0, separator);
            if (p_relative_components(folder, rest))
                Orvo::ensure_directory_with_parents(folder);
        }
        Orvo::ReplacingFileOutputStream output(a_path);
        p_write(output, Section_PRESET_FILE);
        output.commit();
    } catch (...) {
        p_throw_wrapped(save_error, p_current_exception());
    }
}

} // namespace Tonekit
