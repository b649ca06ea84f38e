#pragma once
// A native window of the headless backend: a rectangle, a title and flags, nothing on a screen.
// Invalidating composes the client's back buffer at once, so the back buffer is the picture.

#include "vexa/Platform/NativeWindow.h"

namespace Vexa {

class HeadlessPlatform;

class HeadlessWindow : public NativeWindow {
public:
    HeadlessWindow(HeadlessPlatform& a_platform, NativeWindowClient& a_client,
                   const NativeWindowOptions& a_options, std::uint64_t a_id);
    ~HeadlessWindow() override;

    std::uint64_t get_id() const override { return m_id; }
    bool is_alive() const override { return true; }
    NativeWindowClient& get_client() const override { return m_client; }
    void set_visible(bool a_visible) override { m_visible = a_visible; }
    void set_title(std::u16string_view a_title) override { m_title = a_title; }
    void set_client_rect(const Rect& a_rect) override;
    Rect get_client_rect() const override { return m_rect; }
    void invalidate(const Rect& a_rect) override;
    void set_size_limits(Size a_minimum, Size a_maximum) override {
        m_minimum = a_minimum;
        m_maximum = a_maximum;
    }
    Size get_minimum_size() const noexcept { return m_minimum; }
    Size get_maximum_size() const noexcept { return m_maximum; }
    void set_capture(bool a_captured) override { m_captured = a_captured; }
    void activate() override { ++m_activations; }
    void set_cursor(MouseCursor a_cursor) override { m_cursor = a_cursor; }
    MouseCursor get_cursor() const noexcept { return m_cursor; }
    bool get_cursor_position(int& a_x, int& a_y) const override {
        a_x = m_cursor_x;
        a_y = m_cursor_y;
        return true;
    }
    bool get_parent_size(Size& a_size) const override {
        a_size = m_parent_size;
        return m_options.foreign_parent != 0 && m_parent_size.width > 0;
    }
    // What tests make the pointer and the foreign parent look like (a parent of width 0 is
    // unknown).
    void set_cursor_position(int a_x, int a_y) noexcept {
        m_cursor_x = a_x;
        m_cursor_y = a_y;
    }
    void set_parent_size(Size a_size) noexcept { m_parent_size = a_size; }

    bool is_visible() const noexcept { return m_visible; }
    bool is_captured() const noexcept { return m_captured; }
    const std::u16string& get_title() const noexcept { return m_title; }
    const NativeWindowOptions& get_options() const noexcept { return m_options; }
    int get_compose_count() const noexcept { return m_compose_count; }
    int get_activation_count() const noexcept { return m_activations; }

private:
    HeadlessPlatform& m_platform;
    NativeWindowClient& m_client;
    NativeWindowOptions m_options;
    std::uint64_t m_id;
    Rect m_rect;
    bool m_visible = false;
    bool m_captured = false;
    std::u16string m_title;
    int m_compose_count = 0;
    int m_activations = 0;
    MouseCursor m_cursor = MouseCursor_DEFAULT;
    Size m_minimum{1, 1};
    Size m_maximum{65536, 65536};
    int m_cursor_x = 0;
    int m_cursor_y = 0;
    Size m_parent_size{0, 0};
};

} // namespace Vexa
