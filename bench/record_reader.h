// Reads a module's records (linkage, gauge header, element chain, calibration
// tables, mouse rectangles) into the neutral description, and finds the
// addresses the simulator calls. One reader for both builds: the layout type
// gives the record offsets and the pointer size.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "gauge_model.h"
#include "module_memory.h"

namespace bench {

struct ModuleRecords {
  GaugeDescription description;
  uint64_t gauge_header = 0;
  uint64_t service_callback = 0;
  uint64_t panels_pointer_field = 0;  // where the function table's address goes
  std::vector<uint64_t> element_addresses;
  std::vector<std::vector<uint64_t>> value_callbacks;      // per element, in calling order
  std::vector<uint64_t> mouse_callbacks;                   // per mouse rectangle; 0 where it has none
  std::vector<uint64_t> text_buffer_fields;                // per element: its text-buffer pointer field, or 0
  std::vector<std::vector<uint64_t>> source_value_fields;  // per element: the value field of each source variable
};

enum class RecordLayout { native64, win32 };

// Throws ModuleError naming `module_name` and what is wrong when a record is
// missing, unreadable, or not a gauge this bench can drive.
ModuleRecords read_module_records(const ModuleMemory& memory, RecordLayout layout, uint64_t linkage,
                                  uint64_t import_table, const std::string& module_name);

}  // namespace bench
