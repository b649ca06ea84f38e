#pragma once
// The toolkit's per-process application object. Every plug-in instance in the process shares it:
// the first acquisition starts the toolkit, the last release shuts it down.

#include <mutex>

namespace Vexa {

class Application {
public:
    // [ui-thread] Returns the reference count after acquiring.
    static unsigned acquire();
    // [ui-thread] Returns the reference count after releasing; the last release shuts down.
    static unsigned release();
    static unsigned get_reference_count();
    // Null while no instance holds the application.
    static Application* get();

private:
    Application() = default;
    void p_initialize();
    void p_finalize();

    static std::mutex s_lock;
    static unsigned s_reference_count;
    static Application* s_instance;
};

} // namespace Vexa
