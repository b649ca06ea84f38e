#include "ParameterTestSupport.h"

#include "orvo/Binis/BiniNode.h"
#include "tonekit/ParameterTypes/Parameter_String.h"

#include <gtest/gtest.h>

using namespace TonekitTest;

TEST(Parameter_String, EditsCommitAtOnceOnTheEditorsThread) {
    ParameterBench bench;
    Orvo::WString target;
    auto* name = bench.add(new Tonekit::Parameter_String(u"(no name)"), "Name");
    name->set_target(&target);
    bench.initialize();
    Orvo::WString text;
    name->get_value_text(text);
    EXPECT_EQ(text, u"(no name)");
    name->set_value(u"A name longer than the inline capacity");
    EXPECT_EQ(target, u"A name longer than the inline capacity");
    EXPECT_FALSE(name->m_change_links[0].m_enlisted) << "the audio thread never copies text";
    EXPECT_FALSE(name->m_change_links[1].m_enlisted);

    Orvo::BiniNode wrong;
    wrong.set_value_int32(1);
    EXPECT_THROW(name->do_load(wrong), Orvo::Exception);
}
