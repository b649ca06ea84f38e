#include "vexa/Platform/Headless/HeadlessWindow.h"

#include "vexa/Platform/Headless/HeadlessPlatform.h"

namespace Vexa {

HeadlessWindow::HeadlessWindow(HeadlessPlatform& a_platform, NativeWindowClient& a_client,
                               const NativeWindowOptions& a_options, std::uint64_t a_id)
    : m_platform(a_platform), m_client(a_client), m_options(a_options), m_id(a_id),
      m_title(a_options.title) {}

HeadlessWindow::~HeadlessWindow() {
    m_platform.p_window_destroyed(this);
}

void HeadlessWindow::set_client_rect(const Rect& a_rect) {
    m_rect = a_rect;
}

void HeadlessWindow::invalidate(const Rect& a_rect) {
    ++m_compose_count;
    m_client.compose(a_rect);
}

} // namespace Vexa
