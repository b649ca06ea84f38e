// The modulation kernels: the four-wide forms against their scalar twins, the placement formulas
// against a double-precision reference, the bounds table, and the finishing kernels'
// bounding and mapping.

#include "tonekit/Modulation/ModulationKernels.h"
#include "tonekit/Parameters/ApproximateMath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace Kernels = Tonekit::ModulationKernels;
using Tonekit::ModificationType;

namespace {

constexpr float infinity = std::numeric_limits<float>::infinity();
constexpr float not_a_number = std::numeric_limits<float>::quiet_NaN();

struct alignas(16) Block {
    float m[16] = {};
    void fill(float a_value) { std::fill(std::begin(m), std::end(m), a_value); }
};

// Bit-identical, with any NaN matching any NaN (the payload depends on operand order, which the
// compiler may swap in the scalar code).
bool same(float a_left, float a_right) {
    if (std::isnan(a_left) || std::isnan(a_right))
        return std::isnan(a_left) && std::isnan(a_right);
    return std::bit_cast<std::uint32_t>(a_left) == std::bit_cast<std::uint32_t>(a_right) ||
           (a_left == 0.0f && a_right == 0.0f);
}

constexpr float edge_values[] = {0.0f,     1.0f,      0.5f,      -0.5f,        -0.0f,
                                 1e-30f,   -1e-30f,   2.0f,      1e30f,        -1e30f,
                                 infinity, -infinity, 0.999999f, not_a_number, 0.25f};

ModificationType type_at(unsigned a_index) {
    return ModificationType(a_index + 1);
}

// The placement table in double precision, written from the formulas rather than the kernels.
double reference_placement(ModificationType a_type, double p, double g, double s, double k) {
    using namespace Tonekit;
    const double gs = g * s;
    const double h = k > 0 ? 1 - p : p;
    switch (a_type) {
    case ModificationType_ABOVE:
    case ModificationType_AROUND:
        return p + gs * k;
    case ModificationType_ABOVE_CLIP_TOP:
        return std::min(p + gs * k, 1.0);
    case ModificationType_ABOVE_RESTRICT_TOP:
        return p + std::min(1 - p, gs) * k;
    case ModificationType_ABOVE_SCALE_TOP:
        return p + (1 - p) * gs * k;
    case ModificationType_AROUND_CLIP:
        return std::clamp(p + gs * k, 0.0, 1.0);
    case ModificationType_AROUND_RESTRICT:
        return p + std::min({2 * p, 2 - 2 * p, gs}) * k;
    case ModificationType_AROUND_SCALE:
        return p + std::min(2 * p, 2 - 2 * p) * gs * k;
    case ModificationType_ASYMMETRIC_RESTRICT:
        return p + std::min(h, gs) * 2 * k;
    case ModificationType_ASYMMETRIC_SCALE:
        return p + h * gs * 2 * k;
    case ModificationType_BELOW:
        return p - gs * k;
    case ModificationType_BELOW_CLIP_BOTTOM:
        return std::max(p - gs * k, 0.0);
    case ModificationType_BELOW_RESTRICT_BOTTOM:
        return p - std::min(gs, p) * k;
    case ModificationType_BELOW_SCALE_BOTTOM:
        return p - gs * k * p;
    case ModificationType_BETWEEN_RANGE_AND_PARAMETER:
        return g + (p - g) * k * s;
    case ModificationType_BETWEEN_PARAMETER_AND_RANGE:
        return p + (g - p) * k * s;
    }
    return not_a_number;
}

} // namespace

TEST(Placement, VectorAndScalarFormsAgreeOnRandomAndEdgeInputs) {
    std::mt19937 random(4101);
    std::uniform_real_distribution<float> wide(-2.0f, 3.0f);
    std::uniform_int_distribution<int> pick(0, int(std::size(edge_values)) - 1);
    for (unsigned t = 0; t < 16; ++t) {
        const auto vector = Kernels::placement(type_at(t));
        const auto scalar = Kernels::placement_scalar(type_at(t));
        ASSERT_NE(vector, nullptr);
        ASSERT_NE(scalar, nullptr);
        for (int round = 0; round < 500; ++round) {
            Block p, g, s, k, a, b;
            for (Block* block : {&p, &g, &s, &k})
                for (float& v : block->m)
                    v = round % 4 == 3 ? edge_values[pick(random)] : wide(random);
            vector(p.m, g.m, s.m, k.m, a.m);
            scalar(p.m, g.m, s.m, k.m, b.m);
            for (unsigned i = 0; i < 16; ++i)
                ASSERT_TRUE(same(a.m[i], b.m[i]))
                    << "type " << t + 1 << " P=" << p.m[i] << " G=" << g.m[i] << " S=" << s.m[i]
                    << " K=" << k.m[i] << ": " << a.m[i] << " vs " << b.m[i];
        }
    }
}

