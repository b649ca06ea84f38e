#pragma once
// Installs a widget kind's style behaviour (how its own style properties reach it) into the
// application's current style sheet, once per sheet: a sheet loaded after the widget was made has
// a registry that has not heard of the kind yet. A widget keeps one and asks it before it is
// measured.

#include <functional>
#include <memory>

namespace Vexa {

class StyleRegistry;
class StyleSheet;

class StyleBehaviourFollower {
public:
    // Runs a_install on the current sheet's registry unless it ran on that sheet already; true
    // when it ran now and said the widget must be styled again (a_install's answer).
    bool follow(const std::function<bool(const StyleRegistry&)>& a_install);

private:
    // Compared, never used: the sheet may be gone.
    std::weak_ptr<const StyleSheet> m_installed;
};

} // namespace Vexa
