// The two records every module exports, and the shared empty lists.
#include "gauge_frame.h"

namespace {
void GAUGE_CALL module_init() {}
void GAUGE_CALL module_deinit() {}
}  // namespace

constinit GAUGESLINKAGE Linkage = {
    .module_id = 0x13,
    .module_init = module_init,
    .module_deinit = module_deinit,
    .flags = 0,
    .module_priority = 0,
    .module_version = 0x0800,
    .gauge_header_ptr = {&gauge_header, nullptr},
};

constinit GAUGESIMPORT ImportTable = {
    .panels = {.fnid = 0x0F, .funcptr = nullptr},
    .end = {.fnid = 0, .funcptr = nullptr},
};

constinit FAILURE_RECORD no_failures[1] = {{.failure_key = 0, .failure_action = 0, .reserved = 0}};

constinit const void* const tooltip_no_arguments[1] = {nullptr};
