#include "chorus/DelayBank.h"
#include "orvo/Core/Exception.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace tolvanchorus;

namespace {

std::vector<std::uint32_t> positions_of(const DelayBank& a_bank) {
    return {a_bank.positions(), a_bank.positions() + block_frames};
}

std::vector<std::uint32_t> run_from(std::uint32_t a_first, std::uint32_t a_mask) {
    std::vector<std::uint32_t> run;
    for (std::uint32_t k = 0; k < block_frames; ++k)
        run.push_back((a_first + k) & a_mask);
    return run;
}

unsigned int nonzero_samples(const DelayBank& a_bank) {
    unsigned int count = 0;
    for (unsigned int line = 0; line < a_bank.line_count(); ++line)
        for (unsigned int k = 0; k < a_bank.length(); ++k)
            count += a_bank.line(line)[k] != 0.0f;
    return count;
}

} // namespace

TEST(DelayBank, LengthIsThePowerOfTwoAboveSizePlusABlockAndTheCubicTaps) {
    EXPECT_EQ(DelayBank::length_for(4851), 8192u);  // 110 ms at 44.1 kHz
    EXPECT_EQ(DelayBank::length_for(5280), 8192u);  // 48 kHz
    EXPECT_EQ(DelayBank::length_for(9702), 16384u); // 88.2 kHz
    EXPECT_EQ(DelayBank::length_for(10560), 16384u);
    EXPECT_EQ(DelayBank::length_for(8173), 8192u);
    EXPECT_EQ(DelayBank::length_for(8174), 16384u);
    EXPECT_EQ(DelayBank::length_for(0), 32u);

    DelayBank bank(8, 5280);
    EXPECT_EQ(bank.size(), 5280u);
    EXPECT_EQ(bank.length(), 8192u);
    EXPECT_EQ(bank.mask(), 8191u);
    for (unsigned int line = 0; line < 8; ++line) {
        EXPECT_EQ(reinterpret_cast<std::uintptr_t>(bank.line(line)) % 16, 0u);
        EXPECT_EQ(bank.line(line), bank.line(0) + line * 8192);
    }
    EXPECT_EQ(nonzero_samples(bank), 0u);
}

TEST(DelayBank, ResizeClearsAndKeepsPositionsInsideTheNewLine) {
    // 110 ms at 96 kHz, then at 48 kHz: positions from the longer line must be masked.
    DelayBank bank(2, 10560);
    for (int block = 0; block < 700; ++block) // 11200: beyond the 8192 of the coming line
        bank.advance(16);
    bank.advance(3);
    EXPECT_EQ(bank.positions()[0], 11203u);
    const float one = 1.0f;
    bank.write(0, &one, 1);

    bank.resize(5280);
    EXPECT_EQ(bank.length(), 8192u);
    EXPECT_EQ(positions_of(bank), run_from(11203 & 8191, 8191));
    EXPECT_EQ(nonzero_samples(bank), 0u);
}

TEST(DelayBank, GrowingKeepsTheLanesConsecutive) {
    // Lanes wrapped in the short line: 8190, 8191, 0, 1, ... Masked one by one with the longer
    // mask, lanes 0 and 1 would write 8192 frames away from their neighbours.
    DelayBank bank(2, 5280);
    for (int block = 0; block < 511; ++block)
        bank.advance(16);
    bank.advance(14);
    ASSERT_EQ(positions_of(bank), run_from(8190, 8191));

    bank.resize(10560);
    EXPECT_EQ(bank.length(), 16384u);
    EXPECT_EQ(positions_of(bank), run_from(8190, 16383));
}

TEST(DelayBank, RefusesAnOversizedLineAndStaysAsItWas) {
    DelayBank bank(2, 100);
    bank.advance(7);
    const float one = 1.0f;
    bank.write(0, &one, 1);
    EXPECT_THROW(bank.resize(DelayBank::maximum_size + 1), Orvo::Exception);
    EXPECT_EQ(bank.length(), 128u);
    EXPECT_EQ(positions_of(bank), run_from(7, 127));
    EXPECT_EQ(bank.line(0)[7], 1.0f);
}
