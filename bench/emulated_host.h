// The bench's side of an emulated module's calls out of itself: the functions
// it imports from kernel32 and msvcrt, the simulator's panel function table,
// and the sound library's entry points. Each is a trap address in the
// machine; the handlers map the calls onto the PanelServices, popping their
// arguments as __stdcall does (the msvcrt formatter is __cdecl).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "panel_services.h"
#include "x86_machine.h"

namespace bench {

class EmulatedHost : public TrapHandler {
 public:
  // Maps the bench's data region into `machine` and writes the panel table there.
  EmulatedHost(X86Machine& machine, PanelServices& services);

  // The trap address that answers `function` imported from `library`, or
  // nothing when the bench does not provide it.
  std::optional<uint32_t> import_address(const std::string& library, const std::string& function) const;
  uint32_t panel_table_address() const { return panel_table_; }

  // Zeroed memory of the bench's own in the machine (text buffers).
  uint32_t allocate(uint32_t size);

  TrapReturn handle_trap(uint32_t trap, uint32_t stack_pointer) override;

 private:
  uint32_t argument(uint32_t stack_pointer, int index) const;
  std::string string_argument(uint32_t stack_pointer, int index, std::string_view function) const;
  TrapReturn panel_slot(int slot, uint32_t stack_pointer);

  X86Machine& machine_;
  PanelServices& services_;
  uint32_t panel_table_ = 0;
  uint32_t next_free_ = 0;
};

}  // namespace bench
