#pragma once
// A folder of the preset tree: its subfolders and its preset records, each kept sorted by name.
// Names are ordered and found by Orvo::NameOrder.

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"
#include "tonekit/Devices/PresetRecord.h"

#include <memory>
#include <string_view>

namespace Tonekit {

class PresetFolder {
public:
    explicit PresetFolder(Orvo::WString a_name = {}, PresetFolder* a_parent = nullptr)
        : m_name(std::move(a_name)), m_parent(a_parent) {}
    PresetFolder(const PresetFolder&) = delete;
    PresetFolder& operator=(const PresetFolder&) = delete;

    // Negative, zero or positive like a three-way comparison.
    static int compare_names(std::u16string_view a_first, std::u16string_view a_second) noexcept;

    // Insert at the sorted position and return the new element.
    PresetFolder* add_subfolder(Orvo::WString a_name);
    PresetRecord* add_preset(Orvo::WString a_name, Orvo::WString a_file_name);

    // An exact match first, else the first name equal under the comparison; null when none.
    PresetFolder* find_subfolder(std::u16string_view a_name) const;
    PresetRecord* find_preset(std::u16string_view a_name) const;

    // Appends every record below this folder depth first, all subfolders (recursively, in
    // order) before the folder's own presets, and gives each its position in a_list.
    void number_records(Orvo::Vector<PresetRecord*>& a_list) const;

    const Orvo::WString& get_name() const noexcept { return m_name; }
    // Null for the root, which stands for the preset folder itself.
    PresetFolder* get_parent() const noexcept { return m_parent; }
    const Orvo::Vector<std::unique_ptr<PresetFolder>>& get_subfolders() const noexcept {
        return m_subfolders;
    }
    const Orvo::Vector<std::unique_ptr<PresetRecord>>& get_presets() const noexcept {
        return m_presets;
    }
    bool is_empty() const noexcept { return m_subfolders.empty() && m_presets.empty(); }

private:
    Orvo::Vector<std::unique_ptr<PresetFolder>> m_subfolders;
    Orvo::Vector<std::unique_ptr<PresetRecord>> m_presets;
    Orvo::WString m_name;
    PresetFolder* m_parent;
};

} // namespace Tonekit
