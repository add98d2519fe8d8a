#include "pe_loader.h"

#include <fmt/format.h>

#include "gauge_backend.h"

namespace bench {
namespace {

// Where a module goes when its own base lies in memory the bench reserves.
constexpr uint32_t fallback_base = 0x10000000;
constexpr uint32_t lowest_base = 0x10000;  // the first 64 KiB stay unmapped, so null pointers fault

uint32_t round_to_pages(uint32_t size) {
  return (size + x86::page_size - 1) & ~(x86::page_size - 1);
}

bool fits_below_reserved(uint32_t base, uint32_t size) {
  return base >= lowest_base && base < x86::reserved_begin && size <= x86::reserved_begin - base;
}

Access section_access(const PeSection& section) {
  if (section.executable) return section.writable ? Access::read_write_execute : Access::read_execute;
  return section.writable ? Access::read_write : Access::read_only;
}

}  // namespace

LoadedImage load_pe_image(const PeImage& image, X86Machine& machine, const EmulatedHost& host,
                          const std::string& module_name) {
  const auto fail = [&](const std::string& what) {
    return ModuleError(fmt::format("module {}: {}", module_name, what));
  };
  const uint32_t size = round_to_pages(image.image_size);
  LoadedImage loaded;
  loaded.base = image.image_base;
  if (!fits_below_reserved(loaded.base, size)) {
    if (!image.has_relocations) {
      throw fail(
          fmt::format("must be loaded at 0x{:08x}, where the bench cannot place it, and has no base "
                      "relocations to move it",
                      image.image_base));
    }
    loaded.base = fallback_base;
  }

  try {
    machine.map(loaded.base, size, Access::read_write);
  } catch (const MachineFault& fault) {
    throw fail(fault.what());
  }
  machine.write(loaded.base, image.headers.data(), image.headers.size());
  for (const auto& section : image.sections) {
    machine.write(loaded.base + section.rva, section.data.data(), section.data.size());
  }

  const uint32_t delta = loaded.base - image.image_base;
  if (delta != 0) {
    for (uint32_t rva : image.relocations) {
      uint32_t value = *machine.read_u32(loaded.base + rva);
      value += delta;
      machine.write(loaded.base + rva, &value, sizeof value);
    }
  }

  for (const auto& import : image.imports) {
    const auto address = host.import_address(import.library, import.function);
    if (!address) {
      throw fail(fmt::format("imports {} from {}, which the bench does not provide", import.function, import.library));
    }
    machine.write(loaded.base + import.address_rva, &*address, sizeof *address);
  }

  if (image.pages_follow_sections) {
    machine.protect(loaded.base, size, Access::read_only);
    for (const auto& section : image.sections) {
      if (section.virtual_size == 0) continue;
      machine.protect(loaded.base + section.rva, round_to_pages(section.virtual_size), section_access(section));
    }
  } else {
    machine.protect(loaded.base, size, Access::read_write_execute);
  }

  if (image.entry_rva != 0) loaded.entry_point = loaded.base + image.entry_rva;
  for (const auto& [name, rva] : image.exports) loaded.exports[name] = loaded.base + rva;
  return loaded;
}

}  // namespace bench
