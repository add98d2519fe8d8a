// Read access to a loaded module's memory, bounded to what the module maps, so
// that the records of a broken module are read without touching anything else.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

class ModuleMemory {
 public:
  virtual ~ModuleMemory() = default;
  // Copies `size` bytes at `address`; false when any of them lies outside the module's memory.
  virtual bool read(uint64_t address, void* out, size_t size) const = 0;
  virtual bool write(uint64_t address, const void* data, size_t size) = 0;
};

}  // namespace bench