TEST(Placement, FollowsEachModesFormula) {
    std::mt19937 random(4102);
    std::uniform_real_distribution<float> unit(0.0f, 1.0f);
    std::uniform_real_distribution<float> centred(-0.5f, 0.5f);
    for (unsigned t = 0; t < 16; ++t) {
        for (int round = 0; round < 200; ++round) {
            Block p, g, s, k, out;
            for (unsigned i = 0; i < 16; ++i) {
                p.m[i] = unit(random);
                g.m[i] = unit(random);
                s.m[i] = unit(random);
                k.m[i] = i % 2 ? unit(random) : centred(random);
            }
            // The result may be written over the value it reads.
            out = p;
            Kernels::placement(type_at(t))(out.m, g.m, s.m, k.m, out.m);
            for (unsigned i = 0; i < 16; ++i)
                ASSERT_NEAR(out.m[i],
                            reference_placement(type_at(t), p.m[i], g.m[i], s.m[i], k.m[i]), 1e-6)
                    << "type " << t + 1;
        }
    }
}

namespace {

// The bounded value of an identity target.
float bounded(Kernels::OutOfRange a_out_of_range, bool a_top_open, bool a_bottom_open,
              float a_value) {
    Block in, start, span, scale, out;
    in.fill(a_value);
    Kernels::finishing({Tonekit::ModulationMapping_IDENTITY, a_out_of_range, a_top_open,
                        a_bottom_open})(in.m, start.m, span.m, scale.m, out.m);
    return out.m[7];
}

} // namespace

TEST(Finishing, VectorAndScalarFormsAgreeForEveryChoice) {
    using namespace Tonekit;
    std::mt19937 random(4104);
    std::uniform_real_distribution<float> wide(-3.0f, 4.0f);
    std::uniform_int_distribution<int> pick(0, int(std::size(edge_values)) - 1);
    for (auto mapping :
         {ModulationMapping_IDENTITY, ModulationMapping_LINEAR, ModulationMapping_EXPONENTIAL})
        for (auto out_of_range :
             {Kernels::OutOfRange_PASS, Kernels::OutOfRange_CLAMP, Kernels::OutOfRange_WRAP})
            for (unsigned sides = 0; sides < 4; ++sides)
                for (auto precision :
                     {ExponentialPrecision_APPROXIMATE, ExponentialPrecision_EXACT}) {
                    const Kernels::FinishingChoice choice{mapping, out_of_range, (sides & 1) != 0,
                                                          (sides & 2) != 0, precision};
                    const auto vector = Kernels::finishing(choice);
                    const auto scalar = Kernels::finishing_scalar(choice);
                    ASSERT_NE(vector, nullptr);
                    ASSERT_NE(scalar, nullptr);
                    Block start, span, scale;
                    start.fill(20.0f);
                    span.fill(19980.0f);
                    scale.fill(9.965784f);
                    for (int round = 0; round < 200; ++round) {
                        Block in, a, b;
                        for (float& v : in.m)
                            v = round % 4 == 3 ? edge_values[pick(random)] : wide(random);
                        vector(in.m, start.m, span.m, scale.m, a.m);
                        scalar(in.m, start.m, span.m, scale.m, b.m);
                        for (unsigned i = 0; i < 16; ++i)
                            ASSERT_TRUE(same(a.m[i], b.m[i]))
                                << "mapping " << mapping << " range " << out_of_range << " sides "
                                << sides << " precision " << precision << " in " << in.m[i] << ": "
                                << a.m[i] << " vs " << b.m[i];
                    }
                }
}

