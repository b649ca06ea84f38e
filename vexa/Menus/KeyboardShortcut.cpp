#include "vexa/Menus/KeyboardShortcut.h"

namespace Vexa {

namespace {

KeyCode key_of_character(char16_t a_character) {
    if (a_character >= u'A' && a_character <= u'Z')
        return KeyCode(KeyCode_A + (a_character - u'A'));
    if (a_character >= u'0' && a_character <= u'9')
        return KeyCode(KeyCode_0 + (a_character - u'0'));
    return KeyCode_NONE;
}

} // namespace

KeyboardShortcut KeyboardShortcut::parse(std::u16string_view a_text) {
    KeyboardShortcut shortcut;
    std::size_t start = 0;
    while (start <= a_text.size()) {
        std::size_t end = a_text.find(u'+', start);
        if (end == std::u16string_view::npos)
            end = a_text.size();
        const std::u16string_view word = a_text.substr(start, end - start);
        if (word == u"Shift")
            shortcut.modifiers |= ShortcutModifiers_SHIFT;
        else if (word == u"Control" || word == u"Ctrl")
            shortcut.modifiers |= ShortcutModifiers_CTRL;
        else if (word == u"Alt")
            shortcut.modifiers |= ShortcutModifiers_ALT;
        else if (word.size() == 1 && key_of_character(word[0]) != KeyCode_NONE) {
            shortcut.key = key_of_character(word[0]);
            break;
        }
        start = end + 1;
    }
    return shortcut;
}

std::u16string KeyboardShortcut::get_text() const {
    std::u16string text;
    if (is_empty())
        return text;
    if (modifiers & ShortcutModifiers_SHIFT)
        text += u"Shift+";
    if (modifiers & ShortcutModifiers_CTRL)
        text += u"Ctrl+";
    if (modifiers & ShortcutModifiers_ALT)
        text += u"Alt+";
    if (key >= KeyCode_A && key < KeyCode_A + 26)
        text += char16_t(u'A' + (key - KeyCode_A));
    else if (key >= KeyCode_0 && key < KeyCode_0 + 10)
        text += char16_t(u'0' + (key - KeyCode_0));
    return text;
}

} // namespace Vexa
