#pragma once
// What a combo box offers, gathered once per use: the items (leaves) in the order they appear,
// with the submenus that group them. When given a menu builder it also fills the pop-up menu;
// without one it only records, which is how the keys and the wheel find the previous and next
// item without opening anything.

#include <cstddef>
#include <string>
#include <vector>

namespace Vexa {

class SystemMenuGenericBuilder;
class SystemMenuItem;

struct ComboBoxItem {
    std::u16string label;
    std::size_t id = 0;   // the combo box's own number for the item
    bool current = false; // the item the box shows now
    bool enabled = true;
    SystemMenuItem* menu_item = nullptr; // its row in the pop-up, when a menu is being built
};

class ComboBoxItemTreeBuilder {
public:
    explicit ComboBoxItemTreeBuilder(SystemMenuGenericBuilder* a_menu_builder = nullptr)
        : m_menu_builder(a_menu_builder) {}

    void add_item(std::u16string a_label, std::size_t a_id, bool a_current = false,
                  bool a_enabled = true);
    void add_separator();
    // a_open marks a submenu on the way to the current item, so the pop-up shows the path.
    void begin_submenu(std::u16string a_label, bool a_open = false);
    // Fails `m_depth > 0` without a submenu to end.
    void end_submenu();

    // The items depth-first, as the pop-up lists them.
    const std::vector<ComboBoxItem>& get_items() const noexcept { return m_items; }
    // The position of the first current item among the items, or -1.
    int get_current_position() const noexcept;
    // The item the pop-up row stands for, or null.
    const ComboBoxItem* find(const SystemMenuItem* a_menu_item) const noexcept;
    std::size_t get_depth() const noexcept { return m_depth; }
    // The labels of the submenus begun open, outermost first.
    const std::vector<std::u16string>& get_open_submenus() const noexcept {
        return m_open_submenus;
    }

private:
    SystemMenuGenericBuilder* m_menu_builder;
    std::vector<ComboBoxItem> m_items;
    std::vector<std::u16string> m_open_submenus;
    std::size_t m_depth = 0;
};

} // namespace Vexa
