#include "gauge_renderer.h"

#include <fmt/format.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "string_painter.h"

namespace bench {
namespace {

constexpr double radians_per_degree = std::numbers::pi / 180.0;

// Pixel (x, y) covers [x, x + 1) x [y, y + 1); points of the records name pixels,
// so a turn about a point turns about that pixel's centre.
constexpr double pixel_centre = 0.5;

// Paints `picture` through `to_canvas`, which maps picture coordinates onto
// the canvas. Only the whole pixels about the turned picture are painted: an
// axis-aligned box lets cairo skip rasterising the turned outline, and the
// picture's pure black edge fades nothing in.
void paint_transformed(cairo_t* context, cairo_surface_t* picture, const cairo_matrix_t& to_canvas, int width,
                       int height) {
  cairo_save(context);
  cairo_transform(context, &to_canvas);
  double corners_x[] = {0, double(width), 0, double(width)};
  double corners_y[] = {0, 0, double(height), double(height)};
  double min_x = INFINITY, min_y = INFINITY, max_x = -INFINITY, max_y = -INFINITY;
  for (int corner = 0; corner < 4; ++corner) {
    cairo_user_to_device(context, &corners_x[corner], &corners_y[corner]);
    min_x = std::min(min_x, corners_x[corner]);
    max_x = std::max(max_x, corners_x[corner]);
    min_y = std::min(min_y, corners_y[corner]);
    max_y = std::max(max_y, corners_y[corner]);
  }
  cairo_set_source_surface(context, picture, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(context), CAIRO_FILTER_BILINEAR);
  cairo_identity_matrix(context);
  cairo_rectangle(context, std::floor(min_x), std::floor(min_y), std::ceil(max_x) - std::floor(min_x),
                  std::ceil(max_y) - std::floor(min_y));
  cairo_fill(context);
  cairo_restore(context);
}

void paint_at(cairo_t* context, cairo_surface_t* picture, double x, double y, int width, int height) {
  cairo_matrix_t to_canvas;
  cairo_matrix_init_translate(&to_canvas, x, y);
  paint_transformed(context, picture, to_canvas, width, height);
}

// The moving picture, placed by `to_canvas`, through the window of `mask` at
// `position`; then the mask's own colours over it.
void paint_through_mask(cairo_t* context, const GaugeBitmap& moving, const cairo_matrix_t& to_canvas,
                        const GaugeBitmap& mask, Point position) {
  CairoPattern source(cairo_pattern_create_for_surface(moving.picture.get()));
  cairo_matrix_t to_picture = to_canvas;
  cairo_matrix_invert(&to_picture);
  cairo_pattern_set_matrix(source.get(), &to_picture);
  cairo_pattern_set_filter(source.get(), CAIRO_FILTER_BILINEAR);
  cairo_set_source(context, source.get());
  cairo_mask_surface(context, mask.window.get(), position.x, position.y);
  paint_at(context, mask.overlay.get(), position.x, position.y, mask.width, mask.height);
}

cairo_matrix_t needle_matrix(const Element& element, double angle) {
  cairo_matrix_t matrix;
  cairo_matrix_init_translate(&matrix, element.position.x + pixel_centre, element.position.y + pixel_centre);
  // The bitmap points right, toward 90 degrees; cairo turns clockwise with y down.
  cairo_matrix_rotate(&matrix, (angle - 90.0) * radians_per_degree);
  cairo_matrix_translate(&matrix, -(element.offset.x + pixel_centre), -(element.offset.y + pixel_centre));
  return matrix;
}

cairo_matrix_t sprite_matrix(const Element& element, const Placement& placement, const GaugeBitmap& mask) {
  const double centre_x = element.position.x + mask.width / 2 + pixel_centre + placement.shift_x;
  const double centre_y = element.position.y + mask.height / 2 + pixel_centre + placement.shift_y;
  cairo_matrix_t matrix;
  cairo_matrix_init_translate(&matrix, centre_x, centre_y);
  cairo_matrix_rotate(&matrix, placement.rotation * radians_per_degree);
  cairo_matrix_translate(&matrix, -(element.offset.x + pixel_centre), -(element.offset.y + pixel_centre));
  return matrix;
}

}  // namespace

GaugeRenderer::GaugeRenderer(GaugeDescription description, BitmapSource bitmaps)
    : description_(std::move(description)), bitmaps_(std::move(bitmaps)) {}

GaugeRenderer::GaugeRenderer(const GaugeBackend& backend)
    : GaugeRenderer(backend.description(), [&backend](int32_t resource) { return backend.bitmap(resource); }) {}

const GaugeBitmap& GaugeRenderer::background() {
  if (description_.elements.empty())
    throw RenderError(fmt::format("module {}: the gauge has no elements to draw", description_.module_name));
  const int32_t resource = description_.elements.front().resource;
  const GaugeBitmap* bitmap = bitmaps_.find(resource);
  if (bitmap == nullptr)
    throw RenderError(
        fmt::format("module {}: {}: the gauge cannot be drawn", description_.module_name, bitmaps_.problem(resource)));
  return *bitmap;
}

std::vector<Placement> GaugeRenderer::place(std::span<const ElementValues> frame) {
  std::vector<Placement> placements;
  const auto& elements = description_.elements;
  for (size_t index = 0; index < elements.size(); ++index) {
    placements.push_back(place_element(elements[index], index < frame.size() ? &frame[index] : nullptr, bitmaps_));
  }
  return placements;
}

GaugeImage GaugeRenderer::draw_background() {
  const GaugeBitmap& root = background();
  GaugeImage image(root.width, root.height);
  CairoContext context(cairo_create(image.surface()));
  paint_at(context.get(), root.picture.get(), 0, 0, root.width, root.height);
  return image;
}

GaugeImage GaugeRenderer::draw(std::span<const Placement> placements) {
  const GaugeBitmap& root = background();
  GaugeImage image(root.width, root.height);
  CairoContext context(cairo_create(image.surface()));
  cairo_t* canvas = context.get();
  const auto& elements = description_.elements;
  for (size_t index = 0; index < elements.size() && index < placements.size(); ++index) {
    const Element& element = elements[index];
    const Placement& placement = placements[index];
    if (!placement.drawn) continue;
    // Placement has found every bitmap it let through.
    auto bitmap = [this](int32_t resource) -> const GaugeBitmap& { return *bitmaps_.find(resource); };
    switch (element.kind) {
      case ElementKind::static_image:
      case ElementKind::icon: {
        const GaugeBitmap& picture = bitmap(placement.bitmap);
        paint_at(canvas, picture.picture.get(), element.position.x, element.position.y, picture.width, picture.height);
        break;
      }
      case ElementKind::needle: {
        const GaugeBitmap& needle = bitmap(placement.bitmap);
        paint_transformed(canvas, needle.picture.get(), needle_matrix(element, *placement.angle), needle.width,
                          needle.height);
        break;
      }
      case ElementKind::moving_image: {
        cairo_matrix_t to_canvas;
        cairo_matrix_init_translate(&to_canvas, element.position.x + placement.shift_x,
                                    element.position.y + placement.shift_y);
        paint_through_mask(canvas, bitmap(placement.bitmap), to_canvas, bitmap(resource_after(element.resource, 1)),
                           element.position);
        break;
      }
      case ElementKind::sprite: {
        const GaugeBitmap& mask = bitmap(resource_after(element.resource, 1));
        paint_through_mask(canvas, bitmap(placement.bitmap), sprite_matrix(element, placement, mask), mask,
                           element.position);
        break;
      }
      case ElementKind::string:
        paint_string(canvas, element, placement.text);
        break;
    }
  }
  return image;
}

}  // namespace bench
