// Drawing helpers shared by every gauge's artwork: cases, faces, marks, arcs,
// legends, the common needle and masks. All work on a cairo context whose
// surface is the bitmap being painted, in pixels, x right and y down.
//
// Transparency: a pixel left unpainted (or cleared with clear_path) becomes
// pure black (0, 0, 0), the transparent colour. Never paint pure black to mean
// "black": opaque black is lifted to near-black; use colours::face for a black face.
#pragma once

#include <cairo.h>

#include <string_view>

#include "gauge/bmp.h"

namespace gauge::paint {

using bmp::Colour;

namespace colours {
inline constexpr Colour face{10, 10, 12};        // the "black" of a dial face
inline constexpr Colour dark_face{22, 22, 24};   // a "very dark grey" face
inline constexpr Colour bezel{64, 64, 68};       // dark grey of bezels and hubs
inline constexpr Colour marking{242, 242, 236};  // white of marks, numerals, needles
inline constexpr Colour legend_blue{64, 140, 235};
inline constexpr Colour arc_white{236, 236, 232};
inline constexpr Colour arc_green{28, 172, 64};
inline constexpr Colour arc_yellow{240, 198, 28};
inline constexpr Colour arc_red{222, 36, 30};
// In a mask, where the moving picture shows through. Kept exact.
inline constexpr Colour mask_window{1, 1, 1};
}  // namespace colours

struct Point {
  double x = 0;
  double y = 0;
};

// The point `radius` pixels from `pivot` at `degrees` clockwise from straight up.
Point polar(Point pivot, double degrees, double radius);

// The centre of pixel (x, y): integer coordinates on a data sheet name pixels.
constexpr Point pixel(int x, int y) {
  return {x + 0.5, y + 0.5};
}

void set_colour(cairo_t* cr, Colour colour);

// Fills the current path with `colour` (replacing what is under it) / makes it
// transparent again.
void fill_path(cairo_t* cr, Colour colour);
void clear_path(cairo_t* cr);

void fill_disc(cairo_t* cr, Point centre, double radius, Colour colour);
void fill_rectangle(cairo_t* cr, double x, double y, double width, double height, Colour colour);

// A round instrument: screw heads in the corners of the bitmap, a dark grey
// bezel lit from the upper left, and the face inside it. Everything else stays
// transparent.
struct Corners {
  bool top_left = true;
  bool top_right = true;
  bool bottom_left = true;
  bool bottom_right = true;
};
struct DialCase {
  Point centre;               // of bezel and face
  double bezel_radius = 164;  // outer edge of the bezel
  double face_radius = 147;   // edge of the face, inner edge of the bezel
  Colour face = colours::face;
  Corners screws = {};
  double screw_radius = 13;
  double screw_inset = 24;  // from the bitmap's edges to a screw's centre
};
void dial_case(cairo_t* cr, const DialCase& dial);
void screw_head(cairo_t* cr, Point centre, double radius, double slot_degrees);

// A radial mark at `degrees` about `pivot`, from `outer_radius` inward by `length`.
struct Mark {
  double outer_radius = 140;
  double length = 16;
  double width = 3;
  Colour colour = colours::marking;
};
void mark(cairo_t* cr, Point pivot, double degrees, const Mark& style);

// A band between two radii swept clockwise from `from_degrees` to `to_degrees`.
void arc_band(cairo_t* cr, Point pivot, double from_degrees, double to_degrees, double outer_radius, double width,
              Colour colour);

struct Font {
  std::string_view family = "DejaVu Sans";  // or "DejaVu Sans Condensed"
  bool bold = false;
  double size = 20;  // pixels (em height)
};

// Draws `text` with the centre of its ink box at `centre`, turned clockwise by
// `rotation_degrees` about that centre.
void text(cairo_t* cr, std::string_view text, Point centre, const Font& font, Colour colour,
          double rotation_degrees = 0);

// Draws `text` upright on the inside of a circle: at `degrees` about `pivot`,
// moved inward until its ink box just touches the circle of `radius` (so
// numerals keep the same gap to the inner ends of their marks all round).
void text_inside(cairo_t* cr, std::string_view text, Point pivot, double degrees, double radius, const Font& font,
                 Colour colour);

// The common needle: 137 x 23, pointing right, a dark round hub
// about the pivot (10, 11) and a long white shaft tapering to a point at the
// right edge; everything else transparent.
inline constexpr int common_needle_width = 137;
inline constexpr int common_needle_height = 23;
inline constexpr Point common_needle_pivot = pixel(10, 11);
void common_needle(cairo_t* cr);

// Frees the font machinery's caches (pango, cairo, fontconfig) so that a leak
// checker sees none; call once after all painting, before the program ends.
void release_fonts();

}  // namespace gauge::paint
