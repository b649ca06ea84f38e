#pragma once
// Number texts of float parameters. Formats are printf formats chosen by the program's builder;
// they are checked once when set, so that printing never meets a conversion that would read an
// argument that is not there.

#include "orvo/Core/String.h"

#include <string>
#include <string_view>

namespace Tonekit {

// As "%g" prints it: general notation, at most 6 significant digits.
Orvo::WString general_number_text(double a_value);

// Exactly one floating conversion (f F e E g G a A) with optional flags, width and precision
// given as digits; "%%" may appear anywhere.
bool is_float_format(std::string_view a_format) noexcept;

// a_format must pass is_float_format.
std::string format_float(const std::string& a_format, double a_value);

} // namespace Tonekit
