// Where each element of a frame goes and what it shows, from the values its
// callbacks returned: the part of drawing that the run's report also needs.
//
// - A needle points at the angle its calibration table gives the value (see
//   needle_geometry.h); without an angle it is not drawn.
// - An icon shows picture r + i for the index i the callback returned,
//   truncated toward zero; an index outside 0 to n - 1 (or not a number)
//   shows nothing.
// - A moving image moves per axis whose minimum and maximum differ: the
//   bitmap's row (column) at the fraction (v - min) / (max - min) of its
//   height (width) stands at the centre of the window, rounded to whole
//   pixels so the drum's figures stay sharp. An axis whose minimum equals its
//   maximum keeps the bitmap's edge on the window's edge.
// - A sprite turns by rotation value x rotation scale degrees clockwise and
//   shifts by (x value x x scale, y value x y scale) pixels, y downward; an
//   axis whose scale is 0 stays still whatever its value.
// - Any element whose hidden bit is set is not drawn. An element that needs a
//   value no frame has given yet is not drawn either.
// A placement that cannot be made (a value that is not a number, a missing
// bitmap) leaves the element undrawn and says why in its note.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "bitmap_cache.h"
#include "gauge_model.h"
#include "gauge_session.h"

namespace bench {

inline constexpr uint32_t hidden_bit = 0x40000000;
inline constexpr uint32_t lit_bit = 0x4;

struct Placement {
  bool drawn = false;
  int32_t bitmap = 0;               // the bitmap drawn (an icon's chosen picture)
  std::optional<double> angle;      // needle: degrees clockwise from straight up, in [0, 360)
  std::optional<int32_t> picture;   // icon: the picture shown, nothing when none is
  double shift_x = 0, shift_y = 0;  // moving image: bitmap's top-left from the window's; sprite: the shift
  double rotation = 0;              // sprite: degrees clockwise
  uint32_t image_flags = 0;
  std::string text;  // string: the text its callback wrote
  std::string note;  // why the element is not drawn as its kind asks; empty when it is
};

// The resource `steps` numbers after `resource`: an icon's further pictures,
// the mask of a moving image or sprite (one after). Numbers wrap rather than
// overflow; a number no module has simply finds no bitmap.
inline int32_t resource_after(int32_t resource, int64_t steps) {
  return static_cast<int32_t>(static_cast<uint32_t>(resource) + static_cast<uint32_t>(steps));
}

// `values` is null before the first frame.
Placement place_element(const Element& element, const ElementValues* values, BitmapCache& bitmaps);

}  // namespace bench
