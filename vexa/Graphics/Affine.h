#pragma once
// A 2-D affine transform: the linear part (a, b, c, d) and the translation (e, f); a point maps to
// (a·x + c·y + e, b·x + d·y + f).

#include <cmath>

namespace Vexa {

struct Affine {
    float a = 1.0f;
    float b = 0.0f;
    float c = 0.0f;
    float d = 1.0f;
    float e = 0.0f;
    float f = 0.0f;

    static Affine translation(float a_dx, float a_dy) {
        return {1.0f, 0.0f, 0.0f, 1.0f, a_dx, a_dy};
    }

    // Moves the origin by (dx, dy) measured in this transform's own coordinates.
    void translate(float a_dx, float a_dy) {
        const float new_e = a * a_dx + c * a_dy + e;
        const float new_f = b * a_dx + d * a_dy + f;
        e = new_e;
        f = new_f;
    }

    // Turns the own coordinates by the angle (radians, clockwise on screen where y points down).
    void rotate(float a_angle) {
        const float cosine = std::cos(a_angle);
        const float sine = std::sin(a_angle);
        const Affine old = *this;
        a = cosine * old.a + sine * old.c;
        b = cosine * old.b + sine * old.d;
        c = cosine * old.c - sine * old.a;
        d = cosine * old.d - sine * old.b;
    }
};

} // namespace Vexa
