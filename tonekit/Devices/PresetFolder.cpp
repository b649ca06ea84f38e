#include "tonekit/Devices/PresetFolder.h"

#include "orvo/Core/NameOrder.h"

#include <algorithm>

namespace Tonekit {

namespace {

template <class T>
std::size_t p_insert_position(const Orvo::Vector<std::unique_ptr<T>>& a_items,
                              std::u16string_view a_name) {
    const auto position = std::upper_bound(
        a_items.begin(), a_items.end(), a_name,
        [](std::u16string_view a_value, const std::unique_ptr<T>& a_item) {
            return Orvo::NameOrder::sorts_before(a_value, a_item->get_name().view());
        });
    return std::size_t(position - a_items.begin());
}

template <class T>
T* p_find(const Orvo::Vector<std::unique_ptr<T>>& a_items, std::u16string_view a_name) {
    T* folded_match = nullptr;
    for (const auto& item : a_items) {
        const std::u16string_view name = item->get_name().view();
        if (name == a_name)
            return item.get();
        if (!folded_match && PresetFolder::compare_names(name, a_name) == 0)
            folded_match = item.get();
    }
    return folded_match;
}

} // namespace

int PresetFolder::compare_names(std::u16string_view a_first,
                                std::u16string_view a_second) noexcept {
    return Orvo::NameOrder::compare(a_first, a_second);
}

PresetFolder* PresetFolder::add_subfolder(Orvo::WString a_name) {
    const std::size_t position = p_insert_position(m_subfolders, a_name.view());
    m_subfolders.insert_at(position, std::make_unique<PresetFolder>(std::move(a_name), this));
    return m_subfolders[position].get();
}

PresetRecord* PresetFolder::add_preset(Orvo::WString a_name, Orvo::WString a_file_name) {
    const std::size_t position = p_insert_position(m_presets, a_name.view());
    m_presets.insert_at(
        position, std::make_unique<PresetRecord>(std::move(a_name), std::move(a_file_name), this));
    return m_presets[position].get();
}

PresetFolder* PresetFolder::find_subfolder(std::u16string_view a_name) const {
    return p_find(m_subfolders, a_name);
}

PresetRecord* PresetFolder::find_preset(std::u16string_view a_name) const {
    return p_find(m_presets, a_name);
}

void PresetFolder::number_records(Orvo::Vector<PresetRecord*>& a_list) const {
    for (const auto& subfolder : m_subfolders)
        subfolder->number_records(a_list);
    for (const auto& preset : m_presets) {
        preset->set_index(unsigned(a_list.size()));
        a_list.push_back(preset.get());
    }
}

} // namespace Tonekit
