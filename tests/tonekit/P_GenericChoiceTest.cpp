#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniNode.h"
#include "tonekit/ParameterTypes/P_GenericChoice_Iterator.h"
#include "tonekit/ParameterTypes/P_TypedChoice.h"
#include "tonekit/Parameters/LoadReport.h"

#include <gtest/gtest.h>

using namespace TonekitTest;
using Tonekit::P_GenericChoice;

namespace {

P_GenericChoice* add_choice(ParameterBench& a_bench, std::initializer_list<std::uint32_t> a_ids) {
    auto* choice = a_bench.add(new P_GenericChoice, "Chce");
    choice->begin_options();
    for (std::uint32_t id : a_ids)
        choice->append_option(id, u"Option " + Orvo::WString(std::u16string(1, u'0' + id)));
    choice->end_options();
    return choice;
}

// Keeps its own value for the option with id 9, like a user-entered number would be.
class EditableChoice : public P_GenericChoice {
public:
    void do_load_editable_value(Orvo::BiniNode& a_node) override {
        m_user_value = a_node.get_value_int32();
    }
    void do_save_editable_value(Orvo::BiniNode& a_node) override {
        a_node.set_value_int32(m_user_value);
    }
    std::uint32_t translate_loaded_id(std::uint32_t a_id) override {
        return a_id == 100 ? 2 : a_id;
    }
    int m_user_value = 0;
};

enum class Shape { Sine, Square, Saw };

} // namespace

TEST(P_GenericChoice, OptionsSitAtTheCentresOfTheirShares) {
    ParameterBench bench;
    P_GenericChoice* choice = add_choice(bench, {1, 2, 3, 4});
    bench.initialize();
    const float centres[] = {0.125f, 0.375f, 0.625f, 0.875f};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(choice->get_options()[i]->m_centre, centres[i]);
    EXPECT_EQ(choice->get_normalized_value(), 0.125f) << "no default: the first option";
    choice->set_normalized_value(1.0f);
    EXPECT_EQ(choice->get_current_id(), 4u);
    choice->set_normalized_value(0.25f);
    EXPECT_EQ(choice->get_current_id(), 2u);
    EXPECT_EQ(choice->get_normalized_value(), 0.25f) << "the editor's value stays as set";
    EXPECT_FALSE(choice->select(2));
    EXPECT_EQ(choice->get_normalized_value(), 0.375f);
    EXPECT_TRUE(choice->select(77)) << "an unknown id selects the first option";
    EXPECT_EQ(choice->get_current_id(), 1u);
}

TEST(P_GenericChoice, LoadingTranslatesIdsAndRefusesUnknownOnes) {
    ParameterBench bench;
    auto* choice = bench.add(new EditableChoice, "Edit");
    choice->begin_options();
    choice->append_option(1, u"One");
    choice->append_option(2, u"Two");
    choice->append_option(9, u"User value");
    choice->end_options();
    choice->set_editable_option(9);
    bench.initialize();

    Orvo::BiniNode saved;
    choice->m_user_value = 42;
    choice->select(9);
    choice->save(saved);
    choice->m_user_value = 0;
    choice->reset();
    Tonekit::LoadReport report;
    ASSERT_TRUE(choice->load(saved, report));
    EXPECT_EQ(choice->get_current_id(), 9u);
    EXPECT_EQ(choice->m_user_value, 42);

    Orvo::BiniNode old;
    old.add_child(Tonekit::Parameter::child_value)->set_value_uint32(100);
    EXPECT_TRUE(choice->load(old, report));
    EXPECT_EQ(choice->get_current_id(), 2u);

    Orvo::BiniNode unknown;
    unknown.add_child(Tonekit::Parameter::child_value)->set_value_uint32(5);
    EXPECT_FALSE(choice->load(unknown, report));
    EXPECT_EQ(choice->get_current_id(), 1u) << "reset to the default";

    Orvo::BiniNode without_user;
    without_user.add_child(Tonekit::Parameter::child_value)->set_value_uint32(9);
    choice->select(2);
    EXPECT_FALSE(choice->load(without_user, report));
    EXPECT_EQ(choice->get_current_id(), 1u);
    EXPECT_TRUE(report.is_empty());
}
