#include "orvo/Containers/Browser.h"
#include "orvo/Containers/List.h"
#include "orvo/Containers/Map.h"
#include "orvo/Containers/Matrix.h"
#include "orvo/Core/Vector.h"

#include <gtest/gtest.h>

using namespace Orvo;

namespace {
template <class F>
std::u16string failure_text(F&& a_action) {
    try {
        a_action();
    } catch (const Exception& failure) {
        return std::u16string(failure.get_message().view());
    }
    return u"<no exception>";
}
} // namespace

TEST(Vector, ChecksInsertAndRemovePositions) {
    Vector<int> values{1, 2, 3};
    values.insert_at(3, 4);
    values.insert_at(0, 0);
    EXPECT_EQ(values, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(failure_text([&] { values.insert_at(6, 9); }), u"a_index <= Base::size()");
    EXPECT_EQ(failure_text([&] { values.remove_at(5); }), u"a_index < Base::size()");
    values.remove_at(1, 3);
    EXPECT_EQ(values, (std::vector<int>{0, 4}));
    EXPECT_NE(failure_text([&] { values.remove_at(1, 2); }), u"<no exception>");
    EXPECT_NE(failure_text([&] { values.remove_at(1, std::size_t(-1)); }), u"<no exception>");
}

TEST(Map, LookupOfAMissingKeyFails) {
    Map<int, char> values{{1, 'a'}};
    EXPECT_EQ(values.get(1), 'a');
    EXPECT_EQ(failure_text([&] { values.get(2); }), u"i != Base::end()");
    EXPECT_EQ(values.find_value(2), nullptr);
}
