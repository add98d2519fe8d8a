// The service callback every gauge hands the simulator, and the frame's
// module-global values.
#include "gauge_frame.h"
#include "sound_binding.h"

int32_t power_on = 0;
int32_t first_draw_done = 0;

namespace {

void refresh_tokens() {
  for (uint32_t entry = 0; entry < frame_settings.refresh_count; ++entry) {
    lookup_var(&frame_settings.refresh_list[entry]);
  }
}

void derive_power() {
  if (frame_settings.power_source != nullptr) power_on = truncate_toward_zero(frame_settings.power_source->value);
}

// Runs once per load of the module, at whichever instance draws first.
void first_draw() {
  if (first_draw_done != 0) return;
  first_draw_done = 1;
  if (frame_settings.first_draw_extras != nullptr) frame_settings.first_draw_extras();
  if (frame_settings.power_source != nullptr) power_on = 0;
}

}  // namespace

void GAUGE_CALL gauge_service(GAUGEHDR*, uint32_t service, uint32_t) {
  switch (service) {
    case service_initialize:
      bind_sound_library();
      break;
    case service_update:
      rebind_sound_library();
      refresh_tokens();
      derive_power();
      break;
    case service_draw:
      first_draw();
      break;
    case service_kill:
      release_sound_library();
      break;
    default:
      break;
  }
}
