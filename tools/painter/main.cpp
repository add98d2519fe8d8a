// gauge-painter: paints every gauge's bitmaps into its gauge directory.
#include <cairo.h>

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "gauge/artwork.h"
#include "gauge/bmp.h"
#include "gauge/paint.h"

namespace {

namespace fs = std::filesystem;
using gauge::artwork::GaugeArtwork;

struct SurfaceDeleter {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};

// A PNG of the indexed bitmap, transparent where it is pure black, for looking at.
void write_preview(const fs::path& path, const gauge::bmp::IndexedBitmap& bitmap) {
  const std::unique_ptr<cairo_surface_t, SurfaceDeleter> surface{
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, bitmap.width, bitmap.height)};
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < bitmap.height; ++y)
    for (int x = 0; x < bitmap.width; ++x) {
      const gauge::bmp::Colour c = bitmap.colour_at(x, y);
      const std::uint32_t alpha = c == gauge::bmp::transparent ? 0 : 0xFF;
      const std::uint32_t argb = alpha << 24 | std::uint32_t{c.red} << 16 | std::uint32_t{c.green} << 8 | c.blue;
      std::copy_n(reinterpret_cast<const unsigned char*>(&argb), 4, data + y * stride + 4 * x);
    }
  cairo_surface_mark_dirty(surface.get());
  if (cairo_surface_write_to_png(surface.get(), path.c_str()) != CAIRO_STATUS_SUCCESS)
    throw std::runtime_error("cannot write " + path.string());
}

std::vector<GaugeArtwork> chosen(std::vector<GaugeArtwork> all, const std::vector<std::string>& wanted) {
  if (wanted.empty()) return all;
  std::vector<GaugeArtwork> gauges;
  for (std::string directory : wanted) {
    while (directory.size() > 1 && directory.back() == '/') directory.pop_back();
    const auto found = std::find_if(all.begin(), all.end(), [&](const auto& g) { return g.directory == directory; });
    if (found == all.end()) {
      std::string known;
      for (const auto& gauge : all) known += " " + gauge.directory;
      throw std::runtime_error("no artwork registered for " + directory + "; known:" + known);
    }
    gauges.push_back(*found);
  }
  return gauges;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Paints the gauges' bitmaps into their gauge directories: <directory>/<what>_<hex number>.bmp"};
  fs::path root = GAUGE_SOURCE_ROOT;
  fs::path preview;
  bool list = false;
  std::vector<std::string> wanted;
  app.add_option("--root", root, "Directory under which the gauge directories are written (default: the source tree)")
      ->capture_default_str();
  app.add_option("--preview", preview, "Also write a PNG of every bitmap under this directory");
  app.add_flag("--list", list, "Only list the bitmaps: file, resource number, width, height, palette size");
  app.add_option("gauges", wanted, "Gauge directories to paint, e.g. flight/airspeed (default: all)");
  CLI11_PARSE(app, argc, argv);

  try {
    for (const GaugeArtwork& gauge : chosen(gauge::artwork::registered(), wanted)) {
      for (const gauge::artwork::Bitmap& bitmap : gauge.bitmaps) {
        const fs::path file = fs::path(gauge.directory) / gauge::artwork::file_name(bitmap);
        if (list) {
          std::printf("%s 0x%x %d %d %d\n", file.c_str(), bitmap.number, bitmap.width, bitmap.height, bitmap.colours);
          continue;
        }
        const gauge::bmp::IndexedBitmap picture = gauge::artwork::render(bitmap);
        fs::create_directories(root / gauge.directory);
        gauge::bmp::write_file(root / file, picture);
        if (!preview.empty()) {
          fs::create_directories(preview / gauge.directory);
          write_preview(preview / fs::path(file).replace_extension(".png"), picture);
        }
        std::printf("painted %s\n", file.c_str());
      }
    }
  } catch (const std::exception& error) {
    std::cerr << "gauge-painter: " << error.what() << '\n';
    return 1;
  }
  gauge::paint::release_fonts();
  return 0;
}
