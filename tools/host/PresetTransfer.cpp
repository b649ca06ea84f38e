#include "tools/host/PresetTransfer.h"
#include "tools/host/BiniPrinter.h"
#include "tools/host/HostError.h"

namespace tolvanhost {

namespace {

constexpr std::uint32_t child_state = BiniRecord::four_cc("Stat");
constexpr std::uint32_t child_preset_path = BiniRecord::four_cc("PrPa");
constexpr const char* preset_sections[] = {"FoVe", "DeVe", "Prog", "Modu"};

std::uint32_t id_of(const char* a_text) {
    return static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[0])) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[1])) << 8 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[2])) << 16 |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(a_text[3])) << 24;
}

const BiniRecord& require_state(const BiniDocument& a_state) {
    const BiniRecord* state = a_state.m_root.find(child_state);
    if (!state || !state->find(child_preset_path)) {
        throw HostError::runtime("the plug-in's state has no \"Stat\" section: it does not keep "
                                 "presets the way this option needs");
    }
    return *state;
}

} // namespace

std::vector<std::uint8_t>
PresetTransfer::chunk_for_preset(const BiniDocument& a_preset, const BiniDocument& a_state,
                                 const std::optional<std::u16string>& a_preset_path,
                                 const std::string& a_preset_name) {
    if (a_preset.m_preamble != a_state.m_preamble) {
        throw HostError::runtime("preset " + a_preset_name + " is marked " +
                                 BiniPrinter::quoted_bytes(a_preset.m_preamble) +
                                 ", the plug-in's presets " +
                                 BiniPrinter::quoted_bytes(a_state.m_preamble));
    }
    for (const char* section : preset_sections) {
        if (!a_preset.m_root.find(id_of(section))) {
            throw HostError::runtime("preset " + a_preset_name + " has no \"" + section +
                                     "\" section");
        }
    }
    BiniRecord state = require_state(a_state);
    if (a_preset_path) {
        state.find(child_preset_path)->set_string(*a_preset_path);
    }
    BiniDocument chunk;
    chunk.m_preamble = a_preset.m_preamble;
    chunk.m_root = a_preset.m_root;
    // A chunk saved as a preset file brings a "Stat" of its own; the instance's is the one.
    chunk.m_root.remove(child_state);
    chunk.m_root.insert_sorted(std::move(state));
    return chunk.serialize();
}

std::vector<std::uint8_t> PresetTransfer::preset_from_chunk(const BiniDocument& a_state) {
    require_state(a_state);
    BiniDocument preset = a_state;
    preset.m_root.remove(child_state);
    return preset.serialize();
}

std::optional<std::u16string> PresetTransfer::utf8_to_utf16(const std::string& a_text) {
    std::u16string result;
    for (std::size_t i = 0; i < a_text.size();) {
        const auto lead = static_cast<unsigned char>(a_text[i]);
        std::uint32_t code_point = 0;
        std::size_t length = 0;
        std::uint32_t minimum = 0;
        if (lead < 0x80) {
            code_point = lead;
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            code_point = lead & 0x1F;
            length = 2;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            code_point = lead & 0x0F;
            length = 3;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            code_point = lead & 0x07;
            length = 4;
            minimum = 0x10000;
        } else {
            return std::nullopt;
        }
        if (i + length > a_text.size()) {
            return std::nullopt;
        }
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(a_text[i + k]);
            if ((next & 0xC0) != 0x80) {
                return std::nullopt;
            }
            code_point = code_point << 6 | (next & 0x3F);
        }
        if (code_point < minimum || code_point > 0x10FFFF ||
            (code_point >= 0xD800 && code_point < 0xE000)) {
            return std::nullopt;
        }
        if (code_point >= 0x10000) {
            result += static_cast<char16_t>(0xD800 + ((code_point - 0x10000) >> 10));
            result += static_cast<char16_t>(0xDC00 + ((code_point - 0x10000) & 0x3FF));
        } else {
            result += static_cast<char16_t>(code_point);
        }
        i += length;
    }
    return result;
}

} // namespace tolvanhost
