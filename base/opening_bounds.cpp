#include "base/opening_bounds.h"

#include <algorithm>
#include <cstdint>

namespace {

// Edges in 64 bits: a saved left of 2147483647 plus a width must not wrap.
struct Span {
    std::int64_t low, high;
};

Span Horizontal(const Bounds& b) { return {b.left, std::int64_t{b.left} + b.width}; }
Span Vertical(const Bounds& b) { return {b.top, std::int64_t{b.top} + b.height}; }

bool Overlap(Span a, Span b) { return a.low < b.high && b.low < a.high; }

// How far apart two spans are; 0 when they overlap or touch.
double Gap(Span a, Span b) {
    return static_cast<double>(std::max<std::int64_t>({0, b.low - a.high, a.low - b.high}));
}

// A start that puts `size` inside the area's span, as near to `start` as it can be.
int Placed(std::int64_t start, int size, Span area) {
    return static_cast<int>(std::clamp(start, area.low, std::max(area.low, area.high - size)));
}

} // namespace

Bounds OpeningBounds(const Bounds& saved, const Bounds& designed,
                     const std::vector<Bounds>& workAreas) {
    if (saved.width <= 0 || saved.height <= 0) return designed;
    const Span across = Horizontal(saved), down = Vertical(saved);
    const Bounds* nearest = nullptr;
    double nearestGap = 0;
    for (const Bounds& area : workAreas) {
        if (area.width <= 0 || area.height <= 0) continue;
        if (Overlap(across, Horizontal(area)) && Overlap(down, Vertical(area))) return saved;
        const double x = Gap(across, Horizontal(area)), y = Gap(down, Vertical(area));
        if (!nearest || x * x + y * y < nearestGap) {
            nearest = &area;
            nearestGap = x * x + y * y;
        }
    }
    if (!nearest) return saved;
    const int width = std::min(saved.width, nearest->width);
    const int height = std::min(saved.height, nearest->height);
    return {Placed(across.low, width, Horizontal(*nearest)),
            Placed(down.low, height, Vertical(*nearest)), width, height};
}
