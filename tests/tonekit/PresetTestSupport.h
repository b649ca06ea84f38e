#pragma once
// What the preset tests share beyond the device: failures, files and signal counts.

#include "PresetTestDevice.h"

#include "orvo/Signals/MethodSlot1.h"
#include "orvo/Signals/Trackable.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

namespace TonekitTest {

// Counts what a preset manager emits; its connections end with it.
class PresetSignalCounter : public Orvo::Trackable {
public:
    explicit PresetSignalCounter(Tonekit::PresetManager& a_manager) {
        using namespace Tonekit::PresetManagerEvents;
        a_manager.OnPresetInformationChanged.connect(
            new Orvo::MethodSlot1<void(OnPresetInformationChanged&), PresetSignalCounter>(
                this, &PresetSignalCounter::on_information));
        a_manager.OnPresetLoaded.connect(
            new Orvo::MethodSlot1<void(OnPresetLoaded&), PresetSignalCounter>(
                this, &PresetSignalCounter::on_loaded));
    }
    void on_information(Tonekit::PresetManagerEvents::OnPresetInformationChanged&) {
        ++m_information;
    }
    void on_loaded(Tonekit::PresetManagerEvents::OnPresetLoaded&) { ++m_loaded; }

    int m_information = 0;
    int m_loaded = 0;
};

// The exception a_action throws, or a failure of the test.
inline Orvo::Exception failure_of(const std::function<void()>& a_action) {
    try {
        a_action();
    } catch (const Orvo::Exception& failure) {
        return failure;
    }
    ADD_FAILURE() << "no exception";
    return Orvo::Exception(u"<no exception>");
}

inline Bytes read_file_bytes(const std::filesystem::path& a_path) {
    std::ifstream file(a_path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), {});
}

inline void write_file_bytes(const std::filesystem::path& a_path, const Bytes& a_bytes) {
    std::filesystem::create_directories(a_path.parent_path());
    std::ofstream(a_path, std::ios::binary)
        .write(reinterpret_cast<const char*>(a_bytes.data()), std::streamsize(a_bytes.size()));
}

inline Orvo::WString wide(const std::filesystem::path& a_path) {
    return Orvo::WString(a_path.u16string().c_str());
}

} // namespace TonekitTest
