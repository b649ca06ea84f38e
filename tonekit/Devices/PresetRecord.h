#pragma once
// One preset file found by the preset manager's scan. Records are owned by their folder and live
// until the next refresh replaces the tree.

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <utility>

namespace Tonekit {

class PresetFolder;

class PresetRecord {
public:
    // a_file_name is the name as the folder holds it: its extension may be written in capitals.
    PresetRecord(Orvo::WString a_name, Orvo::WString a_file_name, PresetFolder* a_folder)
        : m_name(std::move(a_name)), m_file_name(std::move(a_file_name)), m_folder(a_folder) {}
    PresetRecord(const PresetRecord&) = delete;
    PresetRecord& operator=(const PresetRecord&) = delete;

    // Position in the manager's flat list, which is the display order.
    unsigned get_index() const noexcept { return m_index; }
    void set_index(unsigned a_index) noexcept { m_index = a_index; }
    // The file name without the dotted extension.
    const Orvo::WString& get_name() const noexcept { return m_name; }
    const Orvo::WString& get_file_name() const noexcept { return m_file_name; }
    PresetFolder* get_folder() const noexcept { return m_folder; }

    // The names of the folders between the preset folder and the file, outermost first, then
    // the record's name: what PresetManager::find takes.
    Orvo::Vector<Orvo::WString> get_relative_components() const;
    // The same with the file name last: the file's path below the preset folder.
    Orvo::Vector<Orvo::WString> get_relative_file_components() const;

private:
    unsigned m_index = 0;
    Orvo::WString m_name;
    Orvo::WString m_file_name;
    PresetFolder* m_folder;
};

} // namespace Tonekit
