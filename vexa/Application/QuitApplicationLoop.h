#pragma once
// Ends one run of Application::loop. A token serves one loop only: the loop marks it used when it
// starts and deletes it when it ends.

namespace Vexa {

class QuitApplicationLoop {
public:
    void quit() noexcept { m_quit = true; }
    bool is_quit() const noexcept { return m_quit; }
    bool is_used() const noexcept { return m_used; }

private:
    friend class Application;
    QuitApplicationLoop() = default;

    bool m_quit = false;
    bool m_used = false;
};

} // namespace Vexa
