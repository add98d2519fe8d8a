// The probe modules built from fixtures/ for the emulated backend's tests, and
// the tokens that tell their callbacks what to do (see fixtures/probe_gauge.cpp).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace bench::testing {

inline std::filesystem::path probe_module(const std::string& name) {
  return std::filesystem::path(GAUGE_PROBE_MODULES) / (name + ".gau");
}

namespace probe {
inline constexpr uint32_t input = 0x1;
inline constexpr uint32_t behaviour = 0x10;
inline constexpr uint32_t address = 0x11;
inline constexpr uint32_t text = 0x20;
inline constexpr uint32_t count = 0x21;

inline constexpr size_t needle = 1;
inline constexpr size_t string = 2;

enum Behaviour : uint32_t {
  returns_a_third_of_the_input,
  reads_the_address,
  writes_the_address,
  calls_the_address,
  loops_forever,
  executes_an_invalid_instruction,
  divides_by_zero,
  calls_an_unsupported_slot,
};

enum Text : uint32_t {
  no_text,
  every_conversion,
  widths_and_precisions,
  longer_than_the_buffer,
  exponent,
  long_integer
};
}  // namespace probe

}  // namespace bench::testing
