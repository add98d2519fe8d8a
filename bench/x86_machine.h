// A 32-bit x86 processor (unicorn) with a memory of its own, in which the
// bench runs a shipped module's code. No host code runs inside it: a call that
// leaves the module for one of the trap addresses (each holds a `ret`) is seen
// by the processor's instruction hook and answered by the host's TrapHandler
// before that `ret` takes the module back.
//
// The top of the address space belongs to the bench: its data (panel table,
// text buffers) from `reserved_begin`, the trap addresses, and the stack. A
// module image is placed below it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "module_memory.h"

struct uc_struct;

namespace bench {

// A call into the module that went wrong: a fault of the module, or a trap
// handler refusing what the module asked. The message says what and where.
class MachineFault : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

namespace x86 {
inline constexpr uint32_t page_size = 0x1000;
inline constexpr uint32_t reserved_begin = 0xE0000000;  // module images lie below
inline constexpr uint32_t host_data_begin = reserved_begin;
inline constexpr uint32_t host_data_size = 0x100000;
inline constexpr uint32_t trap_begin = 0xEF000000;  // calling here traps to the host
inline constexpr uint32_t trap_count = 0x1000;
inline constexpr uint32_t return_trap = trap_begin;  // where the outermost call returns to
inline constexpr uint32_t stack_begin = 0xF0000000;
inline constexpr uint32_t stack_size = 0x100000;  // as a Windows thread's default

// A runaway loop is stopped after this many instructions in one call; a frame
// of the largest gauge executes a few thousand.
inline constexpr uint64_t default_instruction_budget = 20'000'000;
}  // namespace x86

enum class Access { read_only, read_write, read_execute, read_write_execute };

// What a trap handler asks of the machine when it returns to the module.
struct TrapReturn {
  uint32_t eax = 0;
  uint32_t popped_arguments = 0;  // 32-bit stack words the callee removes (__stdcall); 0 for __cdecl
};

class TrapHandler {
 public:
  virtual ~TrapHandler() = default;
  // The module called `trap`; its arguments lie above the return address at
  // `stack_pointer`. Throws MachineFault to stop the call.
  virtual TrapReturn handle_trap(uint32_t trap, uint32_t stack_pointer) = 0;
};

// What a function returned: EAX, and ST(0) when it left one value on the x87 stack.
struct CallResult {
  uint32_t eax = 0;
  std::optional<double> st0;
};

class X86Machine : public ModuleMemory {
 public:
  X86Machine();
  ~X86Machine() override;
  X86Machine(const X86Machine&) = delete;
  X86Machine& operator=(const X86Machine&) = delete;

  // Maps zeroed, page-aligned memory; throws MachineFault when it cannot.
  void map(uint32_t address, uint32_t size, Access access);
  void protect(uint32_t address, uint32_t size, Access access);

  bool read(uint64_t address, void* out, size_t size) const override;
  bool write(uint64_t address, const void* data, size_t size) override;
  std::optional<uint32_t> read_u32(uint32_t address) const;
  // The NUL-terminated string at `address`, at most `limit` characters; nothing when unreadable or longer.
  std::optional<std::string> read_string(uint32_t address, size_t limit) const;

  // Calls `function` as __stdcall with `arguments` on a fresh stack and x87
  // unit (control word as Windows sets it: 53-bit precision, exceptions masked).
  // Traps go to `traps`. Throws MachineFault when the module faults, calls an
  // unknown address, runs past `instruction_budget`, or returns with its stack
  // not as __stdcall leaves it.
  CallResult call(uint32_t function, std::span<const uint32_t> arguments, TrapHandler& traps,
                  uint64_t instruction_budget = x86::default_instruction_budget);

  uint64_t instructions_executed() const { return instructions_executed_; }  // since the machine was made

  struct Stop;  // why the processor stopped, noted by its hooks

 private:
  static void on_instruction(uc_struct* uc, uint64_t address, uint32_t size, void* data);
  void run(uint32_t from, TrapHandler& traps);
  void answer_trap(uint32_t trap);
  [[noreturn]] void fail(int error) const;
  uint32_t register_value(int reg) const;
  void set_register(int reg, uint32_t value);
  std::optional<double> x87_top() const;

  // Memory mapped from the bench's own buffers: the bench reads and writes it
  // directly, sparing unicorn's check for changed code on every write, which
  // would otherwise cost more than the module's own instructions. Pages
  // holding code are still written through unicorn, so that it sees the change.
  struct Region {
    uint32_t begin = 0;
    uint32_t size = 0;
    std::unique_ptr<uint8_t, void (*)(void*)> bytes{nullptr, nullptr};
    std::vector<bool> executable_pages;
  };
  Region* region_of(uint64_t address, size_t size);
  const Region* region_of(uint64_t address, size_t size) const;

  uc_struct* uc_ = nullptr;
  std::vector<Region> regions_;
  std::unique_ptr<Stop> stop_;
  uint64_t instructions_executed_ = 0;
  uint64_t call_budget_ = 0;
  uint64_t call_budget_end_ = 0;
};

}  // namespace bench
