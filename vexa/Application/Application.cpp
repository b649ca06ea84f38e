#include "vexa/Application/Application.h"

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

// Windows, painter and styles attach here as the toolkit grows; nothing is started yet.
void Application::p_initialize() {}
void Application::p_finalize() {}

} // namespace Vexa