TEST(Finishing, ClampAndWrapOnlyTheOpenSides) {
    using Kernels::OutOfRange_CLAMP, Kernels::OutOfRange_PASS, Kernels::OutOfRange_WRAP;
    struct Row {
        Kernels::OutOfRange m_out_of_range;
        bool m_top_open, m_bottom_open;
        float m_in, m_expected;
    };
    const Row rows[] = {
        {OutOfRange_PASS, true, true, 1.5f, 1.5f},
        {OutOfRange_PASS, true, true, -0.5f, -0.5f},
        {OutOfRange_CLAMP, true, true, 1.5f, 1.0f},
        {OutOfRange_CLAMP, true, true, -0.5f, 0.0f},
        {OutOfRange_CLAMP, true, false, 1.5f, 1.0f},
        {OutOfRange_CLAMP, true, false, -0.5f, -0.5f},
        {OutOfRange_CLAMP, false, true, 1.5f, 1.5f},
        {OutOfRange_CLAMP, false, true, -0.5f, 0.0f},
        {OutOfRange_CLAMP, false, false, 1.5f, 1.5f},
        {OutOfRange_CLAMP, true, true, 0.3f, 0.3f},
        {OutOfRange_WRAP, true, true, 1.25f, 0.25f},
        {OutOfRange_WRAP, true, true, -0.25f, 0.75f},
        {OutOfRange_WRAP, true, true, -3.75f, 0.25f},
        {OutOfRange_WRAP, true, true, 1.0f, 1.0f},
        {OutOfRange_WRAP, true, true, 0.0f, 0.0f},
        {OutOfRange_WRAP, true, false, 2.5f, 0.5f},
        {OutOfRange_WRAP, true, false, -0.25f, -0.25f},
        {OutOfRange_WRAP, false, true, -0.25f, 0.75f},
        {OutOfRange_WRAP, false, true, 1.25f, 1.25f},
        {OutOfRange_WRAP, false, false, 1.25f, 1.25f},
    };
    for (const Row& row : rows)
        EXPECT_EQ(bounded(row.m_out_of_range, row.m_top_open, row.m_bottom_open, row.m_in),
                  row.m_expected)
            << "range " << row.m_out_of_range << " top " << row.m_top_open << " bottom "
            << row.m_bottom_open << " in " << row.m_in;
}

TEST(Finishing, BrokenValuesLandInsideWhereASideIsOpen) {
    for (auto out_of_range : {Kernels::OutOfRange_CLAMP, Kernels::OutOfRange_WRAP})
        for (unsigned sides = 1; sides < 4; ++sides)
            for (float broken : {not_a_number, infinity, -infinity}) {
                const float v = bounded(out_of_range, sides & 1, sides & 2, broken);
                // An infinity towards a kept side is not this kernel's to bound.
                if ((broken == infinity && !(sides & 1)) || (broken == -infinity && !(sides & 2)))
                    continue;
                EXPECT_TRUE(v >= 0.0f && v <= 1.0f) << "range " << out_of_range << " sides "
                                                    << sides << " in " << broken << " out " << v;
            }
}

TEST(Finishing, Mappings) {
    using namespace Tonekit;
    Block in, start, span, scale, out;
    for (unsigned i = 0; i < 16; ++i)
        in.m[i] = float(i) / 15.0f;
    start.fill(20.0f);
    span.fill(100.0f);
    scale.fill(10.0f);
    Kernels::FinishingChoice choice{ModulationMapping_LINEAR, Kernels::OutOfRange_CLAMP, true,
                                    true};
    Kernels::finishing(choice)(in.m, start.m, span.m, scale.m, out.m);
    for (unsigned i = 0; i < 16; ++i)
        EXPECT_FLOAT_EQ(out.m[i], 20.0f + in.m[i] * 100.0f);

    choice.m_mapping = ModulationMapping_EXPONENTIAL;
    choice.m_precision = ExponentialPrecision_EXACT;
    Kernels::finishing(choice)(in.m, start.m, span.m, scale.m, out.m);
    for (unsigned i = 0; i < 16; ++i)
        EXPECT_NEAR(out.m[i], 20.0 * std::exp2(double(in.m[i]) * 10.0), 1e-6 * out.m[i])
            << "float exponent, float product";

    // The approximate exponential keeps within its relative 1e-4 of the exact one.
    std::mt19937 random(4105);
    std::uniform_real_distribution<float> unit(-0.2f, 1.2f);
    Block exact, approximate;
    Kernels::FinishingChoice exact_choice = choice;
    choice.m_precision = ExponentialPrecision_APPROXIMATE;
    for (int round = 0; round < 500; ++round) {
        for (float& v : in.m)
            v = unit(random);
        Kernels::finishing(exact_choice)(in.m, start.m, span.m, scale.m, exact.m);
        Kernels::finishing(choice)(in.m, start.m, span.m, scale.m, approximate.m);
        for (unsigned i = 0; i < 16; ++i) {
            const float clamped = std::clamp(in.m[i], 0.0f, 1.0f);
            ASSERT_NEAR(approximate.m[i], exact.m[i], 1e-4 * exact.m[i]) << in.m[i];
            ASSERT_EQ(approximate.m[i], 20.0f * Tonekit::approximate_exp2(clamped * 10.0f))
                << "the four-wide exponential is the scalar one";
        }
    }
}
