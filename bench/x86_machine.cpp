#include "x86_machine.h"

#include <fmt/format.h>
#include <unicorn/unicorn.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <limits>
#include <utility>
#include <vector>

namespace bench {
namespace {

// ST(0) is read as the 80-bit register it is; the host's long double is the
// same format, so converting it to double rounds exactly as the x87 would.
static_assert(std::numeric_limits<long double>::digits == 64, "long double must be the x87 extended format");

// Windows starts a thread's x87 unit with every exception masked and 53-bit
// precision; results then round to double as the native build's do.
constexpr uint32_t windows_x87_control_word = 0x027F;
constexpr uint32_t x87_all_empty_tags = 0xFFFF;
constexpr uint32_t initial_flags = 0x202;  // interrupts enabled, direction flag clear

uint32_t unicorn_access(Access access) {
  switch (access) {
    case Access::read_only:
      return UC_PROT_READ;
    case Access::read_write:
      return UC_PROT_READ | UC_PROT_WRITE;
    case Access::read_execute:
      return UC_PROT_READ | UC_PROT_EXEC;
    case Access::read_write_execute:
      return UC_PROT_ALL;
  }
  return UC_PROT_READ;
}

std::string exception_name(uint32_t vector) {
  switch (vector) {
    case 0:
      return "divide error";
    case 3:
      return "breakpoint";
    case 4:
      return "overflow";
    case 5:
      return "bound range exceeded";
    case 6:
      return "invalid opcode";
    case 13:
      return "general protection fault";
    default:
      return fmt::format("interrupt {}", vector);
  }
}

}  // namespace

struct X86Machine::Stop {
  enum class Cause { none, budget, memory, interrupt, trap_refused };
  Cause cause = Cause::none;
  uint32_t instruction = 0;  // the last instruction begun
  uc_mem_type memory_access = UC_MEM_READ;
  uint64_t memory_address = 0;
  uint32_t interrupt = 0;
  std::exception_ptr trap_error;
  X86Machine* machine = nullptr;
  TrapHandler* traps = nullptr;  // for the call running
};

void X86Machine::on_instruction(uc_struct* uc, uint64_t address, uint32_t, void* data) {
  auto* stop = static_cast<Stop*>(data);
  X86Machine& machine = *stop->machine;
  stop->instruction = static_cast<uint32_t>(address);
  if (++machine.instructions_executed_ > machine.call_budget_end_) {
    stop->cause = Stop::Cause::budget;
    uc_emu_stop(uc);
  } else if (address >= x86::trap_begin && address < x86::trap_begin + x86::trap_count) {
    // Answered here, before the trap's own `ret` runs: the processor goes on without a restart.
    try {
      machine.answer_trap(static_cast<uint32_t>(address));
    } catch (...) {
      stop->cause = Stop::Cause::trap_refused;
      stop->trap_error = std::current_exception();
      uc_emu_stop(uc);
    }
  }
}

namespace {

bool note_bad_access(uc_engine*, uc_mem_type type, uint64_t address, int, int64_t, void* data) {
  auto* stop = static_cast<X86Machine::Stop*>(data);
  stop->cause = X86Machine::Stop::Cause::memory;
  stop->memory_access = type;
  stop->memory_address = address;
  return false;
}

void note_interrupt(uc_engine* uc, uint32_t vector, void* data) {
  auto* stop = static_cast<X86Machine::Stop*>(data);
  stop->cause = X86Machine::Stop::Cause::interrupt;
  stop->interrupt = vector;
  uc_emu_stop(uc);
}

std::string describe_bad_access(uc_mem_type type, uint64_t address) {
  switch (type) {
    case UC_MEM_READ_UNMAPPED:
      return fmt::format("read unmapped memory at 0x{:08x}", address);
    case UC_MEM_WRITE_UNMAPPED:
      return fmt::format("wrote to unmapped memory at 0x{:08x}", address);
    case UC_MEM_WRITE_PROT:
      return fmt::format("wrote to read-only memory at 0x{:08x}", address);
    case UC_MEM_READ_PROT:
      return fmt::format("read unreadable memory at 0x{:08x}", address);
    case UC_MEM_FETCH_PROT:
      return fmt::format("executed data at 0x{:08x}", address);
    default:
      return fmt::format("made a bad access at 0x{:08x}", address);
  }
}

}  // namespace

X86Machine::X86Machine() : stop_(std::make_unique<Stop>()) {
  if (uc_err error = uc_open(UC_ARCH_X86, UC_MODE_32, &uc_); error != UC_ERR_OK) {
    throw MachineFault(fmt::format("the x86 emulator cannot start: {}", uc_strerror(error)));
  }
  stop_->machine = this;
  uc_hook hook;
  uc_hook_add(uc_, &hook, UC_HOOK_CODE, reinterpret_cast<void*>(on_instruction), stop_.get(), 1, 0);
  uc_hook_add(uc_, &hook,
              UC_HOOK_MEM_READ_UNMAPPED | UC_HOOK_MEM_WRITE_UNMAPPED | UC_HOOK_MEM_READ_PROT | UC_HOOK_MEM_WRITE_PROT |
                  UC_HOOK_MEM_FETCH_PROT,
              reinterpret_cast<void*>(note_bad_access), stop_.get(), 1, 0);
  uc_hook_add(uc_, &hook, UC_HOOK_INTR, reinterpret_cast<void*>(note_interrupt), stop_.get(), 1, 0);
  map(x86::stack_begin, x86::stack_size, Access::read_write);
  // Every trap address holds a `ret`, run after the host has answered the call.
  map(x86::trap_begin, x86::trap_count, Access::read_execute);
  const std::vector<uint8_t> returns(x86::trap_count, 0xC3);
  write(x86::trap_begin, returns.data(), returns.size());
}

X86Machine::~X86Machine() {
  uc_close(uc_);
}

void X86Machine::map(uint32_t address, uint32_t size, Access access) {
  Region region{
      address,
      size,
      {static_cast<uint8_t*>(std::aligned_alloc(x86::page_size, size)), std::free},
      std::vector<bool>(size / x86::page_size, access == Access::read_execute || access == Access::read_write_execute)};
  if (!region.bytes || address % x86::page_size != 0 || size % x86::page_size != 0) {
    throw MachineFault(fmt::format("cannot map 0x{:x} bytes at 0x{:08x}", size, address));
  }
  std::memset(region.bytes.get(), 0, size);
  if (uc_err error = uc_mem_map_ptr(uc_, address, size, unicorn_access(access), region.bytes.get());
      error != UC_ERR_OK) {
    throw MachineFault(fmt::format("cannot map 0x{:x} bytes at 0x{:08x}: {}", size, address, uc_strerror(error)));
  }
  regions_.push_back(std::move(region));
}

void X86Machine::protect(uint32_t address, uint32_t size, Access access) {
  if (uc_err error = uc_mem_protect(uc_, address, size, unicorn_access(access)); error != UC_ERR_OK) {
    throw MachineFault(fmt::format("cannot protect 0x{:x} bytes at 0x{:08x}: {}", size, address, uc_strerror(error)));
  }
  Region* region = region_of(address, size);
  const bool executable = access == Access::read_execute || access == Access::read_write_execute;
  for (uint32_t page = 0; region != nullptr && page < size / x86::page_size; ++page) {
    region->executable_pages[(address - region->begin) / x86::page_size + page] = executable;
  }
}

X86Machine::Region* X86Machine::region_of(uint64_t address, size_t size) {
  return const_cast<Region*>(std::as_const(*this).region_of(address, size));
}

const X86Machine::Region* X86Machine::region_of(uint64_t address, size_t size) const {
  for (const auto& region : regions_) {
    if (address >= region.begin && address - region.begin <= region.size &&
        size <= region.size - (address - region.begin)) {
      return &region;
    }
  }
  return nullptr;
}

bool X86Machine::read(uint64_t address, void* out, size_t size) const {
  if (size == 0) return true;
  if (const Region* region = region_of(address, size)) {
    std::memcpy(out, region->bytes.get() + (address - region->begin), size);
    return true;
  }
  if (address > UINT32_MAX || size > UINT32_MAX - address + 1) return false;
  return uc_mem_read(uc_, address, out, size) == UC_ERR_OK;
}

bool X86Machine::write(uint64_t address, const void* data, size_t size) {
  if (size == 0) return true;
  Region* region = region_of(address, size);
  if (region == nullptr) {
    if (address > UINT32_MAX || size > UINT32_MAX - address + 1) return false;
    return uc_mem_write(uc_, address, data, size) == UC_ERR_OK;
  }
  const size_t offset = address - region->begin;
  const auto first_page = region->executable_pages.begin() + offset / x86::page_size;
  const auto end_page = region->executable_pages.begin() + (offset + size + x86::page_size - 1) / x86::page_size;
  if (std::find(first_page, end_page, true) != end_page) return uc_mem_write(uc_, address, data, size) == UC_ERR_OK;
  std::memcpy(region->bytes.get() + offset, data, size);
  return true;
}

std::optional<uint32_t> X86Machine::read_u32(uint32_t address) const {
  uint32_t value = 0;
  if (!read(address, &value, sizeof value)) return std::nullopt;
  return value;
}

std::optional<std::string> X86Machine::read_string(uint32_t address, size_t limit) const {
  std::string text;
  char chunk[64];
  for (;;) {
    // Byte by byte where a chunk would cross into unmapped memory.
    size_t size = read(address + text.size(), chunk, sizeof chunk) ? sizeof chunk : 1;
    if (size == 1 && !read(address + text.size(), chunk, 1)) return std::nullopt;
    for (size_t i = 0; i < size; ++i) {
      if (chunk[i] == '\0') return text;
      if (text.size() == limit) return std::nullopt;
      text.push_back(chunk[i]);
    }
  }
}

uint32_t X86Machine::register_value(int reg) const {
  uint32_t value = 0;
  uc_reg_read(uc_, reg, &value);
  return value;
}

void X86Machine::set_register(int reg, uint32_t value) {
  uc_reg_write(uc_, reg, &value);
}

CallResult X86Machine::call(uint32_t function, std::span<const uint32_t> arguments, TrapHandler& traps,
                            uint64_t instruction_budget) {
  // The arguments start on a 16-byte boundary, as a compiler's caller leaves them.
  const uint32_t arguments_at = (x86::stack_begin + x86::stack_size - 64 - 4 * arguments.size()) & ~15u;
  std::vector<uint32_t> frame{x86::return_trap};
  frame.insert(frame.end(), arguments.begin(), arguments.end());
  write(arguments_at - 4, frame.data(), frame.size() * sizeof(uint32_t));

  for (int reg : {UC_X86_REG_EAX, UC_X86_REG_EBX, UC_X86_REG_ECX, UC_X86_REG_EDX, UC_X86_REG_ESI, UC_X86_REG_EDI,
                  UC_X86_REG_EBP}) {
    set_register(reg, 0);
  }
  set_register(UC_X86_REG_ESP, arguments_at - 4);
  set_register(UC_X86_REG_EFLAGS, initial_flags);
  set_register(UC_X86_REG_FPCW, windows_x87_control_word);
  set_register(UC_X86_REG_FPSW, 0);
  set_register(UC_X86_REG_FPTAG, x87_all_empty_tags);

  call_budget_ = instruction_budget;
  call_budget_end_ = instructions_executed_ + instruction_budget;
  run(function, traps);

  const uint32_t expected_stack = arguments_at + 4 * static_cast<uint32_t>(arguments.size());
  if (uint32_t stack = register_value(UC_X86_REG_ESP); stack != expected_stack) {
    throw MachineFault(
        fmt::format("returned with its stack pointer {} bytes off (0x{:08x} instead of 0x{:08x}): "
                    "not a __stdcall function of {} arguments",
                    static_cast<int32_t>(stack - expected_stack), stack, expected_stack, arguments.size()));
  }
  return {register_value(UC_X86_REG_EAX), x87_top()};
}

void X86Machine::run(uint32_t from, TrapHandler& traps) {
  stop_->cause = Stop::Cause::none;
  stop_->instruction = from;
  stop_->traps = &traps;
  const uc_err error = uc_emu_start(uc_, from, x86::return_trap, 0, 0);
  stop_->traps = nullptr;
  const uint32_t at = stop_->instruction;
  switch (stop_->cause) {
    case Stop::Cause::budget:
      throw MachineFault(
          fmt::format("ran past its budget of {} instructions (a runaway loop?) at 0x{:08x}", call_budget_, at));
    case Stop::Cause::memory:
      throw MachineFault(fmt::format("{} (instruction at 0x{:08x})",
                                     describe_bad_access(stop_->memory_access, stop_->memory_address), at));
    case Stop::Cause::interrupt:
      throw MachineFault(fmt::format("raised CPU exception {} ({}) at 0x{:08x}", stop_->interrupt,
                                     exception_name(stop_->interrupt), at));
    case Stop::Cause::trap_refused:
      std::rethrow_exception(stop_->trap_error);
    case Stop::Cause::none:
      break;
  }
  const uint32_t eip = register_value(UC_X86_REG_EIP);
  if (error == UC_ERR_OK && eip == x86::return_trap) return;
  if (error == UC_ERR_FETCH_UNMAPPED) {
    throw MachineFault(
        fmt::format("jumped to 0x{:08x}, where there is no code (last instruction at 0x{:08x})", eip, at));
  }
  if (error == UC_ERR_OK) throw MachineFault(fmt::format("stopped at 0x{:08x} without returning", eip));
  fail(error);
}

// The callee's arguments are popped by moving its return address up over them,
// so that the trap's `ret` leaves the stack as `ret 4*n` would.
void X86Machine::answer_trap(uint32_t trap) {
  const uint32_t stack = register_value(UC_X86_REG_ESP);
  const auto return_address = read_u32(stack);
  if (!return_address) throw MachineFault(fmt::format("called 0x{:08x} with an unreadable stack", trap));
  const TrapReturn answer = stop_->traps->handle_trap(trap, stack);
  const uint32_t new_stack = stack + 4 * answer.popped_arguments;
  if (!write(new_stack, &*return_address, sizeof *return_address)) {
    throw MachineFault(fmt::format("called 0x{:08x} with fewer arguments on the stack than it takes", trap));
  }
  set_register(UC_X86_REG_ESP, new_stack);
  set_register(UC_X86_REG_EAX, answer.eax);
}

void X86Machine::fail(int error) const {
  const uint32_t eip = register_value(UC_X86_REG_EIP);
  if (error == UC_ERR_INSN_INVALID) throw MachineFault(fmt::format("executed an invalid instruction at 0x{:08x}", eip));
  throw MachineFault(fmt::format("stopped at 0x{:08x}: {}", eip, uc_strerror(static_cast<uc_err>(error))));
}

std::optional<double> X86Machine::x87_top() const {
  // Exactly one value on the x87 stack: TOP moved from 0 to 7 and register 7 is not empty.
  const uint32_t status = register_value(UC_X86_REG_FPSW);
  const uint32_t tags = register_value(UC_X86_REG_FPTAG);
  if (((status >> 11) & 7) != 7 || ((tags >> 14) & 3) == 3) return std::nullopt;
  uint8_t extended[16] = {};
  uc_reg_read(uc_, UC_X86_REG_ST0, extended);
  long double value = 0;
  std::memcpy(&value, extended, 10);
  return static_cast<double>(value);
}

}  // namespace bench
