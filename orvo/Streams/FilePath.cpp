#include "orvo/Streams/FilePath.h"

namespace Orvo {

void FilePath::parse(std::u16string_view a_text) {
    m_drive.clear();
    m_components.clear();
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = a_text.find_first_of(u"\\/", start);
        m_components.push_back(WString(a_text.substr(start, end - start)));
        if (end == std::u16string_view::npos)
            break;
        start = end + 1;
    }
    const WString& first = m_components.front();
    if (first.size() > 1 && first.ends_with(u':')) {
        m_drive = first.substr(0, first.size() - 1);
        m_components.remove_at(0);
    }
}

WString FilePath::to_string() const {
    WString text;
    if (!m_drive.empty()) {
        text.append(m_drive);
        text.append(u':');
        text.append(separator);
    }
    for (std::size_t i = 0; i < m_components.size(); ++i) {
        if (i > 0)
            text.append(separator);
        text.append(m_components[i]);
    }
    return text;
}

bool FilePath::remove_extension(WString& a_extension) {
    if (m_components.empty())
        return false;
    return remove_extension(m_components.back(), a_extension);
}

bool FilePath::remove_extension(WString& a_text, WString& a_extension) {
    const std::size_t mark = a_text.view().find_last_of(u".\\/");
    if (mark == std::u16string_view::npos || a_text[mark] != u'.')
        return false;
    a_extension = a_text.substr(mark + 1);
    a_text.resize(mark);
    return true;
}

} // namespace Orvo
