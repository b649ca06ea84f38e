#pragma once
// The toolkit's per-process application object. Every plug-in instance in the process shares it:
// the first acquisition starts it, the last release shuts it down.
//
// This part carries no graphics and no windowing, so that the framework can hold the application
// without linking the toolkit. The toolkit attaches its own per-process part (platform backend,
// stock graphic objects) on first use; the last release deletes it with the application.

#include "orvo/Core/String.h"
#include "vexa/Application/QuitApplicationLoop.h"

#include <memory>
#include <mutex>
#include <vector>

namespace Vexa {

class StyleSheet;

class Application {
public:
    // What the toolkit attaches: it serves one event (or timer) at a time for the loop.
    class Part {
    public:
        virtual ~Part() = default;
        // Serves the next event, waiting for one when none is pending. False once the process
        // has been asked to quit (the main window of a program closed).
        virtual bool process_next_event() = 0;
    };

    // [ui-thread] Returns the reference count after acquiring.
    static unsigned acquire();
    // [ui-thread] Returns the reference count after releasing; the last release shuts down.
    static unsigned release();
    static unsigned get_reference_count();
    // Null while no instance holds the application.
    static Application* get();

    // The file of the module (plug-in or program) that holds the toolkit: the whole path, its
    // folder and its name, e.g. "/home/a/.vst/TolvanChorus.so", "/home/a/.vst", "TolvanChorus.so".
    const Orvo::WString& get_module_path() const noexcept { return m_module_path; }
    const Orvo::WString& get_module_directory() const noexcept { return m_module_directory; }
    const Orvo::WString& get_module_file_name() const noexcept { return m_module_file_name; }

    Part* get_part() const noexcept { return m_part.get(); }
    // Replaces the toolkit's part (the old one is deleted first).
    void set_part(std::unique_ptr<Part> a_part);

    // A new token for one loop; the loop that runs on it deletes it.
    QuitApplicationLoop* create_quit_loop();
    // Serves events until the token's quit flag is set or the process is asked to quit; loops
    // nest (a modal window runs one inside another). Fails `a_quit_loop` for a null token and
    // `!a_quit_loop->m_used` for a token that a loop has already used.
    void loop(QuitApplicationLoop* a_quit_loop);
    std::size_t get_quit_loop_count() const noexcept { return m_quit_loops.size(); }

    // The sheet that widgets are styled from; null until one is loaded.
    const std::shared_ptr<const StyleSheet>& get_style_sheet() const noexcept {
        return m_style_sheet;
    }
    void set_style_sheet(std::shared_ptr<const StyleSheet> a_sheet) {
        m_style_sheet = std::move(a_sheet);
    }
    // [ui-thread] Reads the file (its lines joined with line feeds) or takes the text, parses it
    // and makes the result the current sheet, also when it had errors; then fails "Couldn't load
    // stylesheet." if there were any. Defined by the style library (vexa_styles), so that only
    // code linking it calls them.
    void load_style_sheet(const Orvo::WString& a_path);
    void load_style_sheet_text(std::u16string_view a_text);

private:
    Application() = default;
    ~Application();
    void p_initialize();
    void p_finalize();
    void p_delete_quit_loop(QuitApplicationLoop* a_quit_loop);

    Orvo::WString m_module_path;
    Orvo::WString m_module_directory;
    Orvo::WString m_module_file_name;
    std::unique_ptr<Part> m_part;
    std::vector<QuitApplicationLoop*> m_quit_loops;
    std::shared_ptr<const StyleSheet> m_style_sheet;

    static std::mutex s_lock;
    static unsigned s_reference_count;
    static Application* s_instance;
};

} // namespace Vexa
