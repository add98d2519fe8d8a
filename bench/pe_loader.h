// Places a module image in the machine's memory as the Windows loader would:
// sections at the image base (moved by its base relocations when the base is
// not free), imports bound to the bench's trap addresses, each section's
// pages protected as its flags say.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "emulated_host.h"
#include "pe_image.h"
#include "x86_machine.h"

namespace bench {

struct LoadedImage {
  uint32_t base = 0;
  uint32_t entry_point = 0;                 // 0 when the module has none
  std::map<std::string, uint32_t> exports;  // name to address
};

// Throws ModuleError naming `module_name`, and the library and function of an
// import the bench does not provide.
LoadedImage load_pe_image(const PeImage& image, X86Machine& machine, const EmulatedHost& host,
                          const std::string& module_name);

}  // namespace bench
