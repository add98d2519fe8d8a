#include "pe_image.h"

#include <fmt/format.h>

#include <LIEF/PE.hpp>
#include <LIEF/logging.hpp>
#include <fstream>
#include <iterator>

#include "gauge_backend.h"

namespace bench {
namespace {

// Far above any gauge (the largest is a few hundred kilobytes with its artwork).
constexpr uintmax_t max_file_size = 64 << 20;
constexpr uint32_t max_image_size = 256 << 20;

constexpr uint32_t machine_i386 = 0x14C;
constexpr uint32_t characteristic_dll = 0x2000;
constexpr uint32_t section_executes = 0x20000000;
constexpr uint32_t section_writable = 0x80000000;
constexpr uint32_t relocation_absolute = 0;  // padding
constexpr uint32_t relocation_highlow = 3;   // a 32-bit address
constexpr uint32_t resource_type_bitmap = 2;
constexpr uint32_t language_en_us = 1033;

class ImageReader {
 public:
  ImageReader(const LIEF::PE::Binary& binary, std::string module_name)
      : binary_(binary), module_(std::move(module_name)) {}

  PeImage read(const std::vector<uint8_t>& file) {
    read_headers(file);
    read_sections();
    read_relocations();
    read_imports();
    read_exports();
    read_bitmaps();
    return std::move(image_);
  }

 private:
  [[noreturn]] void fail(const std::string& what) const {
    throw ModuleError(fmt::format("module {}: {}", module_, what));
  }

  void check_inside(uint64_t rva, uint64_t size, const std::string& what) const {
    if (rva > image_.image_size || size > image_.image_size - rva) {
      fail(fmt::format("{} (0x{:x}, {} bytes) lies outside the image of 0x{:x} bytes", what, rva, size,
                       image_.image_size));
    }
  }

  void read_headers(const std::vector<uint8_t>& file) {
    const auto& header = binary_.header();
    const auto& optional = binary_.optional_header();
    if (static_cast<uint32_t>(header.machine()) != machine_i386) {
      fail(fmt::format("is not a 32-bit x86 module (machine 0x{:x})", static_cast<uint32_t>(header.machine())));
    }
    if (binary_.type() != LIEF::PE::PE_TYPE::PE32) fail("is not a 32-bit (PE32) module");
    if ((static_cast<uint32_t>(header.characteristics()) & characteristic_dll) == 0) fail("is not a DLL");
    image_.image_base = static_cast<uint32_t>(optional.imagebase());
    image_.image_size = optional.sizeof_image();
    if (optional.imagebase() > UINT32_MAX || image_.image_base % 0x10000 != 0) {
      fail(fmt::format("has the unusable image base 0x{:x}", optional.imagebase()));
    }
    if (image_.image_size == 0 || image_.image_size > max_image_size) {
      fail(fmt::format("has the unusable image size 0x{:x}", image_.image_size));
    }
    image_.entry_rva = optional.addressof_entrypoint();
    if (image_.entry_rva != 0) check_inside(image_.entry_rva, 1, "the entry point");
    image_.pages_follow_sections = optional.section_alignment() % 0x1000 == 0;
    const uint32_t headers_size = std::min<uint64_t>({optional.sizeof_headers(), file.size(), image_.image_size});
    image_.headers.assign(file.begin(), file.begin() + headers_size);
  }

  void read_sections() {
    for (const auto& section : binary_.sections()) {
      PeSection mapped;
      mapped.name = section.name();
      mapped.rva = static_cast<uint32_t>(section.virtual_address());
      auto content = section.content();
      mapped.virtual_size = section.virtual_size() != 0 ? section.virtual_size() : content.size();
      if (content.size() > mapped.virtual_size) content.resize(mapped.virtual_size);
      check_inside(section.virtual_address(), mapped.virtual_size, "section " + mapped.name);
      mapped.data = std::move(content);
      mapped.executable = (section.characteristics() & section_executes) != 0;
      mapped.writable = (section.characteristics() & section_writable) != 0;
      image_.sections.push_back(std::move(mapped));
    }
    if (image_.sections.empty()) fail("has no sections");
  }

  void read_relocations() {
    image_.has_relocations = binary_.has_relocations();
    if (!image_.has_relocations) return;
    for (const auto& block : binary_.relocations()) {
      for (const auto& entry : block.entries()) {
        const auto type = static_cast<uint32_t>(entry.type());
        if (type == relocation_absolute) continue;
        const uint64_t rva = uint64_t{block.virtual_address()} + entry.position();
        if (type != relocation_highlow) fail(fmt::format("has a base relocation of type {} at 0x{:x}", type, rva));
        check_inside(rva, 4, "a base relocation");
        image_.relocations.push_back(static_cast<uint32_t>(rva));
      }
    }
  }

  void read_imports() {
    if (!binary_.has_imports()) return;
    for (const auto& library : binary_.imports()) {
      uint32_t slot = library.import_address_table_rva();
      for (const auto& entry : library.entries()) {
        if (entry.is_ordinal()) fail(fmt::format("imports ordinal {} from {}", entry.ordinal(), library.name()));
        check_inside(slot, 4, fmt::format("the import address of {} from {}", entry.name(), library.name()));
        image_.imports.push_back({library.name(), entry.name(), slot});
        slot += 4;
      }
    }
  }

  void read_exports() {
    if (!binary_.has_exports()) return;
    for (const auto& entry : binary_.get_export().entries()) {
      if (entry.name().empty() || entry.is_extern()) continue;
      check_inside(entry.address(), 1, "export " + entry.name());
      image_.exports[entry.name()] = entry.address();
    }
  }

  // Resource tree: type, then number, then language, then the data.
  void read_bitmaps() {
    if (!binary_.has_resources()) return;
    for (const auto& type : binary_.resources().childs()) {
      if (type.has_name() || type.id() != resource_type_bitmap) continue;
      for (const auto& number : type.childs()) {
        if (number.has_name()) continue;
        for (const auto& language : number.childs()) {
          if (language.id() != language_en_us || !language.is_data()) continue;
          image_.bitmaps[static_cast<int32_t>(number.id())] =
              static_cast<const LIEF::PE::ResourceData&>(language).content();
        }
      }
    }
  }

  const LIEF::PE::Binary& binary_;
  std::string module_;
  PeImage image_;
};

}  // namespace

PeImage read_pe_image(const std::filesystem::path& module, const std::string& module_name) {
  std::error_code error;
  const uintmax_t size = std::filesystem::file_size(module, error);
  if (error) throw ModuleError(fmt::format("module {}: cannot open {}", module_name, module.string()));
  if (size > max_file_size) throw ModuleError(fmt::format("module {}: is too large ({} bytes)", module_name, size));
  std::ifstream stream(module, std::ios::binary);
  std::vector<uint8_t> file{std::istreambuf_iterator<char>(stream), {}};

  static const bool quiet = (LIEF::Logger::disable(), true);
  (void)quiet;
  std::unique_ptr<LIEF::PE::Binary> binary;
  try {
    binary = LIEF::PE::Parser::parse(file, module_name);
  } catch (const std::exception& failure) {
    throw ModuleError(fmt::format("module {}: is not a readable Windows module: {}", module_name, failure.what()));
  }
  if (!binary) throw ModuleError(fmt::format("module {}: is not a readable Windows module", module_name));
  try {
    return ImageReader(*binary, module_name).read(file);
  } catch (const ModuleError&) {
    throw;
  } catch (const std::exception& failure) {
    throw ModuleError(fmt::format("module {}: is not a readable Windows module: {}", module_name, failure.what()));
  }
}

}  // namespace bench
