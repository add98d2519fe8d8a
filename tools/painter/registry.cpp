#include <cairo.h>

#include <algorithm>
#include <memory>
#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>

#include "gauge/artwork.h"
#include "gauge/paint.h"
#include "gauge/palette.h"

namespace gauge::artwork {
namespace {

std::vector<GaugeArtwork>& registry() {
  static std::vector<GaugeArtwork> gauges;  // filled while static objects are constructed
  return gauges;
}

void check(const GaugeArtwork& gauge) {
  std::set<int> numbers;
  std::set<std::string> files;
  for (const Bitmap& bitmap : gauge.bitmaps) {
    const std::string where = gauge.directory + "/" + file_name(bitmap);
    if (bitmap.width <= 0 || bitmap.height <= 0) throw std::logic_error(where + ": the size must be positive");
    if (bitmap.colours < 2 || bitmap.colours > 256)
      throw std::logic_error(where + ": the palette must have 2 to 256 colours");
    if (!bitmap.paint) throw std::logic_error(where + ": no paint function");
    if (!numbers.insert(bitmap.number).second || !files.insert(file_name(bitmap)).second)
      throw std::logic_error(where + ": declared twice");
  }
}

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDeleter {
  void operator()(cairo_t* cr) const { cairo_destroy(cr); }
};

}  // namespace

std::string file_name(const Bitmap& bitmap) {
  std::ostringstream name;
  name << bitmap.what << '_' << std::hex << bitmap.number << ".bmp";
  return name.str();
}

Bitmap common_needle(int number) {
  return {.number = number,
          .what = "needle",
          .width = paint::common_needle_width,
          .height = paint::common_needle_height,
          .colours = 256,
          .paint = paint::common_needle};
}

Registration::Registration(std::string directory, std::vector<Bitmap> bitmaps) {
  registry().push_back({std::move(directory), std::move(bitmaps)});
}

std::vector<GaugeArtwork> registered() {
  std::vector<GaugeArtwork> gauges = registry();
  std::sort(gauges.begin(), gauges.end(), [](const auto& a, const auto& b) { return a.directory < b.directory; });
  for (std::size_t i = 0; i < gauges.size(); ++i) {
    if (i > 0 && gauges[i].directory == gauges[i - 1].directory)
      throw std::logic_error(gauges[i].directory + ": artwork registered twice");
    check(gauges[i]);
  }
  return gauges;
}

bmp::IndexedBitmap render(const Bitmap& bitmap) {
  const std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface{
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height)};
  {
    const std::unique_ptr<cairo_t, ContextDeleter> cr{cairo_create(surface.get())};
    bitmap.paint(cr.get());
    if (cairo_status(cr.get()) != CAIRO_STATUS_SUCCESS)
      throw std::runtime_error(file_name(bitmap) + ": " + cairo_status_to_string(cairo_status(cr.get())));
  }
  return palette::to_indexed(surface.get(), bitmap.colours, bitmap.exact_colours);
}

}  // namespace gauge::artwork
