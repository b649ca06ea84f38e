#pragma once
// The device's presets and its whole state for the host's project.
//
// Both are one serialization: an 8-bit preamble (the plug-in name, "/" and the configured kind
// word, "Preset") followed by a Bini tree whose root holds
//   "FoVe" u32  format version, 1                          always
//   "DeVe" u32  the writer's plug-in internal version      always
//   "Prog"      "Para" program parameters, "CuDa" device   Section_PROGRAM
//   "Modu"      the modulation ("Modu" and "Assi" inside)  Section_MODULATION
//   "Stat"      "PrPa" current preset path (string),       Section_STATE
//               "InSe" instance settings, "CuDa" device
// Preset files hold Section_PRESET_FILE, the host chunk Section_ALL.
//
// The preamble is the plug-in name in UTF-8: for the ASCII names every plug-in has used it is
// byte for byte the name's characters, and any other name still gives one fixed byte string.
//
// Loading is all or nothing: the whole stream is read and parsed before anything changes, and a
// load that fails at any point puts the clean state back (default program, no modulation) with
// the instance settings and the current preset as they were before it, then throws
// "An error occurred while loading the preset." with the cause as the inner exception.
//
// [ui-thread] Everything here; load and save take the device's processing, parameter and
// modulation locks, in that order, for the time they touch the device (the audio thread outputs
// silence meanwhile). Signals are emitted on the calling thread.

#include "orvo/Core/FourCc.h"
#include "orvo/Core/String.h"
#include "orvo/Core/Vector.h"
#include "orvo/Signals/Signal1.h"
#include "tonekit/Devices/PresetManagerEvents.h"
#include "tonekit/Parameters/LoadReport.h"

#include <cstdint>
#include <memory>
#include <string>

namespace Orvo {
class BiniNode;
class Exception;
class InputStream;
class OutputStream;
} // namespace Orvo

namespace Tonekit {

class Device;
class PresetFolder;
class PresetRecord;

class PresetManager {
public:
    enum Section : unsigned {
        Section_MODULATION = 1,
        Section_PROGRAM = 2,
        Section_STATE = 4,
        Section_PRESET_FILE = Section_PROGRAM | Section_MODULATION,
        Section_ALL = Section_PROGRAM | Section_MODULATION | Section_STATE,
    };

    static constexpr std::uint32_t format_version = 1;
    static constexpr std::uint32_t child_format_version = Orvo::four_cc("FoVe");
    static constexpr std::uint32_t child_device_version = Orvo::four_cc("DeVe");
    static constexpr std::uint32_t child_program = Orvo::four_cc("Prog");
    static constexpr std::uint32_t child_parameters = Orvo::four_cc("Para");
    static constexpr std::uint32_t child_custom_data = Orvo::four_cc("CuDa");
    static constexpr std::uint32_t child_modulation = Orvo::four_cc("Modu");
    static constexpr std::uint32_t child_state = Orvo::four_cc("Stat");
    static constexpr std::uint32_t child_preset_path = Orvo::four_cc("PrPa");
    static constexpr std::uint32_t child_instance_settings = Orvo::four_cc("InSe");

    static constexpr char16_t save_error[] = u"An error occurred while saving the preset.";
    static constexpr char16_t load_error[] = u"An error occurred while loading the preset.";
    static constexpr char16_t unnamed_preset[] = u"No name";

    explicit PresetManager(Device* a_device);
    PresetManager(const PresetManager&) = delete;
    PresetManager& operator=(const PresetManager&) = delete;
    virtual ~PresetManager();

    // Once, at the end of Device::initialize: takes the configuration, scans the preset folder
    // and loads the initial preset when there is one. A missing initial preset is normal; one
    // that fails to load leaves the clean state and its error in get_initial_preset_error(), so
    // that a damaged file cannot keep the plug-in from starting.
    void initialize();
    // Rescans the preset folder. The current preset keeps its name and path; its record is
    // looked up again in the new tree.
    void refresh();

    // Folder names below the preset folder, then the preset name; null when absent.
    PresetRecord* find(const Orvo::Vector<Orvo::WString>& a_components) const;
    // a_record must come from the current tree. Makes it current, then loads its file.
    void load_record(PresetRecord* a_record);
    // Makes a_path current, then loads the file.
    void load_file(const Orvo::WString& a_path);
    // Makes a_path the current preset without loading it: its record when the path names a
    // preset file inside the preset folder, else only its name and path.
    void set_current_from_path(const Orvo::WString& a_path);
    // The current path, or "No name" in the preset folder.
    Orvo::WString get_suggested_save_path() const;

