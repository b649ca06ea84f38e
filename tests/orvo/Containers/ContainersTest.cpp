#include "orvo/Containers/Browser.h"
#include "orvo/Containers/List.h"
#include "orvo/Containers/Map.h"
#include "orvo/Containers/Matrix.h"
#include "orvo/Core/Vector.h"
#include "tests/support/FailureMessage.h"

#include <gtest/gtest.h>

using namespace Orvo;

using TestSupport::failure_message;

TEST(Vector, ChecksInsertAndRemovePositions) {
    Vector<int> values{1, 2, 3};
    values.insert_at(3, 4);
    values.insert_at(0, 0);
    EXPECT_EQ(values, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(failure_message([&] { values.insert_at(6, 9); }), u"a_index <= Base::size()");
    EXPECT_EQ(failure_message([&] { values.remove_at(5); }), u"a_index < Base::size()");
    values.remove_at(1, 3);
    EXPECT_EQ(values, (std::vector<int>{0, 4}));
    EXPECT_NE(failure_message([&] { values.remove_at(1, 2); }), u"<no exception>");
    EXPECT_NE(failure_message([&] { values.remove_at(1, std::size_t(-1)); }), u"<no exception>");
}

TEST(List, EmptyListHasNoEnds) {
    List<int> values;
    EXPECT_EQ(failure_message([&] { values.front(); }), u"!Base::empty()");
    EXPECT_EQ(failure_message([&] { values.back(); }), u"!Base::empty()");
    values.push_back(7);
    EXPECT_EQ(values.front(), 7);
}

TEST(Map, LookupOfAMissingKeyFails) {
    Map<int, char> values{{1, 'a'}};
    EXPECT_EQ(values.get(1), 'a');
    EXPECT_EQ(failure_message([&] { values.get(2); }), u"i != Base::end()");
    EXPECT_EQ(values.find_value(2), nullptr);
}

TEST(Matrix, InsertsAndRemovesRowsAndColumnsKeepingCells) {
    Matrix<int> cells(2, 2);
    cells.get(0, 0) = 1, cells.get(0, 1) = 2, cells.get(1, 0) = 3, cells.get(1, 1) = 4;
    cells.insert_2(1, 9); // 1 9 2 / 3 9 4
    cells.insert_1(0, 7); // 7 7 7 / 1 9 2 / 3 9 4
    ASSERT_EQ(cells.size_1(), 3u);
    ASSERT_EQ(cells.size_2(), 3u);
    EXPECT_EQ(cells.get(0, 2), 7);
    EXPECT_EQ(cells.get(1, 2), 2);
    EXPECT_EQ(cells.get(2, 1), 9);
    cells.remove_2(0); // 7 7 / 9 2 / 9 4
    cells.remove_1(1); // 7 7 / 9 4
    EXPECT_EQ(cells.get(1, 0), 9);
    EXPECT_EQ(cells.get(1, 1), 4);
    EXPECT_NE(failure_message([&] { cells.get(2, 0); }), u"<no exception>");
    EXPECT_NE(failure_message([&] { cells.insert_1(3); }), u"<no exception>");
    EXPECT_NE(failure_message([&] { cells.remove_2(2); }), u"<no exception>");
}

TEST(Browser, WalksListsAndMapValuesAndStopsAtTheEnd) {
    Map<int, char> letters{{2, 'b'}, {1, 'a'}};
    Browser browser(letters);
    std::string seen;
    for (; browser.is_valid(); browser.next())
        seen += browser.get();
    EXPECT_EQ(seen, "ab");
    EXPECT_EQ(failure_message([&] { browser.next(); }), u"m_position != m_end");

    List<int> numbers{5};
    Browser list_browser(numbers);
    EXPECT_EQ(list_browser.get(), 5);
}
