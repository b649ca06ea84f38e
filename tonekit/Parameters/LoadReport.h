#pragma once
// Problems met while loading parameters from a preset, a chunk or the settings file. Loading goes
// on after a problem (the parameter concerned falls back to its default), so one report can hold
// several entries; the caller decides whether to show them.

#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"

#include <string_view>

namespace Orvo {
class BiniNode;
}

namespace Tonekit {

class Parameter;

class LoadReport {
public:
    struct Entry {
        Orvo::WString m_message;
        // Valid only while the loaded tree lives; the path text stays valid.
        const Orvo::BiniNode* m_node = nullptr;
        Orvo::WString m_node_path;
        const Parameter* m_object = nullptr;
    };

    // The parameter that later entries concern.
    void set_object(const Parameter* a_object) noexcept { m_object = a_object; }
    const Parameter* get_object() const noexcept { return m_object; }

    // a_template's "@1" is replaced by a_argument.
    void add(std::u16string_view a_template, const Orvo::WString& a_argument,
             const Orvo::BiniNode* a_node);
    void add(std::u16string_view a_message, const Orvo::BiniNode* a_node);

    const Orvo::Vector<Entry>& get_entries() const noexcept { return m_entries; }
    bool is_empty() const noexcept { return m_entries.empty(); }

private:
    Orvo::Vector<Entry> m_entries;
    const Parameter* m_object = nullptr;
};

} // namespace Tonekit
