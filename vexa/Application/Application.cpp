#include "vexa/Application/Application.h"

#include "orvo/Core/Assert.h"
#include "orvo/Core/Utf.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>

#include <algorithm>

namespace Vexa {

// Hosts may create instances from several threads at once, so the count itself is locked.
std::mutex Application::s_lock;
unsigned Application::s_reference_count = 0;
Application* Application::s_instance = nullptr;

unsigned Application::acquire() {
    std::lock_guard lock(s_lock);
    if (s_reference_count == 0) {
        s_instance = new Application;
        s_instance->p_initialize();
    }
    return ++s_reference_count;
}

unsigned Application::release() {
    std::lock_guard lock(s_lock);
    if (s_reference_count == 0)
        return 0;
    if (--s_reference_count == 0) {
        s_instance->p_finalize();
        delete s_instance;
        s_instance = nullptr;
    }
    return s_reference_count;
}

unsigned Application::get_reference_count() {
    std::lock_guard lock(s_lock);
    return s_reference_count;
}

Application* Application::get() {
    std::lock_guard lock(s_lock);
    return s_instance;
}

Application::~Application() = default;

// The toolkit's part attaches itself on first use (a window, a message box), so a host that never
// opens an editor never starts a display connection.
void Application::p_initialize() {
    // The module that holds this code: the plug-in's shared object inside a host, else the program.
    Dl_info info{};
    if (!dladdr(reinterpret_cast<const void*>(&Application::acquire), &info) || !info.dli_fname)
        return;
    char resolved[PATH_MAX];
    const char* path = realpath(info.dli_fname, resolved) ? resolved : info.dli_fname;
    m_module_path = Orvo::utf8_to_utf16_lossy(path);
    const std::size_t slash = m_module_path.view().rfind(u'/');
    if (slash == std::u16string_view::npos) {
        m_module_file_name = m_module_path;
        return;
    }
    m_module_directory = Orvo::WString(m_module_path.view().substr(0, slash));
    m_module_file_name = Orvo::WString(m_module_path.view().substr(slash + 1));
}

void Application::p_finalize() {
    m_style_sheet.reset();
    m_part.reset();
    for (QuitApplicationLoop* quit_loop : m_quit_loops)
        delete quit_loop;
    m_quit_loops.clear();
}

void Application::set_part(std::unique_ptr<Part> a_part) {
    m_part.reset();
    m_part = std::move(a_part);
}

QuitApplicationLoop* Application::create_quit_loop() {
    auto* quit_loop = new QuitApplicationLoop;
    m_quit_loops.push_back(quit_loop);
    return quit_loop;
}

void Application::loop(QuitApplicationLoop* a_quit_loop) {
    ORVO_ASSERT(a_quit_loop);
    ORVO_ASSERT(!a_quit_loop->m_used);
    a_quit_loop->m_used = true;
    try {
        while (!a_quit_loop->m_quit && m_part && m_part->process_next_event()) {
        }
    } catch (...) {
        p_delete_quit_loop(a_quit_loop);
        throw;
    }
    p_delete_quit_loop(a_quit_loop);
}

void Application::p_delete_quit_loop(QuitApplicationLoop* a_quit_loop) {
    const auto found = std::find(m_quit_loops.begin(), m_quit_loops.end(), a_quit_loop);
    if (found != m_quit_loops.end())
        m_quit_loops.erase(found);
    delete a_quit_loop;
}

} // namespace Vexa
