#include "vexa/Dialogs/FileDialogFilter.h"

#include "orvo/Core/NameOrder.h"

namespace Vexa {

FileDialogFilter::FileDialogFilter(Orvo::WString a_description, std::u16string_view a_patterns)
    : m_description(std::move(a_description)) {
    while (!a_patterns.empty()) {
        const std::size_t end = std::min(a_patterns.find(u';'), a_patterns.size());
        std::u16string_view pattern = a_patterns.substr(0, end);
        a_patterns.remove_prefix(std::min(end + 1, a_patterns.size()));
        while (!pattern.empty() && pattern.front() == u' ')
            pattern.remove_prefix(1);
        while (!pattern.empty() && pattern.back() == u' ')
            pattern.remove_suffix(1);
        if (!pattern.empty())
            m_patterns.push_back(Orvo::WString(pattern == u"*.*" ? u"*" : pattern));
    }
}

bool FileDialogFilter::matches(std::u16string_view a_name) const noexcept {
    if (m_patterns.empty())
        return true;
    for (const Orvo::WString& pattern : m_patterns)
        if (match_pattern(pattern.view(), a_name))
            return true;
    return false;
}

bool FileDialogFilter::match_pattern(std::u16string_view a_pattern,
                                     std::u16string_view a_name) noexcept {
    if (a_pattern == u"*.*")
        return true;
    // One pass with a single backtracking point: a later "*" makes earlier ones settled.
    const auto next = [&a_name](std::size_t a_at) {
        const bool pair = a_at + 1 < a_name.size() && a_name[a_at] >= 0xD800 &&
                          a_name[a_at] <= 0xDBFF && a_name[a_at + 1] >= 0xDC00 &&
                          a_name[a_at + 1] <= 0xDFFF;
        return a_at + (pair ? 2 : 1);
    };
    std::size_t pattern = 0;
    std::size_t name = 0;
    std::size_t star = std::u16string_view::npos;
    std::size_t resume = 0;
    while (name < a_name.size()) {
        if (pattern < a_pattern.size() && a_pattern[pattern] == u'*') {
            star = pattern++;
            resume = name;
        } else if (pattern < a_pattern.size() && a_pattern[pattern] == u'?') {
            ++pattern;
            name = next(name);
        } else if (pattern < a_pattern.size() && Orvo::NameOrder::fold(a_pattern[pattern]) ==
                                                     Orvo::NameOrder::fold(a_name[name])) {
            ++pattern;
            ++name;
        } else if (star != std::u16string_view::npos) {
            pattern = star + 1;
            resume = next(resume);
            name = resume;
        } else {
            return false;
        }
    }
    while (pattern < a_pattern.size() && a_pattern[pattern] == u'*')
        ++pattern;
    return pattern == a_pattern.size();
}

} // namespace Vexa
