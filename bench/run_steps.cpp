#include "run_steps.h"

#include <fmt/format.h>

#include <charconv>
#include <cmath>
#include <string>

namespace bench {
namespace {

template <typename Integer>
std::optional<Integer> whole_number(std::string_view text, int base = 10) {
  Integer number{};
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return number;
}

uint32_t parse_token(std::string_view text, std::string_view setting) {
  const bool hexadecimal = text.starts_with("0x") || text.starts_with("0X");
  auto token = hexadecimal ? whole_number<uint32_t>(text.substr(2), 16) : whole_number<uint32_t>(text);
  if (!token)
    throw UsageError(
        fmt::format("--set {}: the token '{}' is not a 32-bit number (hexadecimal 0x3D or decimal 61)", setting, text));
  return *token;
}

double parse_value(std::string_view text, std::string_view setting) {
  if (text == "nan") return std::nan("");
  if (text == "inf") return INFINITY;
  if (text == "-inf") return -INFINITY;
  double value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    throw UsageError(fmt::format("--set {}: the value '{}' is not a decimal number, nan, inf or -inf", setting, text));
  return value;
}

}  // namespace

SetToken parse_setting(std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos)
    throw UsageError(fmt::format("--set {}: expected TOKEN=VALUE, such as 0x3D=95.5", text));
  return {parse_token(text.substr(0, equals), text), parse_value(text.substr(equals + 1), text)};
}

RunFrames parse_frame_count(std::string_view text) {
  auto count = whole_number<int>(text);
  if (!count || *count < 0) throw UsageError(fmt::format("--frames {}: expected a number of frames, 0 or more", text));
  return {*count};
}

Click parse_click(std::string_view text) {
  const size_t comma = text.find(',');
  auto x = whole_number<int32_t>(text.substr(0, comma));
  auto y = comma == std::string_view::npos ? std::nullopt : whole_number<int32_t>(text.substr(comma + 1));
  if (!x || !y) throw UsageError(fmt::format("--click {}: expected X,Y in whole pixels, such as 55,290", text));
  return {{*x, *y}};
}

void perform(GaugeSession& session, const RunStep& step) {
  std::visit(
      [&session](const auto& action) {
        using Action = std::decay_t<decltype(action)>;
        if constexpr (std::is_same_v<Action, SetToken>) session.set_token(action.token, action.value);
        if constexpr (std::is_same_v<Action, RunFrames>) session.run_frames(action.count);
        if constexpr (std::is_same_v<Action, Click>) session.click(action.point);
        if constexpr (std::is_same_v<Action, AddInstance>) session.add_instance();
        if constexpr (std::is_same_v<Action, KillInstance>) session.kill_instance();
      },
      step);
}

}  // namespace bench
