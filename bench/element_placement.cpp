#include "element_placement.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>

#include "needle_geometry.h"

namespace bench {
namespace {

// Beyond this a shifted bitmap lies far outside any window; cairo's fixed-point
// coordinates stay exact well past it.
constexpr double farthest_shift = 65536.0;

double bounded_shift(double shift) {
  return std::clamp(shift, -farthest_shift, farthest_shift);
}

void place_needle(const Element& element, double value, Placement& placement) {
  placement.angle = needle_angle(element.needle.calibration, element.position, value);
  if (!placement.angle) {
    placement.drawn = false;
    placement.note = element.needle.calibration.empty()
                         ? "needle has no calibration table: not drawn"
                         : fmt::format("needle value {} gives no angle: not drawn", value);
  }
}

void place_icon(const Element& element, double value, Placement& placement) {
  const uint32_t count = element.icon.icon_count;
  if (!(value > -1.0 && value < count)) {  // NaN fails too
    placement.drawn = false;
    placement.note = fmt::format("icon index {} outside its {} pictures: nothing shown", value, count);
    return;
  }
  placement.bitmap = resource_after(element.resource, static_cast<int64_t>(std::trunc(value)));
  placement.picture = placement.bitmap;
}

// The moving bitmap's offset along one axis from the window's edge.
std::optional<double> moving_offset(double value, double minimum, double maximum, int window, int extent) {
  if (minimum == maximum) return 0.0;
  const double fraction = (value - minimum) / (maximum - minimum);
  const double offset = std::round(window / 2.0 - fraction * extent);
  if (!std::isfinite(offset)) return std::nullopt;
  return bounded_shift(offset);
}

// The bitmap, or null with the element left undrawn and the reason noted.
const GaugeBitmap* required(int32_t resource, BitmapCache& bitmaps, Placement& placement) {
  const GaugeBitmap* bitmap = bitmaps.find(resource);
  if (bitmap == nullptr && placement.drawn) {
    placement.drawn = false;
    placement.note = bitmaps.problem(resource) + ": not drawn";
  }
  return bitmap;
}

void place_moving_image(const Element& element, std::span<const double> values, BitmapCache& bitmaps,
                        Placement& placement) {
  const GaugeBitmap* strip = required(element.resource, bitmaps, placement);
  const GaugeBitmap* window = required(resource_after(element.resource, 1), bitmaps, placement);
  if (strip == nullptr || window == nullptr) return;
  const auto& ranges = element.moving;
  auto x = moving_offset(values[0], ranges.min_x, ranges.max_x, window->width, strip->width);
  auto y = moving_offset(values[1], ranges.min_y, ranges.max_y, window->height, strip->height);
  if (!x || !y) {
    placement.drawn = false;
    placement.note = fmt::format("moving image values ({}, {}) give no position: not drawn", values[0], values[1]);
    return;
  }
  placement.shift_x = *x;
  placement.shift_y = *y;
}

void place_sprite(const Element& element, std::span<const double> values, Placement& placement) {
  const auto& sprite = element.sprite;
  auto scaled = [](double value, double scale) { return scale == 0.0 ? 0.0 : value * scale; };
  const double x = scaled(values[0], sprite.scale_x);
  const double y = scaled(values[1], sprite.scale_y);
  const double rotation = scaled(values[2], sprite.scale_rotation);
  if (!std::isfinite(x) || !std::isfinite(y) || !std::isfinite(rotation)) {
    placement.drawn = false;
    placement.note =
        fmt::format("sprite values ({}, {}, {}) give no placement: not drawn", values[0], values[1], values[2]);
    return;
  }
  placement.shift_x = bounded_shift(x);
  placement.shift_y = bounded_shift(y);
  placement.rotation = normalised_degrees(rotation);
}

}  // namespace

Placement place_element(const Element& element, const ElementValues* values, BitmapCache& bitmaps) {
  Placement placement;
  placement.bitmap = element.resource;
  placement.image_flags = values != nullptr ? values->state.image_flags : element.image_flags;
  const bool needs_values = element.kind != ElementKind::static_image;
  if (needs_values && values == nullptr) return placement;
  placement.drawn = true;

  // Every kind has at most three axes; one the frame did not call reads 0.
  std::vector<double> axes = values != nullptr ? values->values : std::vector<double>{};
  axes.resize(3, 0.0);
  switch (element.kind) {
    case ElementKind::static_image:
      break;
    case ElementKind::needle:
      place_needle(element, axes[0], placement);
      break;
    case ElementKind::icon:
      place_icon(element, axes[0], placement);
      break;
    case ElementKind::moving_image:
      place_moving_image(element, axes, bitmaps, placement);
      break;
    case ElementKind::sprite:
      if (required(resource_after(element.resource, 1), bitmaps, placement) != nullptr)
        place_sprite(element, axes, placement);
      break;
    case ElementKind::string:
      placement.text = values->state.text.value_or("");
      break;
  }
  if (placement.drawn && element.kind != ElementKind::string) required(placement.bitmap, bitmaps, placement);
  if (placement.image_flags & hidden_bit) placement.drawn = false;
  if (!placement.drawn) placement.picture.reset();
  return placement;
}

}  // namespace bench
