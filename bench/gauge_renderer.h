// Draws a gauge as the simulator would after a frame: the chain from the root
// down, each element over the ones before it, from the bench's neutral
// description and the module's bitmaps, so it serves every backend.
//
// Pure black (0, 0, 0) is never drawn. How each kind is placed is in
// element_placement.h; how it is drawn:
// - static image and icon: the bitmap with its top-left corner on the position.
// - needle: the needle bitmap, drawn pointing right, turned about its pivot
//   (the element's offset) so that it points at its angle, with the pivot's
//   pixel on the position's pixel; turned bitmaps are filtered bilinearly.
// - moving image: the bitmap seen through the window of its mask (bitmap
//   r + 1) at the position. Where the mask is near-black (1, 1, 1) the moving
//   bitmap shows; the mask's other colours are drawn over it; pure black in
//   the mask shows neither.
// - sprite: the sprite bitmap's texture centre (the element's offset) stands
//   on the centre pixel of its mask (bitmap r + 1, at the position, which is
//   (0, 0) in these gauges: the middle of the gauge), shifted and turned by
//   its placement, and seen through the mask, which does not move. The
//   texture scale is not applied: every gauge uses 1.0.
// - string: see string_painter.h.
// The picture is the size of the root's bitmap; pixels nothing covers stay
// transparent.
#pragma once

#include <span>
#include <stdexcept>
#include <vector>

#include "bitmap_cache.h"
#include "element_placement.h"
#include "gauge_backend.h"
#include "gauge_image.h"
#include "gauge_model.h"
#include "gauge_session.h"

namespace bench {

// A gauge that cannot be drawn at all (no root, or no readable background).
class RenderError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class GaugeRenderer {
 public:
  GaugeRenderer(GaugeDescription description, BitmapSource bitmaps);
  // Reads the backend's bitmaps; the backend must outlive the renderer.
  explicit GaugeRenderer(const GaugeBackend& backend);

  const GaugeDescription& description() const { return description_; }

  // One placement per element, in chain order. `frame` is the last frame's
  // values per element (GaugeSession::last_frame()), empty before any frame.
  std::vector<Placement> place(std::span<const ElementValues> frame);

  GaugeImage draw(std::span<const Placement> placements);
  GaugeImage draw_frame(std::span<const ElementValues> frame) { return draw(place(frame)); }

  // The root's bitmap as it is, untransformed: the yardstick of the benchmark.
  GaugeImage draw_background();

 private:
  const GaugeBitmap& background();

  GaugeDescription description_;
  BitmapCache bitmaps_;
};

}  // namespace bench
