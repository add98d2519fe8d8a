// What the bench needs of a 32-bit Windows module file, read with LIEF and
// checked so that mapping it can trust every number: its sections, base
// relocations, imports, exports, entry point and bitmap resources.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace bench {

struct PeSection {
  std::string name;
  uint32_t rva = 0;
  uint32_t virtual_size = 0;  // in memory, page-rounded by the loader
  std::vector<uint8_t> data;  // the file's bytes; the rest of the section is zero
  bool executable = false;
  bool writable = false;
};

struct PeImport {
  std::string library;
  std::string function;
  uint32_t address_rva = 0;  // the import address table slot the loader fills
};

struct PeImage {
  uint32_t image_base = 0;
  uint32_t image_size = 0;
  uint32_t entry_rva = 0;              // 0 when the module has no entry point
  bool pages_follow_sections = false;  // sections are page-aligned, so each can have its own protection
  std::vector<uint8_t> headers;
  std::vector<PeSection> sections;
  bool has_relocations = false;
  std::vector<uint32_t> relocations;  // RVAs of 32-bit absolute addresses
  std::vector<PeImport> imports;
  std::map<std::string, uint32_t> exports;          // name to RVA
  std::map<int32_t, std::vector<uint8_t>> bitmaps;  // resource number to device-independent bitmap
};

// Reads and checks MODULE; throws ModuleError naming `module_name` and what is
// wrong with a file that is not a 32-bit x86 DLL the bench can map.
PeImage read_pe_image(const std::filesystem::path& module, const std::string& module_name);

}  // namespace bench
