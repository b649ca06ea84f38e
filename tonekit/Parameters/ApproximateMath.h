#pragma once
// Rational approximations of log2 and exp2 for the "Approximate" precision settings: normalizing
// exponential parameters and mapping modulation without library transcendental functions. The
// modulation kernels use the same formulas four lanes at a time, so the scalar forms here are
// their reference.
//
// Accuracy (pinned by the tests): approximate_log2 is within 1e-5 of log2 for normal positive
// floats; approximate_exp2 is within a relative 1e-4 of exp2 over -126..128 (the float sum that
// builds its bit pattern keeps fewer mantissa bits the larger the exponent).

namespace Tonekit {

// e + ((4.858449 f + 12.6250305) f) / ((f + 7.7314672) f + 8.752012), where e is x's binary
// exponent and f its mantissa minus 1. The sign of x is ignored; 0 gives -127.
float approximate_log2(float a_value) noexcept;

// The float whose bit pattern is the integer
// (((f + 4.7741494) f + 9.812954) / (9.812954 - 2.0194023 f) + k + 126) x 2^23,
// k = floor(y), f = y - k. Exact at integers. Below -126 the result is 0, from 128 on it is
// infinity, and NaN stays NaN (the bit construction would be undefined there).
float approximate_exp2(float a_exponent) noexcept;

} // namespace Tonekit
