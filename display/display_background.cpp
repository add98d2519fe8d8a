// Multi-function display background: one still picture, a near-black panel
// with rounded corners. No values, no tooltip, no clicks.
#include "gauge_frame.h"

namespace {
constexpr int32_t background_bitmap = 0x1100;
}  // namespace

constinit ELEMENT_STATIC_IMAGE background = {
    .header = {.element_type = element_static_image,
               .resource_id = background_bitmap,
               .gauge_header = &gauge_header,
               .failure_list = no_failures,
               .image_flags = image_flags_at_load},
};
constinit ELEMENT_HEADER* root_element = &background.header;

// No tooltip entry: the panel shows none over this gauge.
constinit MOUSERECT mouse_rects[] = {mouse_parent(), mouse_end_parent(), mouse_end_list()};

constinit GAUGEHDR gauge_header = make_gauge_header("Pelmora_MDbckgrnd", &root_element, mouse_rects);
constinit const FrameSettings frame_settings = frame_settings_without_tokens();
