#include "tonekit/Devices/PresetRecord.h"

#include "tonekit/Devices/PresetFolder.h"

namespace Tonekit {

Orvo::Vector<Orvo::WString> PresetRecord::get_relative_components() const {
    Orvo::Vector<Orvo::WString> components;
    for (const PresetFolder* folder = m_folder; folder && folder->get_parent();
         folder = folder->get_parent())
        components.insert_at(0, folder->get_name());
    components.push_back(m_name);
    return components;
}

Orvo::Vector<Orvo::WString> PresetRecord::get_relative_file_components() const {
    Orvo::Vector<Orvo::WString> components = get_relative_components();
    components.back() = m_file_name;
    return components;
}

} // namespace Tonekit
