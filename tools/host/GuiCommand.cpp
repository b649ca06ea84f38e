#include "tools/host/GuiCommand.h"

#include "tools/host/HostContext.h"
#include "tools/host/HostError.h"
#include "tools/host/PluginInstance.h"
#include "tools/host/PngWriter.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace tolvanhost {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto idle_period = std::chrono::milliseconds(33);
// A screenshot waits for at least this many idle calls, so the editor has painted.
constexpr int screenshot_min_idles = 3;
constexpr int fallback_width = 400;
constexpr int fallback_height = 300;

struct DisplayCloser {
    void operator()(Display* a_display) const { XCloseDisplay(a_display); }
};

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

void save_screenshot(Display* a_display, Window a_window, const std::string& a_path) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(a_display, a_window, &attributes);
    XImage* image = XGetImage(a_display, a_window, 0, 0, unsigned(attributes.width),
                              unsigned(attributes.height), AllPlanes, ZPixmap);
    if (!image)
        throw HostError::runtime("cannot read the editor's window for the screenshot");
    struct ImageDestroyer {
        // XDestroyImage is a macro.
        void operator()(XImage* a_image) const { XDestroyImage(a_image); }
    };
    std::unique_ptr<XImage, ImageDestroyer> owned(image);
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
            const unsigned long pixel = XGetPixel(image, x, y);
            rgb.push_back(channel(pixel, image->red_mask));
            rgb.push_back(channel(pixel, image->green_mask));
            rgb.push_back(channel(pixel, image->blue_mask));
        }
    PngWriter::write(a_path, image->width, image->height, rgb);
}

} // namespace

GuiCommand::GuiCommand(const HostOptions& a_options, std::string a_plugin_path)
    : m_options(a_options), m_plugin_path(std::move(a_plugin_path)) {}

void GuiCommand::run() {
    const char* display_name = std::getenv("DISPLAY");
    if (!display_name || !*display_name)
        throw HostError::runtime("no display: the editor needs an X server (set DISPLAY)");
    std::unique_ptr<Display, DisplayCloser> display(XOpenDisplay(display_name));
    if (!display)
        throw HostError::runtime(std::string("cannot open display ") + display_name);

    HostContext context;
    PluginInstance plugin(m_plugin_path, &HostContext::callback);
    if (!(plugin.record().flags & Vst::effFlagsHasEditor))
        throw HostError::runtime("the plug-in has no editor: " + m_plugin_path);
    plugin.set_sample_rate(48000.0f);
    plugin.set_block_size(512);
    plugin.resume();

    int width = fallback_width;
    int height = fallback_height;
    editor_size(plugin, width, height);
    Display* x = display.get();
    const int screen = DefaultScreen(x);
    const Window window =
        XCreateSimpleWindow(x, RootWindow(x, screen), 0, 0, unsigned(width), unsigned(height), 0,
                            BlackPixel(x, screen), WhitePixel(x, screen));
    Atom delete_window = XInternAtom(x, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(x, window, &delete_window, 1);
    char effect_name[256] = {};
    plugin.dispatch(Vst::effGetEffectName, 0, 0, effect_name);
    const std::string title =
        std::string("tolvan-host: ") + (*effect_name ? effect_name : "editor");
    XStoreName(x, window, title.c_str());
    XSelectInput(x, window, StructureNotifyMask);
    XMapWindow(x, window);
    XSync(x, False);

    context.set_editor_window(true);
    if (!plugin.dispatch(Vst::effEditOpen, 0, 0, reinterpret_cast<void*>(window))) {
        XDestroyWindow(x, window);
        throw HostError::runtime("the plug-in could not open its editor");
    }
    // Hosts ask again once the editor is open: the size is only known then.
    if (editor_size(plugin, width, height))
        XResizeWindow(x, window, unsigned(width), unsigned(height));

    const Clock::time_point start = Clock::now();
    int idles = 0;
    bool running = true;
    while (running) {
        const Clock::time_point pass = Clock::now();
        plugin.dispatch(Vst::effEditIdle);
        ++idles;
        int requested_width = 0;
        int requested_height = 0;
        if (context.take_size_request(requested_width, requested_height))
            XResizeWindow(x, window, unsigned(requested_width), unsigned(requested_height));
        while (XPending(x) > 0) {
            XEvent event;
            XNextEvent(x, &event);
            if (event.type == ClientMessage && Atom(event.xclient.data.l[0]) == delete_window)
                running = false;
        }
        const auto elapsed =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (m_options.m_screenshot && elapsed >= m_options.m_screenshot_after &&
            idles >= screenshot_min_idles) {
            XSync(x, False);
            save_screenshot(x, window, *m_options.m_screenshot);
            running = false;
        }
        if (m_options.m_close_after && elapsed >= *m_options.m_close_after)
            running = false;
        std::this_thread::sleep_until(pass + idle_period);
    }
    plugin.dispatch(Vst::effEditClose);
    context.set_editor_window(false);
    XDestroyWindow(x, window);
    XSync(x, False);
    plugin.close();
}

} // namespace tolvanhost
