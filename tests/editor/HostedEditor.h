#pragma once
// A device behind the plug-in adapter with its editor open on the headless backend, driven as a
// host drives it.

#include "tests/vexa/HeadlessToolkit.h"
#include "tonekit/vst/PluginEditor.h"
#include "tonekit/vst/VstHost.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace TonekitTest {

class HostedEditor : public VexaTest::HeadlessToolkit {
protected:
    // Hands the device to the adapter, as a host's plug-in would be made; the editor stays closed.
    void adopt(std::unique_ptr<Tonekit::Device> a_device,
               Vst::HostCallback a_host = &host_callback) {
        m_adapter =
            new Tonekit::VstHost(a_host, std::move(a_device), &Tonekit::PluginEditor::create);
    }
    void open_editor(std::unique_ptr<Tonekit::Device> a_device) {
        adopt(std::move(a_device));
        ASSERT_EQ(dispatch(Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(std::uintptr_t(1))), 1);
    }
    // The adapter releases the application when it goes.
    void TearDown() override {
        if (m_adapter)
            dispatch(Vst::effClose);
        else
            HeadlessToolkit::TearDown();
    }
    Vst::IntPtr dispatch(Vst::Int32 a_opcode, Vst::Int32 a_index = 0, Vst::IntPtr a_value = 0,
                         void* a_pointer = nullptr, float a_option = 0.0f) {
        Vst::AEffect* effect = m_adapter->getAeffect();
        if (a_opcode == Vst::effClose)
            m_adapter = nullptr;
        return effect->dispatcher(effect, a_opcode, a_index, a_value, a_pointer, a_option);
    }
    std::vector<char> get_chunk() {
        void* data = nullptr;
        const auto size = dispatch(Vst::effGetChunk, 0, 0, &data);
        return std::vector<char>(static_cast<char*>(data), static_cast<char*>(data) + size);
    }
    void set_chunk(std::vector<char> a_chunk) {
        dispatch(Vst::effSetChunk, 0, Vst::IntPtr(a_chunk.size()), a_chunk.data());
    }
    Tonekit::PluginEditor& plugin_editor() {
        return *static_cast<Tonekit::PluginEditor*>(m_adapter->getEditor());
    }
    template <class Gui>
    Gui& gui_as() {
        return *static_cast<Gui*>(plugin_editor().get_gui());
    }

    Tonekit::VstHost* m_adapter = nullptr;

private:
    static Vst::IntPtr host_callback(Vst::AEffect*, Vst::Int32 a_opcode, Vst::Int32, Vst::IntPtr,
                                     void*, float) {
        return a_opcode == Vst::audioMasterVersion ? 2400 : 0;
    }
};

} // namespace TonekitTest
