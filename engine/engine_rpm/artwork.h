// The RPM dial, shared with the propeller RPM indicator, whose dial differs
// only in the word above RPM in its legend.
#pragma once

#include <cairo.h>

#include <string>

namespace gauge::rpm_artwork {

void paint_rpm_dial(cairo_t* cr, const std::string& legend_word);  // "ENG" or "PROP"

}  // namespace gauge::rpm_artwork
