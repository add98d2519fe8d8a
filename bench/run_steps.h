// The steps of a scripted run, as `gauge-bench run` takes them on its command
// line, and the reading of each step's argument.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string_view>
#include <variant>

#include "gauge_model.h"
#include "gauge_session.h"

namespace bench {

// An argument the bench cannot read; the message says which and why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct SetToken {  // --set TOKEN=VALUE
  uint32_t token = 0;
  double value = 0;
};
struct RunFrames {  // --frames N
  int count = 0;
};
struct Click {  // --click X,Y
  Point point;
};
struct AddInstance {};   // --add-instance
struct KillInstance {};  // --kill-instance

using RunStep = std::variant<SetToken, RunFrames, Click, AddInstance, KillInstance>;

// TOKEN is hexadecimal with "0x" (0x3D) or decimal, and fits 32 bits; VALUE is
// a decimal number or "nan", "inf", "-inf".
SetToken parse_setting(std::string_view text);
RunFrames parse_frame_count(std::string_view text);  // 0 or more
Click parse_click(std::string_view text);            // "X,Y", whole numbers

void perform(GaugeSession& session, const RunStep& step);

}  // namespace bench
