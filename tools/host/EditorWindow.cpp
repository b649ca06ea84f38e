#include "tools/host/EditorWindow.h"

#include "tools/host/HostError.h"
#include "tools/host/PngWriter.h"

#include <X11/Xutil.h>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace tolvanhost {
namespace {

struct ImageDestroyer {
    // XDestroyImage is a macro.
    void operator()(XImage* a_image) const { XDestroyImage(a_image); }
};
using ImageHandle = std::unique_ptr<XImage, ImageDestroyer>;

ImageHandle capture(Display* a_display, Window a_window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(a_display, a_window, &attributes))
        return nullptr;
    return ImageHandle(XGetImage(a_display, a_window, 0, 0, unsigned(attributes.width),
                                 unsigned(attributes.height), AllPlanes, ZPixmap));
}

// The editor's rectangle as the plug-in reports it; false for none or an empty one.
bool editor_size(PluginInstance& a_plugin, int& a_width, int& a_height) {
    Vst::ERect* rect = nullptr;
    a_plugin.dispatch(Vst::effEditGetRect, 0, 0, &rect);
    if (!rect || rect->right - rect->left <= 0 || rect->bottom - rect->top <= 0)
        return false;
    a_width = rect->right - rect->left;
    a_height = rect->bottom - rect->top;
    return true;
}

} // namespace

EditorWindow::EditorWindow(PluginInstance& a_plugin, HostContext& a_context,
                           const std::string& a_path)
    : m_plugin(a_plugin), m_context(a_context) {
    const char* display_name = std::getenv("DISPLAY");
    if (!display_name || !*display_name)
        throw HostError::runtime("no display: the editor needs an X server (set DISPLAY)");
    if (!(a_plugin.record().flags & Vst::effFlagsHasEditor))
        throw HostError::runtime("the plug-in has no editor: " + a_path);
    m_display = XOpenDisplay(display_name);
    if (!m_display)
        throw HostError::runtime(std::string("cannot open display ") + display_name);
    editor_size(a_plugin, m_width, m_height);
    const int screen = DefaultScreen(m_display);
    m_window = XCreateSimpleWindow(m_display, RootWindow(m_display, screen), 0, 0,
                                   unsigned(m_width), unsigned(m_height), 0,
                                   BlackPixel(m_display, screen), WhitePixel(m_display, screen));
    m_delete_window = XInternAtom(m_display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(m_display, m_window, &m_delete_window, 1);
    const std::string name = a_plugin.query_text(Vst::effGetEffectName);
    const std::string title = "tolvan-host: " + (name.empty() ? std::string("editor") : name);
    XStoreName(m_display, m_window, title.c_str());
    XSelectInput(m_display, m_window, StructureNotifyMask);
}

EditorWindow::~EditorWindow() {
    close_editor();
    XDestroyWindow(m_display, m_window);
    XSync(m_display, False);
    XCloseDisplay(m_display);
}

void EditorWindow::map() {
    XMapWindow(m_display, m_window);
    XSync(m_display, False);
}

void EditorWindow::open_editor() {
    m_context.set_editor_window(true);
    if (!m_plugin.dispatch(Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(m_window))) {
        m_context.set_editor_window(false);
        throw HostError::runtime("the plug-in could not open its editor");
    }
    m_editor_open = true;
    // Hosts ask again once the editor is open: the size is only known then.
    p_fit_editor();
}

void EditorWindow::close_editor() {
    if (!m_editor_open)
        return;
    m_plugin.dispatch(Vst::effEditClose);
    m_context.set_editor_window(false);
    m_editor_open = false;
    XSync(m_display, False);
}

void EditorWindow::p_fit_editor() {
    int width = m_width;
    int height = m_height;
    if (editor_size(m_plugin, width, height) && (width != m_width || height != m_height)) {
        m_width = width;
        m_height = height;
        XResizeWindow(m_display, m_window, unsigned(width), unsigned(height));
    }
}

bool EditorWindow::serve() {
    m_plugin.dispatch(Vst::effEditIdle);
    int requested_width = 0;
    int requested_height = 0;
    if (m_context.take_size_request(requested_width, requested_height)) {
        m_width = requested_width;
        m_height = requested_height;
        XResizeWindow(m_display, m_window, unsigned(requested_width), unsigned(requested_height));
    }
    bool open = true;
    while (XPending(m_display) > 0) {
        XEvent event;
        XNextEvent(m_display, &event);
        if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == m_delete_window)
            open = false;
    }
    return open;
}

bool EditorWindow::shows_content() {
    const ImageHandle image = capture(m_display, m_window);
    if (!image || image->width <= 0 || image->height <= 0)
        return false;
    const unsigned long first = XGetPixel(image.get(), 0, 0);
    for (int y = 0; y < image->height; y += 2)
        for (int x = 0; x < image->width; x += 2)
            if (XGetPixel(image.get(), x, y) != first)
                return true;
    return false;
}

int EditorWindow::child_window_count() {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(m_display, m_window, &root, &parent, &children, &count))
        return -1;
    if (children)
        XFree(children);
    return int(count);
}

void EditorWindow::save_screenshot(const std::string& a_path) {
    XSync(m_display, False);
    const ImageHandle image = capture(m_display, m_window);
    if (!image)
        throw HostError::runtime("cannot read the editor's window for the screenshot");
    const auto channel = [](unsigned long a_pixel, unsigned long a_mask) {
        if (!a_mask)
            return std::uint8_t(0);
        int shift = 0;
        while (!((a_mask >> shift) & 1))
            ++shift;
        const unsigned long maximum = a_mask >> shift;
        return std::uint8_t(((a_pixel & a_mask) >> shift) * 255 / maximum);
    };
    std::vector<std::uint8_t> rgb;
    rgb.reserve(std::size_t(image->width) * std::size_t(image->height) * 3);
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x) {
            const unsigned long pixel = XGetPixel(image.get(), x, y);
            rgb.push_back(channel(pixel, image->red_mask));
            rgb.push_back(channel(pixel, image->green_mask));
            rgb.push_back(channel(pixel, image->blue_mask));
        }
    PngWriter::write(a_path, image->width, image->height, rgb);
}

} // namespace tolvanhost
