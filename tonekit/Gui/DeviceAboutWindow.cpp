#include "tonekit/Gui/DeviceAboutWindow.h"

#include "vexa/Layouts/VerticalLayout.h"
#include "vexa/Widgets/TextCommandButton.h"

namespace Tonekit {

namespace {

constexpr int content_padding = 12;

} // namespace

DeviceAboutWindow::DeviceAboutWindow(Vexa::Widget* a_content)
    : NormalWindow(u"About"), m_content(a_content) {
    auto* layout = new Vexa::VerticalLayout;
    // Room around the text, whatever the sheet gives plain layouts.
    layout->set_paddings(
        {content_padding, content_padding * 2, content_padding * 2, content_padding});
    layout->set_vertical_spacing(content_padding);
    layout->append(a_content);
    auto* close = new Vexa::TextCommandButton(u"Close");
    layout->append(close);
    connect(close->m_on_action, this, &DeviceAboutWindow::p_on_close);
    set_client(layout);
}

void DeviceAboutWindow::p_on_close(Vexa::CommandButtonEvents::OnAction&) {
    close();
}

} // namespace Tonekit
