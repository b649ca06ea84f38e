#include "tools/host/PluginInstance.h"
#include "tools/host/HostError.h"

#include <cstdio>
#include <cstring>
#include <dlfcn.h>

namespace tolvanhost {

namespace {

constexpr std::size_t text_buffer_size = 512;

std::string hex32(Vst::Int32 a_value) {
    char text[16];
    std::snprintf(text, sizeof(text), "0x%08X", static_cast<unsigned>(a_value));
    return text;
}

} // namespace

PluginInstance::PluginInstance(const std::string& a_path, Vst::HostCallback a_host)
    : m_path(a_path) {
    // Without a slash dlopen searches the library path instead of the current folder.
    const std::string load_path = a_path.find('/') == std::string::npos ? "./" + a_path : a_path;
    m_module = dlopen(load_path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m_module) {
        const char* reason = dlerror();
        throw HostError::runtime("cannot load plug-in: " +
                                 std::string(reason ? reason : load_path + ": unknown error"));
    }
    dlerror();
    void* symbol = dlsym(m_module, "VSTPluginMain");
    if (!symbol) {
        dlclose(m_module);
        throw HostError::runtime("plug-in " + a_path + " does not export VSTPluginMain");
    }
    const auto plugin_main = reinterpret_cast<Vst::PluginMain>(symbol);
    Vst::AEffect* effect = plugin_main(a_host);
    if (!effect) {
        dlclose(m_module);
        throw HostError::runtime("VSTPluginMain of " + a_path + " returned no effect");
    }
    if (const Vst::Int32 magic = effect->magic; magic != Vst::effect_magic) {
        // A record without the magic may be anything: it is neither opened nor closed. Its
        // memory may belong to the module, so nothing of it is read after unloading.
        dlclose(m_module);
        throw HostError::runtime("plug-in " + a_path + " returned a record with bad magic " +
                                 hex32(magic) + " (expected " + hex32(Vst::effect_magic) + ")");
    }
    if (!effect->dispatcher) {
        dlclose(m_module);
        throw HostError::runtime("plug-in " + a_path + " returned a record without a dispatcher");
    }
    m_effect = effect;
    dispatch(Vst::effOpen);
    m_open = true;
}

PluginInstance::~PluginInstance() {
    close();
    if (m_module) {
        dlclose(m_module);
    }
}

Vst::IntPtr PluginInstance::dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index, Vst::IntPtr a_value,
                                     void* a_pointer, float a_option) {
    return m_effect->dispatcher(m_effect, a_opcode, a_index, a_value, a_pointer, a_option);
}

std::string PluginInstance::query_text(Vst::Int32 a_opcode, Vst::Int32 a_index) {
    char buffer[text_buffer_size] = {};
    dispatch(a_opcode, a_index, 0, buffer);
    return std::string(buffer, strnlen(buffer, sizeof(buffer)));
}

Vst::IntPtr PluginInstance::can_do(const std::string& a_capability) {
    std::vector<char> text(a_capability.begin(), a_capability.end());
    text.push_back('\0');
    return dispatch(Vst::effCanDo, 0, 0, text.data());
}

void PluginInstance::set_sample_rate(float a_rate) {
    dispatch(Vst::effSetSampleRate, 0, 0, nullptr, a_rate);
}

void PluginInstance::set_block_size(int a_frames) {
    dispatch(Vst::effSetBlockSize, 0, a_frames);
}

void PluginInstance::set_parameter(int a_index, float a_value) {
    if (m_effect->setParameter) {
        m_effect->setParameter(m_effect, a_index, a_value);
    }
}

float PluginInstance::get_parameter(int a_index) {
    return m_effect->getParameter ? m_effect->getParameter(m_effect, a_index) : 0.0f;
}

void PluginInstance::resume() {
    dispatch(Vst::effMainsChanged, 0, 1);
    m_suspended = false;
}

void PluginInstance::suspend() {
    if (!m_suspended) {
        dispatch(Vst::effMainsChanged, 0, 0);
        m_suspended = true;
    }
}

void PluginInstance::p_require_chunks() const {
    if (!(m_effect->flags & Vst::effFlagsProgramChunks)) {
        throw HostError::runtime("plug-in " + m_path + " does not keep its state in chunks");
    }
}

std::vector<std::uint8_t> PluginInstance::get_chunk() {
    p_require_chunks();
    void* data = nullptr;
    const Vst::IntPtr size = dispatch(Vst::effGetChunk, 0, 0, &data);
    if (size <= 0 || !data) {
        throw HostError::runtime("plug-in " + m_path + " returned an empty chunk");
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

void PluginInstance::set_chunk(const std::vector<std::uint8_t>& a_bytes) {
    p_require_chunks();
    // Plug-ins take the pointer as non-const; give them a copy they may scribble on.
    std::vector<std::uint8_t> copy = a_bytes;
    dispatch(Vst::effSetChunk, 0, static_cast<Vst::IntPtr>(copy.size()),
             copy.empty() ? nullptr : copy.data());
}

void PluginInstance::close() {
    if (!m_open) {
        return;
    }
    // effMainsChanged 0 before effClose even when never resumed, as hosts do.
    suspend();
    m_open = false;
    // effClose deletes the record: nothing may touch it afterwards.
    dispatch(Vst::effClose);
    m_effect = nullptr;
}

} // namespace tolvanhost
