// gfx_circle: circles, ellipses, arcs and pies, with the radii of negative angles.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "gfx/core/context.h"
#include "gfx/core/coords.h"
#include "gfx/draw/draw_target.h"
#include "gfx/draw/ellipse_raster.h"
#include "gfx/draw/line_raster.h"
#include "qzgfx.h"

namespace {

constexpr double TWO_PI = 2 * std::numbers::pi;

// Radii are held at 2^31 pixels: an ellipse that large shows at most a gentle curve on any view.
constexpr double RADIUS_LIMIT = 2147483648.0;

// An angle argument: its size modulo a whole turn, and whether it asks for its radius.
struct Angle {
    double radians;
    bool radius;
};

// Reads an angle; omitted stands for `omitted`.
Angle read_angle(float value, double omitted) {
    if (value == GFX_OMITTED) {
        return {omitted, false};
    }
    const double size = std::fabs(static_cast<double>(value));
    return {std::fmod(size, TWO_PI), value < 0};
}

// The arc from start counter-clockwise to end; equal ends, or both omitted, keep everything.
ArcRange make_arc(const Angle& start, const Angle& end, bool omitted, double scan) {
    ArcRange arc{};
    arc.scan = scan;
    const double sweep = std::fmod(end.radians - start.radians + TWO_PI, TWO_PI);
    arc.whole = omitted || sweep == 0.0;
    if (arc.whole) {
        return arc;
    }
    arc.start_x = std::cos(start.radians);
    arc.start_y = std::sin(start.radians);
    arc.end_x = std::cos(end.radians);
    arc.end_y = std::sin(end.radians);
    arc.wide = sweep > std::numbers::pi;
    return arc;
}

// Draws the radius from the centre to the point of the ellipse at the angle as seen on the screen
// (the curve's point whose direction, rows scaled by scan, is that angle).
void draw_radius(const DrawTarget& t, const EllipseShape& e, double angle, double scan,
                 uint32_t colour) {
    const double phi = std::atan2(e.a * std::sin(angle), e.b * scan * std::cos(angle));
    const auto ex = static_cast<int64_t>(std::llround(e.a * std::cos(phi)));
    const auto ey = static_cast<int64_t>(std::llround(-e.b * std::sin(phi)));
    draw_line_pixels(t, e.cx, e.cy, draw_hold(e.cx + ex), draw_hold(e.cy + ey), colour, 0xFFFF);
}

} // namespace

// Checks the arguments, resolves the centre, works out the radii from the radius and aspect and
// draws the outline or the fill, then the radii asked for.
int gfx_circle(float x, float y, float radius, uint32_t colour, float start, float end,
               float aspect, int flags) {
    GfxContext* ctx = gfx_context;
    if (!ctx || (flags & ~(GFX_STEP_FIRST | GFX_CIRCLE_FILLED)) || !std::isfinite(x) ||
        !std::isfinite(y) || !std::isfinite(radius) || !std::isfinite(start) ||
        !std::isfinite(end) || !std::isfinite(aspect) || aspect < 0) {
        return draw_fail();
    }
    const float last_x = ctx->last_x;
    const float last_y = ctx->last_y;
    gfx_resolve_step((flags & GFX_STEP_FIRST) ? 2 : 0, &x, &y, nullptr, nullptr);
    if (!std::isfinite(x) || !std::isfinite(y)) {
        ctx->last_x = last_x;
        ctx->last_y = last_y;
        return draw_fail();
    }
    const double scan = std::max(ctx->scanline_size, 1);
    const double ratio = aspect == 0 ? 1.0 / scan : static_cast<double>(aspect);
    const double r = std::min(draw_map_length(ctx, radius), RADIUS_LIMIT);
    EllipseShape e{};
    draw_map(x, y, &e.cx, &e.cy);
    e.a = ratio <= 1 ? r : r / ratio;
    e.b = ratio <= 1 ? r * ratio : r;
    const bool omitted = start == GFX_OMITTED && end == GFX_OMITTED;
    const Angle from = read_angle(start, 0.0);
    const Angle to = read_angle(end, TWO_PI);
    const ArcRange arc = make_arc(from, to, omitted, scan);
    const uint32_t native = draw_colour(ctx, colour);
    DrawTarget target{};
    if (!draw_target(ctx, &target)) {
        return 0;
    }
    GfxLockGuard lock(ctx);
    if (flags & GFX_CIRCLE_FILLED) {
        draw_ellipse_filled(target, e, native, arc);
    } else {
        draw_ellipse_outline(target, e, native, arc);
    }
    if (from.radius) {
        draw_radius(target, e, from.radians, scan, native);
    }
    if (to.radius) {
        draw_radius(target, e, to.radians, scan, native);
    }
    return 0;
}
