#include "vexa/Application/Toolkit.h"

#include "orvo/Core/Assert.h"
#include "vexa/Platform/X11/X11Platform.h"

namespace Vexa {

Toolkit::Toolkit(std::unique_ptr<Platform> a_platform) : m_platform(std::move(a_platform)) {}

Toolkit::~Toolkit() {
    run_deferred();
}

Toolkit& Toolkit::get() {
    Application* application = Application::get();
    ORVO_ASSERT(application);
    if (auto* toolkit = dynamic_cast<Toolkit*>(application->get_part()))
        return *toolkit;
    return install(std::make_unique<X11Platform>());
}

Toolkit& Toolkit::install(std::unique_ptr<Platform> a_platform) {
    Application* application = Application::get();
    ORVO_ASSERT(application);
    auto toolkit = std::make_unique<Toolkit>(std::move(a_platform));
    Toolkit& installed = *toolkit;
    application->set_part(std::move(toolkit));
    return installed;
}

bool Toolkit::process_next_event() {
    run_deferred();
    const bool going_on = m_platform->process_next_event();
    run_deferred();
    return going_on;
}

void Toolkit::idle() {
    run_deferred();
    m_platform->process_pending_events();
    run_deferred();
}

void Toolkit::run_deferred() {
    while (!m_deferred.empty()) {
        auto deferred = std::move(m_deferred);
        m_deferred.clear();
        for (auto& action : deferred)
            action();
    }
}

} // namespace Vexa
