#include "tools/host/EditorBench.h"

#include <X11/extensions/XTest.h>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <fstream>
#include <numbers>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tolvanhost {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto idle_period = std::chrono::milliseconds(33);
constexpr auto paint_timeout = std::chrono::seconds(2);
// The pointer's path while dragging: there and back diagonally every two seconds, a move every
// 8 ms (a mouse reports at 125 Hz).
constexpr double drag_period_seconds = 2.0;
constexpr auto drag_step = std::chrono::milliseconds(8);

double milliseconds_since(Clock::time_point a_start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - a_start).count();
}

double median(std::vector<double> a_values) {
    if (a_values.empty())
        return 0.0;
    std::sort(a_values.begin(), a_values.end());
    return a_values[a_values.size() / 2];
}

double percentile(std::vector<double> a_values, double a_fraction) {
    if (a_values.empty())
        return 0.0;
    std::sort(a_values.begin(), a_values.end());
    return a_values[std::min(a_values.size() - 1, std::size_t(a_fraction * a_values.size()))];
}

long resident_kib() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void row(std::FILE* a_out, const std::string& a_what, const std::string& a_value) {
    std::fprintf(a_out, "  %-46s %s\n", a_what.c_str(), a_value.c_str());
}

std::string format(const char* a_format, double a_value) {
    char text[64];
    std::snprintf(text, sizeof text, a_format, a_value);
    return text;
}

} // namespace

EditorBench::EditorBench(PluginInstance& a_plugin, HostContext& a_context, EditorWindow& a_window,
                         EditorAudio* a_audio, std::optional<std::pair<int, int>> a_drag)
    : m_plugin(a_plugin), m_context(a_context), m_window(a_window), m_audio(a_audio),
      m_drag(a_drag) {}

double EditorBench::p_open_to_paint() {
    const Clock::time_point start = Clock::now();
    m_window.open_editor();
    while (Clock::now() - start < paint_timeout) {
        m_window.serve();
        if (m_window.shows_content())
            return milliseconds_since(start);
    }
    return -1.0;
}

void EditorBench::p_settle(int a_milliseconds) {
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(a_milliseconds);
    while (Clock::now() < end) {
        m_window.serve();
        std::this_thread::sleep_for(idle_period);
    }
}

void EditorBench::run(std::FILE* a_out) {
    m_window.map();
    std::fprintf(a_out, "editor benchmark: %s\n",
                 m_plugin.query_text(Vst::effGetEffectName).c_str());

    // The first open pays for what the process sets up once (fonts, the toolkit); the cycles
    // after it show what every further open costs and what stays behind.
    const double first_open = p_open_to_paint();
    const int width = m_window.width();
    const int height = m_window.height();
    m_window.close_editor();
    const long resident_before = resident_kib();
    std::vector<double> opens;
    int unpainted = 0;
    // Growth that goes on through the second half is a leak; growth only at the start is a cache.
    long resident_halfway = 0;
    for (int i = 0; i < cycles; ++i) {
        if (i == cycles / 2)
            resident_halfway = resident_kib();
        const double open = p_open_to_paint();
        if (open < 0.0)
            ++unpainted;
        else
            opens.push_back(open);
        m_window.close_editor();
    }
    const long resident_after = resident_kib();
    const int windows_left = m_window.child_window_count();

    m_window.open_editor();
    p_settle(500);
    std::vector<double> idles;
    for (int i = 0; i < idle_calls; ++i) {
        const Clock::time_point start = Clock::now();
        m_plugin.dispatch(Vst::effEditIdle);
        idles.push_back(milliseconds_since(start) * 1000.0);
    }
    std::vector<double> repaint_times;
    for (int i = 0; i < repaints; ++i) {
        const Clock::time_point start = Clock::now();
        if (!m_plugin.dispatch(Vst::effVendorSpecific, Vst::vendor_specific_wheel_index,
                               Vst::vendor_specific_repaint_value))
            break;
        repaint_times.push_back(milliseconds_since(start));
        m_window.serve();
    }

    std::fprintf(a_out, "  editor size %d x %d\n", width, height);
    row(a_out, "open to first paint, first open",
        first_open < 0.0 ? "never painted" : format("%.2f ms", first_open));
    row(a_out, "open to first paint, median of " + std::to_string(cycles) + " reopens",
        format("%.2f ms", median(opens)) +
            (unpainted ? " (" + std::to_string(unpainted) + " never painted)" : ""));
    row(a_out, "idle call, nothing changed, median of " + std::to_string(idle_calls),
        format("%.1f us", median(idles)) + format(" (95%%: %.1f us)", percentile(idles, 0.95)));
    row(a_out, "full repaint (\"Draw\" call), median of " + std::to_string(repaints),
        repaint_times.empty()
            ? "n/a: the plug-in does not answer the repaint call"
            : format("%.2f ms", median(repaint_times)) +
                  format(" (max %.2f ms)",
                         *std::max_element(repaint_times.begin(), repaint_times.end())));
    row(a_out, std::to_string(cycles) + " open/close: resident memory growth",
        format("%+.0f KiB", double(resident_after - resident_before)) +
            format(" (last half %+.0f KiB)", double(resident_after - resident_halfway)));
    row(a_out, std::to_string(cycles) + " open/close: X windows left",
        std::to_string(windows_left));
    p_drag(a_out);
    m_window.close_editor();
}

void EditorBench::p_drag(std::FILE* a_out) {
    const std::string what = std::to_string(drag_seconds) + " s drag with audio: blocks, silenced";
    if (!m_audio) {
        row(a_out, what, "n/a: --no-audio");
        return;
    }
    Display* display = m_window.display();
    int event_base = 0;
    int error_base = 0;
    int major = 0;
    int minor = 0;
    if (!XTestQueryExtension(display, &event_base, &error_base, &major, &minor)) {
        row(a_out, what, "n/a: the X server has no XTEST extension");
        return;
    }
    const auto [x, y] = m_drag.value_or(std::pair{m_window.width() / 2, m_window.height() / 2});
    int root_x = 0;
    int root_y = 0;
    Window child = 0;
    XTranslateCoordinates(display, m_window.window(), DefaultRootWindow(display), x, y, &root_x,
                          &root_y, &child);
    const int reach = std::max(4, std::min(m_window.width(), m_window.height()) / 4);

    m_audio->start();
    p_settle(500);
    const std::int64_t blocks = m_audio->blocks();
    const std::int64_t silenced = m_audio->silenced();
    const std::size_t automated = m_context.automate_count();
    XTestFakeMotionEvent(display, -1, root_x, root_y, 0);
    m_window.serve();
    XTestFakeButtonEvent(display, 1, True, 0);
    XFlush(display);
    const Clock::time_point start = Clock::now();
    Clock::time_point next_idle = start;
    for (Clock::time_point now = start; now - start < std::chrono::seconds(drag_seconds);
         now = Clock::now()) {
        const double phase = std::chrono::duration<double>(now - start).count() /
                             drag_period_seconds * 2.0 * std::numbers::pi;
        const int offset = int(std::lround(reach * std::sin(phase)));
        XTestFakeMotionEvent(display, -1, root_x + offset, root_y - offset, 0);
        XFlush(display);
        if (now >= next_idle) {
            m_window.serve();
            next_idle += idle_period;
        }
        std::this_thread::sleep_for(drag_step);
    }
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
    p_settle(200);
    row(a_out, what,
        std::to_string(m_audio->blocks() - blocks) + ", " +
            std::to_string(m_audio->silenced() - silenced));
    row(a_out, "automation calls during the drag",
        std::to_string(m_context.automate_count() - automated));
}

} // namespace tolvanhost
