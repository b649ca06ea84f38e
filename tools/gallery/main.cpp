// vexa-gallery: a stand-alone window that shows what the toolkit draws.
//
//   vexa-gallery                         the gallery in a window (needs a display)
//   vexa-gallery --close-after MS        the same, closing itself after MS milliseconds
//   vexa-gallery --screenshot FILE.png   renders it off screen, without any display
//   vexa-gallery --menu-keys KEY...     without a display: clicks the menu button, types the keys
//                                        (Up, Down, Left, Right, Return, Escape, letters) into
//                                        the menu and prints the choice
//   vexa-gallery --layout-outlines ...  any of the above with every layout's cells outlined
//   vexa-gallery --style-sheet FILE ... any of the above styled by FILE, not the shipped sheet
//   vexa-gallery --file-dialog [FOLDER]  the gallery with the open-file dialog over it; prints the
//                                        chosen path (or "cancelled") and closes
//   vexa-gallery --stress-child-windows N
//                                        opens and closes N child windows of a foreign parent
//                                        and reports X windows left and resident memory growth
//   vexa-gallery --section buttons [FILE.png]
//                                        one section alone: in a window, or rendered off screen
//                                        into FILE.png

#include "ButtonsSection.h"
#include "GalleryScene.h"
#include "GalleryStyleSheet.h"
#include "StressChildWindows.h"

#include "orvo/Core/Exception.h"
#include "orvo/Core/Utf.h"
#include "orvo/Signals/MethodSlot1.h"
#include "vexa/Application/Application.h"
#include "vexa/Application/Toolkit.h"
#include "vexa/Dialogs/FileDialog.h"
#include "vexa/Graphics/Painter.h"
#include "vexa/Layouts/Layout.h"
#include "vexa/Platform/Headless/HeadlessPlatform.h"
#include "vexa/Window/Timer.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

