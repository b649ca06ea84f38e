#include "vexa/Styles/StyleClassDescription.h"

#include "orvo/Core/Assert.h"

namespace Vexa {

StyleClassDescription::StyleClassDescription() {
    add_subclass(Orvo::WString(u"default"));
}

StyleSubclassDescription& StyleClassDescription::add_subclass(const Orvo::WString& a_name) {
    ORVO_ASSERT(!m_subclasses.has_key(a_name));
    auto& added = m_subclasses[a_name];
    added = std::make_unique<StyleSubclassDescription>();
    return *added;
}

StyleSubclassDescription* StyleClassDescription::find_subclass(const Orvo::WString& a_name) const {
    const auto* found = m_subclasses.find_value(a_name);
    return found ? found->get() : nullptr;
}

StyleSubclassDescription& StyleClassDescription::get_default_subclass() const {
    return *m_subclasses.get(Orvo::WString(u"default"));
}

} // namespace Vexa
