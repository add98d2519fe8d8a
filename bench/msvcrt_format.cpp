#include "msvcrt_format.h"

#include <fmt/format.h>

#include <cstdio>
#include <cstring>
#include <string_view>

namespace bench {
namespace {

// Longer than anything a gauge formats; a width or string beyond it is refused
// rather than let a broken module make the bench build huge strings.
constexpr size_t max_field = 4096;
constexpr size_t max_format = 4096;
constexpr size_t max_string_argument = 65536;

class ArgumentReader {
 public:
  ArgumentReader(const X86Machine& machine, uint32_t address) : machine_(machine), next_(address) {}

  template <class T>
  T next() {
    T value{};
    if (!machine_.read(next_, &value, sizeof value)) {
      throw MachineFault(fmt::format("_snprintf read its arguments past the stack at 0x{:08x}", next_));
    }
    next_ += sizeof value;
    return value;
  }

  std::string next_string(size_t limit) {
    const uint32_t address = next<uint32_t>();
    if (address == 0) return "(null)";
    std::string text;
    for (char c = 0; text.size() < limit; text.push_back(c)) {
      if (!machine_.read(address + text.size(), &c, 1)) {
        throw MachineFault(fmt::format("_snprintf's %s argument at 0x{:08x} is not a readable string", address));
      }
      if (c == '\0') break;
    }
    return text;
  }

 private:
  const X86Machine& machine_;
  uint32_t next_;
};

size_t read_number(std::string_view format, size_t& at) {
  size_t number = 0;
  while (at < format.size() && format[at] >= '0' && format[at] <= '9') {
    number = number * 10 + static_cast<size_t>(format[at++] - '0');
    if (number > max_field)
      throw MachineFault(fmt::format("_snprintf's format \"{}\" asks for a field wider than {}", format, max_field));
  }
  return number;
}

template <class T>
std::string host_format(const std::string& directive, T value) {
  const int length = std::snprintf(nullptr, 0, directive.c_str(), value);
  std::string text(static_cast<size_t>(length), '\0');
  std::snprintf(text.data(), text.size() + 1, directive.c_str(), value);
  return text;
}

}  // namespace

std::string format_varargs(const X86Machine& machine, const std::string& format, uint32_t arguments) {
  ArgumentReader reader(machine, arguments);
  std::string out;
  for (size_t at = 0; at < format.size();) {
    if (format[at] != '%') {
      out.push_back(format[at++]);
      continue;
    }
    const size_t start = at++;
    while (at < format.size() && std::strchr("-+ #0", format[at]) != nullptr) ++at;
    read_number(format, at);
    std::optional<size_t> precision;
    if (at < format.size() && format[at] == '.') {
      ++at;
      precision = read_number(format, at);
    }
    if (at == format.size())
      throw MachineFault(fmt::format("_snprintf's format \"{}\" ends inside a conversion", format));
    const char conversion = format[at++];
    // The host's printf has the same meaning for every conversion accepted here.
    std::string directive = format.substr(start, at - start);
    switch (conversion) {
      case '%':
        if (at - start != 2) throw MachineFault(fmt::format("_snprintf's format \"{}\" has a malformed %%", format));
        out.push_back('%');
        break;
      case 'd':
      case 'i':
        out += host_format(directive, reader.next<int32_t>());
        break;
      case 'u':
      case 'x':
      case 'X':
        out += host_format(directive, reader.next<uint32_t>());
        break;
      case 'c':
        out += host_format(directive, static_cast<int>(reader.next<int32_t>()));
        break;
      case 'f':
        out += host_format(directive, reader.next<double>());
        break;
      case 's': {
        // The precision bounds how much of the string is read, as it bounds what is printed.
        const std::string text = reader.next_string(precision.value_or(max_string_argument));
        directive.erase(directive.find('.') == std::string::npos ? directive.size() - 1 : directive.find('.'));
        out += host_format(directive + "s", text.c_str());
        break;
      }
      default:
        throw MachineFault(
            fmt::format("_snprintf's format \"{}\" uses the conversion \"{}\", which the bench does not "
                        "provide (it provides %d %i %u %x %X %c %s %f and %%)",
                        format, format.substr(start, at - start)));
    }
  }
  return out;
}

int32_t emulated_snprintf(X86Machine& machine, uint32_t stack_pointer) {
  const auto buffer = machine.read_u32(stack_pointer + 4);
  const auto count = machine.read_u32(stack_pointer + 8);
  const auto format_address = machine.read_u32(stack_pointer + 12);
  if (!buffer || !count || !format_address) throw MachineFault("_snprintf was called with an unreadable stack");
  const auto format = machine.read_string(*format_address, max_format);
  if (!format)
    throw MachineFault(fmt::format("_snprintf's format at 0x{:08x} is not a readable string", *format_address));
  const std::string text = format_varargs(machine, *format, stack_pointer + 16);

  const bool fits = text.size() < *count;
  const size_t written = fits ? text.size() + 1 : *count;  // with the NUL only when it fits
  if (written > 0 && !machine.write(*buffer, text.c_str(), written)) {
    throw MachineFault(
        fmt::format("_snprintf wrote {} bytes to 0x{:08x}, outside the module's memory", written, *buffer));
  }
  if (text.size() > *count) return -1;
  return static_cast<int32_t>(text.size());
}

}  // namespace bench