namespace {

int usage() {
    std::fprintf(stderr, "usage: vexa-gallery [--layout-outlines] [--style-sheet FILE] "
                         "[--close-after MS | --screenshot FILE.png | --menu-keys KEY... | "
                         "--file-dialog [FOLDER] | --stress-child-windows N | "
                         "--section buttons [FILE.png]]\n");
    return 2;
}

int screenshot(const char* a_path) {
    Vexa::Toolkit::install(std::make_unique<Vexa::HeadlessPlatform>());
    Gallery::GalleryScene scene;
    scene.get_system_window().show(Vexa::Modality_MODELESS);
    const Vexa::Bitmap& back_buffer = scene.get_system_window().get_back_buffer();
    // The back buffer is rounded up to whole blocks; the picture is the client area.
    Vexa::Bitmap picture(Gallery::GalleryScene::width, Gallery::GalleryScene::height);
    {
        Vexa::Painter painter(picture);
        painter.draw_image(back_buffer, 0, 0, {0, 0, picture.get_width(), picture.get_height()});
    }
    if (!picture.write_png(a_path)) {
        std::fprintf(stderr, "vexa-gallery: cannot write %s\n", a_path);
        return 1;
    }
    std::printf("wrote %s (%d x %d)\n", a_path, picture.get_width(), picture.get_height());
    return 0;
}

int menu_keys(int a_count, char** a_keys) {
    auto platform = std::make_unique<Vexa::HeadlessPlatform>();
    Vexa::HeadlessPlatform& headless = *platform;
    Vexa::Toolkit::install(std::move(platform));
    Gallery::GalleryScene scene;
    Vexa::SystemWindow& window = scene.get_system_window();
    window.show(Vexa::Modality_MODELESS);
    Vexa::PopupMenuAnswer answer;
    for (int i = 0; i < a_count; ++i) {
        const std::string name = a_keys[i];
        static const std::pair<const char*, unsigned> named[] = {
            {"Up", 38}, {"Down", 40}, {"Left", 37}, {"Right", 39}, {"Return", 13}, {"Escape", 27}};
        Vexa::NativeEvent key;
        key.type = Vexa::NativeEventType::key_down;
        for (const auto& [key_name, virtual_key] : named)
            if (name == key_name)
                key.virtual_key = virtual_key;
        if (name.size() == 1 && std::isalnum(static_cast<unsigned char>(name[0])))
            key.virtual_key = unsigned(std::toupper(static_cast<unsigned char>(name[0])));
        if (!key.virtual_key) {
            std::fprintf(stderr, "vexa-gallery: unknown key %s\n", name.c_str());
            return 2;
        }
        answer.events.push_back(key);
    }
    headless.push_popup_menu_answer(std::move(answer));
    const Vexa::Rect button = scene.get_menu_button_rect();
    for (auto type : {Vexa::NativeEventType::button_down, Vexa::NativeEventType::button_up}) {
        Vexa::NativeEvent click;
        click.type = type;
        click.button = 1;
        click.x = button.x + button.width / 2;
        click.y = button.y + button.height / 2;
        headless.send(*window.get_native_window(), click);
    }
    return 0;
}

// Closes the gallery's window when its timer fires (for unattended runs).
struct Closer {
    Vexa::SystemWindow* window;
    void on_tick(Vexa::TimerTickEvent&) { window->close(); }
};

int windowed(int a_close_after) {
    if (!Vexa::Toolkit::get().get_platform().can_show_windows()) {
        std::fprintf(stderr,
                     "vexa-gallery: no display (set DISPLAY, or use --screenshot FILE.png)\n");
        return 1;
    }
    Gallery::GalleryScene scene;
    Vexa::SystemWindow& window = scene.get_system_window();
    Vexa::Timer timer(&window);
    Closer closer{&window};
    if (a_close_after > 0) {
        timer.get_tick_signal().connect(
            new Orvo::MethodSlot1<void(Vexa::TimerTickEvent&), Closer>(&closer, &Closer::on_tick));
        timer.start(unsigned(a_close_after), true);
    }
    window.show(Vexa::Modality_MODELESS);
    Vexa::Application::get()->loop(Vexa::Application::get()->create_quit_loop());
    return 0;
}

// Opens the file dialog once the gallery shows, then closes the gallery with the answer printed.
struct FileDialogOpener {
    Vexa::SystemWindow* window;
    std::u16string start;
    void on_tick(Vexa::TimerTickEvent&) {
        Orvo::Vector<Vexa::FileDialogFilter> filters;
        filters.push_back(
            Vexa::FileDialogFilter(Orvo::WString(u"Presets (*.preset)"), u"*.preset"));
        filters.push_back(Vexa::FileDialogFilter(Orvo::WString(u"All files (*.*)"), u"*.*"));
        const auto chosen = Vexa::get_open_file_name(window->get_desktop(), u"Load preset",
                                                     std::move(filters), 0, start);
        std::printf("%s\n", chosen
                                ? ("chosen: " + Orvo::utf16_to_utf8_lossy(chosen->view())).c_str()
                                : "cancelled");
        std::fflush(stdout);
        window->close();
    }
};

int file_dialog(const char* a_start) {
    if (!Vexa::Toolkit::get().get_platform().can_show_windows()) {
        std::fprintf(stderr, "vexa-gallery: no display\n");
        return 1;
    }
    Gallery::GalleryScene scene;
    Vexa::SystemWindow& window = scene.get_system_window();
    const std::string start = a_start ? a_start : "";
    FileDialogOpener opener{&window, std::u16string(Orvo::utf8_to_utf16_lossy(start).view())};
    Vexa::Timer timer(&window);
    timer.get_tick_signal().connect(
        new Orvo::MethodSlot1<void(Vexa::TimerTickEvent&), FileDialogOpener>(
            &opener, &FileDialogOpener::on_tick));
    timer.start(200, true);
    window.show(Vexa::Modality_MODELESS);
    Vexa::Application::get()->loop(Vexa::Application::get()->create_quit_loop());
    return 0;
}

} // namespace

int main(int a_argc, char** a_argv) {
    if (a_argc > 1 && std::string(a_argv[1]) == "--layout-outlines") {
        Vexa::Layout::set_outlines_shown(true);
        --a_argc;
        ++a_argv;
    }
    const char* style_sheet = Gallery::shipped_style_sheet;
    if (a_argc > 2 && std::string(a_argv[1]) == "--style-sheet") {
        style_sheet = a_argv[2];
        a_argc -= 2;
        a_argv += 2;
    }
    Vexa::Application::acquire();
    int result = 0;
    try {
        Gallery::load_style_sheet(style_sheet);
        const std::string option = a_argc > 1 ? a_argv[1] : "";
        if (a_argc == 1)
            result = windowed(0);
        else if (option == "--close-after" && a_argc == 3)
            result = windowed(std::atoi(a_argv[2]));
        else if (option == "--screenshot" && a_argc == 3)
            result = screenshot(a_argv[2]);
        else if (option == "--menu-keys" && a_argc >= 3)
            result = menu_keys(a_argc - 2, a_argv + 2);
        else if (option == "--file-dialog" && a_argc <= 3)
            result = file_dialog(a_argc == 3 ? a_argv[2] : nullptr);
        else if (option == "--stress-child-windows" && a_argc == 3)
            result = Gallery::stress_child_windows(std::atoi(a_argv[2]));
        else if (option == "--section" && a_argc >= 3 && a_argc <= 4 &&
                 std::string(a_argv[2]) == "buttons")
            result = Gallery::show_buttons_section(a_argc == 4 ? a_argv[3] : nullptr);
        else
            result = usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vexa-gallery: %s\n", e.what());
        result = 1;
    }
    Vexa::Application::release();
    return result;
}
