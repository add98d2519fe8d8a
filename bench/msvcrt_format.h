// msvcrt's bounded formatter `_snprintf`, answered by the bench for an
// emulated module: the format and its variable arguments are read from the
// module's memory and stack, and the result is written back with _snprintf's
// bounds.
#pragma once

#include <cstdint>
#include <string>

#include "x86_machine.h"

namespace bench {

// FORMAT with the variable arguments that start at `arguments` on the stack.
// Conversions: %d %i %u %x %X %c %s %f with flags, width and precision, and %%.
// Throws MachineFault naming anything else (length modifiers, %n, %*d, ...).
std::string format_varargs(const X86Machine& machine, const std::string& format, uint32_t arguments);

// int _snprintf(char* buffer, size_t count, const char* format, ...), __cdecl,
// with its return address at `stack_pointer`. Writes at most `count` bytes:
// the text and a NUL when it is shorter than `count`, else the first `count`
// bytes and no NUL. Returns the text's length, or -1 when it is longer than `count`.
int32_t emulated_snprintf(X86Machine& machine, uint32_t stack_pointer);

}  // namespace bench
