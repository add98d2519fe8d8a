// Owning handles for the cairo objects the renderer makes.
#pragma once

#include <cairo.h>

#include <memory>

namespace bench {

struct CairoSurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct CairoContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct CairoPatternRelease {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};

using CairoSurface = std::unique_ptr<cairo_surface_t, CairoSurfaceRelease>;
using CairoContext = std::unique_ptr<cairo_t, CairoContextRelease>;
using CairoPattern = std::unique_ptr<cairo_pattern_t, CairoPatternRelease>;

}  // namespace bench
