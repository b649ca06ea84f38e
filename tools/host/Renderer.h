#pragma once
// The render command: input through the plug-in into a WAV file, with the start-up and
// shut-down order of a real host:
//
//   VSTPluginMain -> magic -> effOpen -> effSetSampleRate -> effSetBlockSize -> effSetChunk ->
//   setParameter... -> effMainsChanged 1 -> (effProcessEvents?, processReplacing)... ->
//   effMainsChanged 0 -> effGetChunk -> effClose
//
// Before each processReplacing the host's time record is set to the block's first frame, and
// the notes that fall into the block are sent with effProcessEvents.

#include "tonekit/vst/VstAbi.h"
#include "tools/host/HostOptions.h"

#include <string>

namespace tolvanhost {

class Renderer {
public:
    Renderer(const HostOptions& a_options, const std::string& a_plugin_path);

    // Throws HostError.
    void run();

private:
    // What a render needs of the record; throws HostError.
    void p_check_record(const Vst::AEffect& a_record, bool a_loads_chunk) const;
    // a_kind: "warning" or "note"; --quiet silences both.
    void p_tell(const char* a_kind, const std::string& a_message) const;

    const HostOptions& m_options;
    std::string m_plugin_path;
};

} // namespace tolvanhost
