#include "tonekit/vst/PluginEditor.h"

#include "tonekit/Devices/Device.h"
#include "tonekit/Gui/DeviceGui.h"
#include "tonekit/vst/VstHost.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Desktop/Desktop.h"
#include "vexa/Desktop/KeyCode.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Window/SystemWindow.h"
#include "vexa/Window/Window.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <algorithm>
#include <array>

namespace Tonekit {
namespace {

// The host's virtual keys 1..57 in order.
constexpr std::array<unsigned char, 58> vst_to_windows = {
    0,                                                          // none
    8,   9,   0,   13,  0,   27,  32,                           // back .. space
    34,  35,  36,  37,  38,  39,  40,                           // next .. down
    33,  34,  0,   0,   13,  0,                                 // page up .. snapshot
    45,  46,  0,                                                // insert, delete, help
    96,  97,  98,  99,  100, 101, 102, 103, 104, 105, 106,      // numeric pad 0..9, multiply
    107,                                                        // add
    0,                                                          // separator
    109, 110, 111,                                              // subtract, decimal, divide
    112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 122, 123, // F1..F12
    0,   0,   16,  17,  18,  0,                                 // num lock .. equals
};

std::int16_t p_to_rect_value(int a_value) {
    return std::int16_t(std::clamp(a_value, 0, 32767));
}

// Fills the desktop and gives its one child, the device GUI, all of it.
class ContentWindow : public Vexa::Window {
protected:
    void resized() override {
        for (Vexa::Widget* child : get_children())
            child->set_geometry(0, 0, get_width(), get_height());
    }
};

} // namespace

PluginEditor::PluginEditor(VstHost& a_adapter)
    : AEffEditor(&a_adapter), m_adapter(a_adapter), m_device(*a_adapter.get_device()) {}

PluginEditor::~PluginEditor() {
    if (m_window)
        close();
}

std::unique_ptr<AEffEditor> PluginEditor::create(VstHost& a_adapter) {
    return std::make_unique<PluginEditor>(a_adapter);
}

std::recursive_mutex& PluginEditor::toolkit_lock() {
    static std::recursive_mutex lock;
    return lock;
}

std::unique_lock<std::recursive_mutex> PluginEditor::lock_gui() {
    return std::unique_lock(toolkit_lock());
}

unsigned PluginEditor::windows_key_of_vst_key(unsigned a_vst_key) noexcept {
    return a_vst_key < vst_to_windows.size() ? vst_to_windows[a_vst_key] : 0;
}

std::u16string PluginEditor::text_of_windows_key(unsigned a_code, unsigned char a_modifiers) {
    const bool shift = (a_modifiers & Vst::MODIFIER_SHIFT) != 0;
    if (a_code >= 'A' && a_code <= 'Z')
        return std::u16string(1, char16_t(shift ? a_code : a_code - 'A' + 'a'));
    if (a_code >= '0' && a_code <= '9' && !shift)
        return std::u16string(1, char16_t(a_code));
    if (a_code >= 96 && a_code <= 105)
        return std::u16string(1, char16_t('0' + a_code - 96));
    switch (a_code) {
    case 32:
        return u" ";
    case 106:
        return u"*";
    case 107:
        return u"+";
    case 109:
        return u"-";
    case 110:
        return u".";
    case 111:
        return u"/";
    default:
        return {};
    }
}

bool PluginEditor::getRect(Vst::ERect** a_rect) {
    std::lock_guard lock(toolkit_lock());
    m_rect = {};
    if (m_window && m_gui) {
        const Vexa::WidgetRequestedSizes& sizes = m_gui->get_requested_sizes();
        m_rect.right = p_to_rect_value(sizes.get_requested_width());
        m_rect.bottom = p_to_rect_value(sizes.get_requested_height());
    }
    *a_rect = &m_rect;
    return true;
}

bool PluginEditor::open(void* a_parent) {
    std::lock_guard lock(toolkit_lock());
    m_system_window = a_parent;
    m_parent = std::uint64_t(reinterpret_cast<std::uintptr_t>(a_parent));
    if (m_window) {
        Vexa::NativeWindow* native = m_window->get_native_window();
        if (native && native->is_alive())
            return true;
        // The host destroyed the window we lived in; start again in the one it gives now.
        p_destroy_window();
    }
    if (!m_parent)
        return false;
    try {
        return p_open(m_parent);
    } catch (...) {
        p_destroy_window();
        return false;
    }
}

bool PluginEditor::p_build(std::uint64_t a_parent) {
    if (!m_device.provides_gui() && !m_device.has_critical_error())
        return false;
    Vexa::Toolkit& toolkit = Vexa::Toolkit::get();
    if (!toolkit.get_platform().can_show_windows())
        return false;
    m_window = std::make_unique<Vexa::SystemWindow>(nullptr, a_parent);
    Vexa::Desktop* desktop = m_window->get_desktop();
    m_gui = m_device.create_gui();
    if (!m_gui) {
        p_destroy_window();
        return false;
    }
    auto* content = new ContentWindow;
    m_content = content;
    content->add_child(m_gui);
    content->connect(desktop->m_on_placement, this, &PluginEditor::p_on_desktop_placed);
    m_gui->connect(m_gui->m_on_sizes_changed, this, &PluginEditor::p_on_content_sizes);
    content->open(desktop, Vexa::Modality_MODELESS);
    desktop->flush();
    return true;
}

bool PluginEditor::p_open(std::uint64_t a_parent) {
    if (!p_build(a_parent))
        return false;
    Vexa::Desktop* desktop = m_window->get_desktop();
    const Vexa::WidgetRequestedSizes& sizes = m_gui->get_requested_sizes();
    m_window->set_size_limits({sizes.get_minimum_width(), sizes.get_minimum_height()},
                              {sizes.get_maximum_width(), sizes.get_maximum_height()});
    m_window->set_client_size(sizes.get_requested_width(), sizes.get_requested_height());
    m_window->show(Vexa::Modality_MODELESS);
    m_content->set_geometry(0, 0, desktop->get_width(), desktop->get_height());
    // Keys the host hands over reach the GUI (or a widget in it that takes the focus later).
    desktop->set_focus_widget(m_gui);
    desktop->flush();
    return true;
}

bool PluginEditor::write_snapshot(const char* a_path) {
    std::lock_guard lock(toolkit_lock());
    if (!a_path || !*a_path)
        return false;
    try {
        if (m_window && m_gui)
            return p_write_picture(a_path);
        return p_snapshot_off_screen(a_path);
    } catch (...) {
        return false;
    }
}

bool PluginEditor::p_snapshot_off_screen(const char* a_path) {
    Vexa::Application* application = Vexa::Application::get();
    if (!application)
        return false;
    // A toolkit of this process stays on the backend it has. Without one the headless backend
    // serves the picture and leaves again, so that an editor opened later still finds a display.
    const bool borrowed = application->get_part() == nullptr;
    if (borrowed)
        Vexa::Toolkit::install(std::make_unique<Vexa::HeadlessPlatform>());
    m_off_screen = true;
    bool written = false;
    try {
        if (p_build(0)) {
            Vexa::Desktop* desktop = m_window->get_desktop();
            const Vexa::WidgetRequestedSizes& sizes = m_gui->get_requested_sizes();
            const int width = std::max(1, sizes.get_requested_width());
            const int height = std::max(1, sizes.get_requested_height());
            // Never shown: the desktop is laid out and painted without the window going on screen.
            desktop->set_geometry(0, 0, width, height);
            desktop->set_windows_displayed(true);
            m_content->set_geometry(0, 0, width, height);
            written = p_write_picture(a_path);
        }
    } catch (...) {
        written = false;
    }
    p_destroy_window();
    m_off_screen = false;
    if (borrowed)
        application->set_part(nullptr);
    return written;
}

bool PluginEditor::p_write_picture(const char* a_path) const {
    Vexa::Desktop* desktop = m_window->get_desktop();
    if (!desktop)
        return false;
    desktop->flush();
    const int width = desktop->get_width();
    const int height = desktop->get_height();
    if (width <= 0 || height <= 0)
        return false;
    Vexa::Bitmap picture(width, height);
    {
        Vexa::Painter painter(picture);
        desktop->compose(painter, {0, 0, width, height});
    }
    return picture.write_png(a_path);
}

bool PluginEditor::repaint_all() {
    std::lock_guard lock(toolkit_lock());
    if (!m_window || !m_content || m_off_screen || !m_window->get_desktop())
        return false;
    Vexa::Desktop& desktop = *m_window->get_desktop();
    const unsigned painted_before = desktop.get_painted_rect_count();
    m_content->repaint();
    desktop.flush();
    return desktop.get_painted_rect_count() != painted_before;
}

void PluginEditor::close() {
    std::lock_guard lock(toolkit_lock());
    m_system_window = nullptr;
    m_parent = 0;
    p_destroy_window();
    // The editor's pictures and widgets were the largest blocks the process freed; once freed, the
    // allocator keeps them for itself. Hand the free pages back, so that a host that opens and
    // closes editors all session does not carry an editor's worth of memory for each one it
    // closed. Closing is rare and on the user's thread; the audio thread never waits for it.
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

bool PluginEditor::isOpen() {
    std::lock_guard lock(toolkit_lock());
    return m_window != nullptr;
}

// The window goes first, taking the GUI with it (its destructor lets go of the device); a native
// window that its foreign parent took along is only forgotten, never touched.
void PluginEditor::p_destroy_window() {
    if (!m_window)
        return;
    m_window->close();
    if (m_content) {
        m_content->destroy();
        m_content = nullptr;
        if (Vexa::Desktop* desktop = m_window->get_desktop())
            desktop->flush();
    }
    m_gui = nullptr;
    m_window->destroy();
    m_window.reset();
    Vexa::Toolkit::get().run_deferred();
}

void PluginEditor::idle() {
    std::lock_guard lock(toolkit_lock());
    if (!m_window)
        return;
    Vexa::Toolkit::get().idle();
    p_follow_parent();
    if (m_gui && m_window && m_window->get_desktop()) {
        m_gui->refresh();
        m_window->get_desktop()->flush();
    }
}

bool PluginEditor::onKeyDown(Vst::VstKeyCode& a_key) {
    std::lock_guard lock(toolkit_lock());
    if (!m_window || !m_window->get_desktop())
        return false;
    // A character from the host is the text, its keyboard layout already applied; a..z also
    // stand for the letter keys. A key without a toolkit key (equals) is tried as that text only.
    const std::int32_t character = a_key.character;
    unsigned code = 0;
    std::u16string text;
    // Only letters and digits share their numbers with virtual keys: "." is 46, which is also
    // Delete, so other characters are typed, never pressed.
    if (a_key.virt == 0) {
        if (character >= 'a' && character <= 'z')
            code = unsigned(character - 'a' + 'A');
        else if ((character >= 'A' && character <= 'Z') || (character >= '0' && character <= '9'))
            code = unsigned(character);
    } else {
        code = windows_key_of_vst_key(a_key.virt);
        text = text_of_windows_key(code, a_key.modifier);
    }
    if (text.empty() && character >= 32 && character != 127 && character < 0xD800)
        text.assign(1, char16_t(character));
    return p_deliver_key(code, text);
}

bool PluginEditor::p_deliver_key(unsigned a_code, const std::u16string& a_text) {
    Vexa::Desktop& desktop = *m_window->get_desktop();
    if (!m_window->is_enabled())
        return false;
    bool handled = false;
    {
        Vexa::Desktop::UpdateSuspender suspender(desktop);
        if (a_code >= 1 && a_code <= 165 && Vexa::key_code_of_virtual_key(a_code)) {
            Vexa::InputEvent down;
            down.type = Vexa::InputEventType_KEYBOARD_DOWN;
            down.key = Vexa::key_code_of_virtual_key(a_code);
            handled = desktop.dispatch(down);
        }
        if (!handled && !a_text.empty()) {
            Vexa::InputEvent typed;
            typed.type = Vexa::InputEventType_KEYBOARD_STRING;
            typed.text = a_text;
            handled = desktop.dispatch(typed);
        }
    }
    desktop.flush();
    return handled;
}

void PluginEditor::wheel_at_cursor(int a_delta) {
    std::lock_guard lock(toolkit_lock());
    if (!m_window || !m_window->get_native_window())
        return;
    Vexa::NativeEvent wheel;
    wheel.type = Vexa::NativeEventType::wheel;
    wheel.wheel_delta = a_delta;
    if (!m_window->get_native_window()->get_cursor_position(wheel.x, wheel.y))
        return;
    m_window->handle_native_event(wheel);
}

void PluginEditor::p_on_desktop_placed(Vexa::WidgetEvent&) {
    if (m_content && m_window && m_window->get_desktop())
        m_content->set_geometry(0, 0, m_window->get_desktop()->get_width(),
                                m_window->get_desktop()->get_height());
}

// The content asks for other sizes: keep the host's window within them.
// The host's window (else the editor's own) brought within what the GUI can take.
Vexa::Size PluginEditor::p_fitting_size(Vexa::Size a_size) const {
    const Vexa::WidgetRequestedSizes& sizes = m_gui->get_requested_sizes();
    return {std::clamp(a_size.width, sizes.get_minimum_width(), sizes.get_maximum_width()),
            std::clamp(a_size.height, sizes.get_minimum_height(), sizes.get_maximum_height())};
}

void PluginEditor::p_on_content_sizes(Vexa::WidgetEvent&) {
    if (!m_window || !m_gui || m_off_screen)
        return;
    const Vexa::WidgetRequestedSizes& sizes = m_gui->get_requested_sizes();
    m_window->set_size_limits({sizes.get_minimum_width(), sizes.get_minimum_height()},
                              {sizes.get_maximum_width(), sizes.get_maximum_height()});
    Vexa::Size client = m_window->get_client_size();
    if (Vexa::NativeWindow* native = m_window->get_native_window())
        native->get_parent_size(client);
    const Vexa::Size fitting = p_fitting_size(client);
    if (fitting == client)
        return;
    m_adapter.size_window(fitting.width, fitting.height);
    m_window->set_client_size(fitting.width, fitting.height);
}

// Hosts resize their window without telling the plug-in; a look at its size a few times a second
// costs one round trip each, nothing in between.
void PluginEditor::p_follow_parent() {
    constexpr std::chrono::milliseconds interval{200};
    const auto now = std::chrono::steady_clock::now();
    if (!m_window || !m_gui || m_off_screen || now - m_parent_checked < interval)
        return;
    m_parent_checked = now;
    Vexa::NativeWindow* native = m_window->get_native_window();
    Vexa::Size parent;
    if (!native || !native->get_parent_size(parent))
        return;
    const Vexa::Size fitting = p_fitting_size(parent);
    if (fitting != m_window->get_client_size())
        m_window->set_client_size(fitting.width, fitting.height);
}

} // namespace Tonekit
