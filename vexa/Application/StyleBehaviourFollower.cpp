#include "vexa/Application/StyleBehaviourFollower.h"

#include "vexa/Application/Application.h"
#include "vexa/Styles/StyleSheet.h"

namespace Vexa {

bool StyleBehaviourFollower::follow(const std::function<bool(const StyleRegistry&)>& a_install) {
    const Application* application = Application::get();
    const auto sheet = application ? application->get_style_sheet() : nullptr;
    if (!sheet || sheet == m_installed.lock())
        return false;
    m_installed = sheet;
    return a_install(sheet->get_registry());
}

} // namespace Vexa
