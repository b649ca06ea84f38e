// Writes the seed chunks of fuzz/corpus/chunk_load into the folder given as the only argument:
// valid chunks of the fuzzer's device in several states. Run it again after a change to the
// format or the device and commit the result:
//   <build>/fuzz/chunk_corpus_generator fuzz/corpus/chunk_load

#include "tests/tonekit/PresetTestDevice.h"

#include <cstdio>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

using TonekitTest::Bytes;
using TonekitTest::PresetTestDevice;

void write(const std::string& a_folder, const char* a_name, const Bytes& a_bytes) {
    std::ofstream file(a_folder + "/" + a_name, std::ios::binary);
    file.write(reinterpret_cast<const char*>(a_bytes.data()), std::streamsize(a_bytes.size()));
    if (!file)
        throw std::runtime_error(std::string("cannot write ") + a_name);
}

void set(TonekitTest::PlainParameter& a_parameter, float a_value) {
    a_parameter.m_value = a_parameter.m_normalized_value = a_value;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus-folder>\n", argv[0]);
        return 2;
    }
    try {
        const std::string folder = argv[1];
        TonekitTest::TemporaryFolder home;

        PresetTestDevice plain(home.path());
        plain.initialize();
        write(folder, "default.chunk", plain.save_bytes());

        PresetTestDevice changed(home.path());
        changed.initialize();
        set(*changed.m_gain, 0.75f);
        set(*changed.m_setting, 0.5f);
        changed.m_varied->change_variation(changed.m_varied->find_variation(2));
        changed.m_varied->set_normalized_value(0.125f);
        changed.m_program_data = 7;
        changed.m_state_data = 9;
        changed.presets().set_current_from_path(u"/home/user/Presets/Warm \u00E9t\u00E9.preset");
        write(folder, "changed.chunk", changed.save_bytes());

        PresetTestDevice newer(home.path(), 2);
        newer.initialize();
        set(*newer.m_newer, 0.9f);
        write(folder, "version2.chunk", newer.save_bytes());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "%s\n", failure.what());
        return 1;
    }
    return 0;
}