    // Writes the preamble and the tree of a_sections. Throws "An error occurred while saving the
    // preset." (the cause inside); a stream may then hold part of the bytes.
    void save(Orvo::OutputStream& a_output, unsigned a_sections);
    // See the header comment.
    void load(Orvo::InputStream& a_input, unsigned a_sections);
    // A preset file (Section_PRESET_FILE), written beside a_path and renamed over it, so a failed
    // save keeps any old file. Missing folders inside the preset folder are created.
    void save_file(const Orvo::WString& a_path);
    // No modulation, no user triggers, default program, the device's own data reset; everything
    // committed. The current preset stays.
    void reset_to_clean_state();

    PresetRecord* get_current_preset() const noexcept { return m_current_preset; }
    const Orvo::WString& get_current_preset_name() const noexcept { return m_current_name; }
    const Orvo::WString& get_current_preset_path() const noexcept { return m_current_path; }
    std::size_t get_preset_count() const noexcept { return m_presets.size(); }
    PresetRecord* get_preset(std::size_t a_index) const { return m_presets.get(a_index); }
    const PresetFolder& get_root_folder() const noexcept { return *m_root; }
    unsigned get_scan_status() const noexcept { return m_scan_status; }
    const std::string& get_preamble() const noexcept { return m_preamble; }
    const Orvo::WString& get_preset_folder() const noexcept { return m_preset_folder; }
    // Takes the preset folder from the device's configuration again (before a refresh).
    void reread_preset_folder();
    const Orvo::WString& get_dotted_extension() const noexcept { return m_dotted_extension; }
    // Parameter problems of the last successful load (they do not fail it).
    const LoadReport& get_last_load_report() const noexcept { return m_load_report; }
    // Empty unless the initial preset existed but could not be loaded.
    const Orvo::WString& get_initial_preset_error() const noexcept { return m_initial_error; }

    // The full path of a record's file.
    Orvo::WString get_record_path(const PresetRecord& a_record) const;

    // Receivers connect here; only the manager emits.
    Orvo::Signal1<PresetManagerEvents::OnPresetInformationChanged&> OnPresetInformationChanged;
    Orvo::Signal1<PresetManagerEvents::OnPresetLoaded&> OnPresetLoaded;

private:
    // Throws whatever goes wrong, unwrapped.
    void p_write(Orvo::OutputStream& a_output, unsigned a_sections);
    void p_build_tree(Orvo::BiniNode& a_root, unsigned a_sections);
    void p_apply_tree(Orvo::BiniNode& a_root, unsigned a_sections);
    void p_load_file_contents(const Orvo::WString& a_path);
    // Puts the clean state back, then throws "An error occurred while loading the preset.".
    [[noreturn]] void p_fail_load(std::unique_ptr<Orvo::Exception> a_cause);
    [[noreturn]] static void p_throw_wrapped(const char16_t* a_message,
                                             std::unique_ptr<Orvo::Exception> a_cause);
    // The exception being handled, as an Orvo::Exception (a standard one keeps its text).
    static std::unique_ptr<Orvo::Exception> p_current_exception();
    void p_emit_information_changed();
    void p_emit_loaded();
    // True when a_path is the preset folder or lies inside it; a_rest gets the components below.
    bool p_relative_components(const Orvo::WString& a_path,
                               Orvo::Vector<Orvo::WString>& a_rest) const;
    PresetRecord* p_lookup_path(const Orvo::WString& a_path, Orvo::WString& a_name) const;

    std::unique_ptr<PresetFolder> m_root;
    unsigned m_scan_depth = 0;
    unsigned m_scan_entry_count = 0;
    Orvo::Vector<PresetRecord*> m_presets;
    Device* m_device;
    unsigned m_scan_status = 0;
    Orvo::WString m_extension;
    Orvo::WString m_dotted_extension;
    std::string m_preamble;
    Orvo::WString m_preset_folder;
    PresetRecord* m_current_preset = nullptr;
    Orvo::WString m_current_name;
    Orvo::WString m_current_path;
    LoadReport m_load_report;
    Orvo::WString m_initial_error;
};

} // namespace Tonekit
