// Random figures built around known intersection points, to check the routines against exact geometry.
#pragma once

#include <cmath>
#include <numbers>
#include <random>
#include <vector>

struct Vec2 {
    double x = 0;
    double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
    return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator*(double t, Vec2 v) {
    return {t * v.x, t * v.y};
}
inline double Distance(Vec2 a, Vec2 b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Fixed seeds keep every run on the same configurations.
class FigureSampler {
public:
    explicit FigureSampler(unsigned seed) : rng_(seed) {}

    double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    bool Coin() { return Uniform(0, 1) < 0.5; }
    Vec2 Point(double extent) { return {Uniform(-extent, extent), Uniform(-extent, extent)}; }

    // A unit direction; exactly vertical one time in eight when allowed, otherwise with |x| >= 0.2 so that
    // tests on x alone see the same order of points as tests along the figure.
    Vec2 Direction(bool allowVertical) {
        if (allowVertical && Uniform(0, 1) < 0.125) return {0, Coin() ? 1.0 : -1.0};
        for (;;) {
            const double angle = Uniform(0, 2 * std::numbers::pi);
            if (std::fabs(std::cos(angle)) >= 0.2) return {std::cos(angle), std::sin(angle)};
        }
    }

    // A parameter along a figure at least `margin` away from each of the given ones.
    double ParameterAvoiding(const std::vector<double>& avoid, double margin = 0.3) {
        for (;;) {
            const double t = Uniform(-8, 8);
            bool clear = true;
            for (const double a : avoid)
                clear = clear && std::fabs(t - a) >= margin;
            if (clear) return t;
        }
    }

private:
    std::mt19937_64 rng_;
};
