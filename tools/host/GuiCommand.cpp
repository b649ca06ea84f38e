#include "tools/host/GuiCommand.h"

#include "tools/host/ByteFile.h"
#include "tools/host/EditorAudio.h"
#include "tools/host/EditorBench.h"
#include "tools/host/EditorWindow.h"
#include "tools/host/HostContext.h"
#include "tools/host/HostError.h"
#include "tools/host/PluginInstance.h"

#include <chrono>
#include <cstdio>
#include <memory>
#include <thread>

namespace tolvanhost {
namespace {

using Clock = std::chrono::steady_clock;
constexpr auto idle_period = std::chrono::milliseconds(33);
// A screenshot waits for at least this many idle calls, so the editor has painted.
constexpr int screenshot_min_idles = 3;

} // namespace

GuiCommand::GuiCommand(const HostOptions& a_options, std::string a_plugin_path)
    : m_options(a_options), m_plugin_path(std::move(a_plugin_path)) {}

void GuiCommand::run() {
    HostContext context;
    PluginInstance plugin(m_plugin_path, &HostContext::callback);
    EditorWindow window(plugin, context, m_plugin_path);
    if (!m_options.m_no_audio && !plugin.record().processReplacing)
        throw HostError::runtime("the plug-in has no processReplacing (use --no-audio)");
    context.set_sample_rate(EditorAudio::default_rate);
    context.set_block_size(EditorAudio::default_block);
    plugin.set_sample_rate(float(EditorAudio::default_rate));
    plugin.set_block_size(EditorAudio::default_block);
    if (m_options.m_load_chunk)
        plugin.set_chunk(ByteFile::read(*m_options.m_load_chunk, "chunk"));
    plugin.resume();
    std::unique_ptr<EditorAudio> audio;
    if (!m_options.m_no_audio)
        audio = std::make_unique<EditorAudio>(plugin);

    if (m_options.m_measure) {
        EditorBench(plugin, context, window, audio.get(), m_options.m_drag).run(stdout);
    } else {
        window.map();
        window.open_editor();
        if (audio)
            audio->start();
        const Clock::time_point start = Clock::now();
        int idles = 0;
        for (bool running = true; running;) {
            const Clock::time_point pass = Clock::now();
            running = window.serve();
            ++idles;
            const auto elapsed =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
            if (m_options.m_screenshot && elapsed >= m_options.m_screenshot_after &&
                idles >= screenshot_min_idles) {
                window.save_screenshot(*m_options.m_screenshot);
                running = false;
            }
            if (m_options.m_close_after && elapsed >= *m_options.m_close_after)
                running = false;
            if (running)
                std::this_thread::sleep_until(pass + idle_period);
        }
        window.close_editor();
    }
    if (audio) {
        audio->stop();
        if (!m_options.m_measure)
            std::printf("audio: %lld blocks, %lld silenced\n",
                        static_cast<long long>(audio->blocks()),
                        static_cast<long long>(audio->silenced()));
    }
    // What the user set in the editor, as a host would store it in its project.
    if (m_options.m_save_chunk)
        ByteFile::write(*m_options.m_save_chunk, plugin.get_chunk(), "chunk");
    plugin.close();
}

} // namespace tolvanhost
