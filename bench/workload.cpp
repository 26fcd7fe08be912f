// The benchmark workload: points drawn from a fixed random sequence, each kept only when the
// intersection of its perpendicular with the previous one stays inside a bounded box.
#include "bench/workload.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace {

// Free points lie in [-kPointRange, kPointRange] on both axes; intersection points in the box twice as
// large, so no object ever reaches far and the view stops growing soon.
constexpr double kPointRange = 4;
constexpr double kIntersectionRange = 8;
// Neighbouring points at least this far apart, and neighbouring segments at least this far from
// parallel (sine of the angle between them), so that every perpendicular and intersection is well posed.
constexpr double kMinSegmentLength = 0.5;
constexpr double kMinSine = 0.2;

struct Point {
    double x;
    double y;
};

class Generator {
public:
    explicit Generator(int lines) : limit_(lines) {}

    std::string Run() {
        Next();  // P0
        Emit("PUNKT P0 " + Coordinates(points_[0]));
        Next();  // P1
        EmitPointLines(1, false);
        for (int i = 2; !Full(); ++i) {
            Next();
            EmitPointLines(i, true);
        }
        return text_;
    }

private:
    bool Full() const { return emitted_ >= limit_; }

    void Emit(const std::string& line) {
        if (Full()) return;
        text_ += line;
        text_ += "\r\n";
        ++emitted_;
    }

    double Uniform() {
        // Exactly reproducible on every platform, unlike the standard distributions.
        return (static_cast<double>(random_()) / 4294967295.0 * 2 - 1) * kPointRange;
    }

    // Chooses the next point so that its segment and perpendicular fit the bounds above.
    void Next() {
        for (;;) {
            const Point p{Round(Uniform()), Round(Uniform())};
            if (Fits(p)) {
                points_.push_back(p);
                return;
            }
        }
    }

    // Two decimals keep the lines short and the geometry exactly as written.
    static double Round(double v) { return std::round(v * 100) / 100; }

    bool Fits(const Point& p) const {
        const std::size_t n = points_.size();
        if (n == 0) return true;
        const Point& a = points_[n - 1];
        const double dx = p.x - a.x, dy = p.y - a.y;
        if (std::hypot(dx, dy) < kMinSegmentLength) return false;
        if (n == 1) return true;
        // The perpendicular at p to a-p, and the one at a to b-a, must meet inside the box.
        const Point& b = points_[n - 2];
        const double ex = a.x - b.x, ey = a.y - b.y;
        const double cross = dx * ey - dy * ex;
        if (std::fabs(cross) < kMinSine * std::hypot(dx, dy) * std::hypot(ex, ey)) return false;
        // Points q with (q - p).d = 0 and (q - a).e = 0.
        const double c1 = p.x * dx + p.y * dy;
        const double c2 = a.x * ex + a.y * ey;
        const double det = dx * ey - dy * ex;
        const double qx = (c1 * ey - c2 * dy) / det;
        const double qy = (dx * c2 - ex * c1) / det;
        return std::fabs(qx) <= kIntersectionRange && std::fabs(qy) <= kIntersectionRange;
    }

    static std::string Number(double v) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "%.2f", v);
        return buffer;
    }

    static std::string Coordinates(const Point& p) { return Number(p.x) + " " + Number(p.y); }

    void EmitPointLines(int i, bool withIntersection) {
        const std::string n = std::to_string(i);
        const std::string previous = std::to_string(i - 1);
        Emit("PUNKT P" + n + " " + Coordinates(points_[static_cast<std::size_t>(i)]));
        Emit("STRECKE s" + n + " P" + previous + " P" + n);
        Emit("KREIS k" + n + " P" + n + " P" + previous);
        Emit("SENKRECHTE h" + n + " s" + n + " P" + n);
        if (withIntersection) Emit("BEZ SP h" + n + " h" + previous + " S" + n);
    }

    int limit_;
    int emitted_ = 0;
    std::mt19937 random_{20240611};
    std::vector<Point> points_;
    std::string text_;
};

}  // namespace

std::string GenerateWorkload(int lines) {
    return Generator(lines).Run();
}
