#pragma once
// The editor side of the VST 2.4 interface as the adapter sees it: the operations the editor
// opcodes reach, in the order hosts know them. It carries no windowing, so that the framework
// links no toolkit; the toolkit's editor (PluginEditor) derives from it.

#include "tonekit/vst/VstAbi.h"

#include <mutex>

namespace Tonekit {

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* a_effect) : m_effect(a_effect) {}
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;
    virtual ~AEffEditor() = default;

    AudioEffect* getEffect() const noexcept { return m_effect; }
    // Hands the host a pointer to the editor's own rectangle.
    virtual bool getRect(Vst::ERect** a_rect) = 0;
    virtual bool open(void* a_parent) {
        m_system_window = a_parent;
        return false;
    }
    virtual void close() { m_system_window = nullptr; }
    virtual bool isOpen() { return m_system_window != nullptr; }
    virtual void idle() {}
    virtual bool onKeyDown(Vst::VstKeyCode&) { return false; }
    virtual bool onKeyUp(Vst::VstKeyCode&) { return false; }
    virtual bool onWheel(float) { return false; }
    virtual bool setKnobMode(Vst::Int32) { return false; }

    // The mouse wheel of the vendor call: a turn by a_delta (120 a notch) over whatever lies
    // under the mouse. Nothing happens without an open window.
    virtual void wheel_at_cursor(int) {}
    // The editor's picture as a PNG file, open or not; false when it cannot be made or written.
    virtual bool write_snapshot(const char*) { return false; }
    // Paints the whole open editor now, as a host measuring its drawing wants; false when closed.
    virtual bool repaint_all() { return false; }
    // Held by whoever changes what an open editor shows from a thread of the host's own (a chunk
    // load replacing the modulators): the editor's thread waits meanwhile. Empty without a GUI.
    virtual std::unique_lock<std::recursive_mutex> lock_gui() { return {}; }

protected:
    AudioEffect* m_effect;
    // The host's window the editor lives in, as the host handed it over.
    void* m_system_window = nullptr;
};

} // namespace Tonekit
