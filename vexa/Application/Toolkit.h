#pragma once
// The toolkit's per-process part of the application: the platform backend, the stock graphic
// objects, and what must be deleted at the next turn of the loop. It attaches itself to the
// acquired application on first use and goes with the application's last release.
// [ui-thread] idle and the loops run on the thread that owns the windows (a host's editor thread).

#include "vexa/Application/Application.h"
#include "vexa/Application/StockObjects.h"
#include "vexa/Platform/Platform.h"

#include <functional>
#include <memory>
#include <vector>

namespace Vexa {

class Toolkit : public Application::Part {
public:
    explicit Toolkit(std::unique_ptr<Platform> a_platform);
    ~Toolkit() override;

    // The toolkit of the acquired application, attached on first use with the X11 backend. Fails
    // `Application::get()` while no instance holds the application.
    static Toolkit& get();
    // Attaches a toolkit over the given backend (tests and screenshots use the headless one).
    static Toolkit& install(std::unique_ptr<Platform> a_platform);

    Platform& get_platform() noexcept { return *m_platform; }
    const StockObjects& get_stock() const noexcept { return m_stock; }

    bool process_next_event() override;
    // A host's idle call: serves every pending event and due timer, never waits.
    void idle();

    template <class T>
    void defer_delete(T* a_object) {
        m_deferred.push_back([a_object] { delete a_object; });
    }
    template <class T>
    void defer_delete(std::unique_ptr<T> a_object) {
        defer_delete(a_object.release());
    }
    void run_deferred();

private:
    std::unique_ptr<Platform> m_platform;
    StockObjects m_stock;
    std::vector<std::function<void()>> m_deferred;
};

} // namespace Vexa
