// The records every engine dial is made of: the background, and needles that
// all show the common needle picture, pivoting at (10, 11) in it. A gauge's
// file names only what is its own: bitmaps, pivot on the dial, calibration,
// value callback and the next element of its chain.
#pragma once

#include "gauge_frame.h"

inline constexpr PIXPOINT common_needle_pivot = {10, 11};

constexpr ELEMENT_STATIC_IMAGE dial_background(int32_t bitmap, ELEMENT_HEADER** next) {
  return ELEMENT_STATIC_IMAGE{
      .header = {.element_type = element_static_image,
                 .resource_id = bitmap,
                 .gauge_header = &gauge_header,
                 .next_element = next,
                 .failure_list = no_failures,
                 .image_flags = image_flags_at_load},
  };
}

template <uint32_t entries>
constexpr ELEMENT_NEEDLE dial_needle(int32_t bitmap, PIXPOINT pivot_on_dial, NONLINEARITY (&calibration)[entries],
                                     NEEDLE_CALLBACK value, ELEMENT_HEADER** next = nullptr) {
  return ELEMENT_NEEDLE{
      .header = {.element_type = element_needle,
                 .resource_id = bitmap,
                 .position = pivot_on_dial,
                 .offset = common_needle_pivot,
                 .gauge_header = &gauge_header,
                 .next_element = next,
                 .failure_list = no_failures,
                 .image_flags = image_flags_at_load},
      .nonlinearity_table = calibration,
      .nonlinearity_count = entries,
      .callback = value,
  };
}
