#pragma once
// A length from a style sheet: a whole amount, the exponent that says how the amount follows the
// interface scale (0: never scaled, 1: linearly, 0.5: by the square root of the scale), and a unit
// that matters only for font sizes. The pixel value is the amount until a rescale.

#include <cmath>

namespace Vexa {

enum StyleDimensionUnit {
    StyleDimensionUnit_NONE = 0,
    StyleDimensionUnit_PIXEL = 1,
    StyleDimensionUnit_POINT = 2
};

struct StyleDimension {
    int amount = 0;
    double exponent = 1.0;
    int unit = StyleDimensionUnit_NONE;
    double pixels = 0.0;

    static StyleDimension from_amount(int a_amount, double a_exponent = 1.0,
                                      int a_unit = StyleDimensionUnit_NONE) {
        return StyleDimension{a_amount, a_exponent, a_unit, double(a_amount)};
    }

    // With an exponent of 0 or below the dimension keeps its pixel value.
    void rescale(double a_scale) {
        if (exponent > 0.0)
            pixels = std::pow(a_scale, exponent) * amount;
    }
    // Half away from zero, as std::lround does; held within the range of int.
    int to_pixels_int() const {
        const double rounded = std::round(pixels);
        if (!(rounded > -2147483648.0))
            return -2147483647 - 1;
        return rounded < 2147483647.0 ? int(rounded) : 2147483647;
    }

    bool operator==(const StyleDimension&) const = default;
};

} // namespace Vexa
