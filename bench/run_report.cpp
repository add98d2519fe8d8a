#include "run_report.h"

#include <fmt/format.h>

#include <cmath>

#include "latin1.h"

namespace bench {
namespace {

nlohmann::ordered_json json_numbers(const std::vector<double>& values) {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (double value : values) list.push_back(json_number(value));
  return list;
}

template <typename Value>
nlohmann::ordered_json or_null(const std::optional<Value>& value) {
  return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json element_report(const Element& element, size_t index, const ElementValues* values,
                                      const Placement& placement) {
  nlohmann::ordered_json entry{{"index", index + 1}, {"kind", kind_name(element.kind)}};
  if (element.kind != ElementKind::string) entry["resource"] = element.resource;
  const bool one_value =
      element.kind == ElementKind::needle || element.kind == ElementKind::icon || element.kind == ElementKind::string;
  if (values != nullptr && one_value && !values->values.empty()) entry["value"] = json_number(values->values[0]);
  if (values != nullptr && !one_value && !values->values.empty()) entry["values"] = json_numbers(values->values);
  if (values != nullptr && element.kind == ElementKind::needle) entry["angle"] = or_null(placement.angle);
  if (values != nullptr && element.kind == ElementKind::icon) entry["picture"] = or_null(placement.picture);
  if (element.kind == ElementKind::string) {
    entry["text"] = latin1_to_utf8(placement.text);
    entry["flags"] = placement.image_flags;
    entry["hidden"] = (placement.image_flags & hidden_bit) != 0;
    entry["lit"] = (placement.image_flags & lit_bit) != 0;
  }
  return entry;
}

}  // namespace

nlohmann::ordered_json json_number(double value) {
  if (std::isnan(value)) return "nan";
  if (std::isinf(value)) return value > 0 ? "inf" : "-inf";
  return value;
}

nlohmann::ordered_json run_report(GaugeSession& session, std::span<const Placement> placements) {
  const GaugeDescription& gauge = session.description();
  const auto& frame = session.last_frame();
  nlohmann::ordered_json report{{"module", gauge.module_name},
                                {"format", session.backend().format()},
                                {"tooltip", gauge.tooltip ? nlohmann::ordered_json(latin1_to_utf8(*gauge.tooltip))
                                                          : nlohmann::ordered_json(nullptr)}};

  nlohmann::ordered_json elements = nlohmann::ordered_json::array();
  nlohmann::ordered_json faults = nlohmann::ordered_json::array();
  for (const std::string& fault : session.services().faults()) faults.push_back(fault);
  for (const std::string& fault : session.services().sound().faults()) faults.push_back(fault);
  for (size_t index = 0; index < gauge.elements.size() && index < placements.size(); ++index) {
    elements.push_back(element_report(gauge.elements[index], index, index < frame.size() ? &frame[index] : nullptr,
                                      placements[index]));
    if (!placements[index].note.empty())
      faults.push_back(fmt::format("element {}: {}", index + 1, placements[index].note));
  }
  report["elements"] = std::move(elements);

  nlohmann::ordered_json click_areas = nlohmann::ordered_json::array();
  for (const ClickArea& area : gauge.click_areas) {
    click_areas.push_back({{"box", {area.box.x, area.box.y, area.box.width, area.box.height}},
                           {"cursor", area.cursor},
                           {"flags", area.mouse_flags}});
  }
  report["click_areas"] = std::move(click_areas);

  nlohmann::ordered_json key_events = nlohmann::ordered_json::array();
  for (const KeyEvent& event : session.services().key_events()) key_events.push_back({event.event, event.value});
  report["key_events"] = std::move(key_events);

  const SoundCounts& sound = session.services().sound().counts();
  report["sound"] = {{"loads", sound.loads}, {"releases", sound.releases}, {"terminate_calls", sound.terminate_calls}};
  report["faults"] = std::move(faults);
  return report;
}

std::string run_summary(const nlohmann::ordered_json& report) {
  std::string summary = fmt::format("{} ({} module), tooltip {}\n", report["module"].get<std::string>(),
                                    report["format"].get<std::string>(), report["tooltip"].dump());
  for (const auto& element : report["elements"]) {
    std::string line = fmt::format("  {:>2} {:<7}", element["index"].get<int>(), element["kind"].get<std::string>());
    if (element.contains("resource")) line += fmt::format(" 0x{:04X}", element["resource"].get<int32_t>());
    if (element.contains("value")) line += " value " + element["value"].dump();
    if (element.contains("values")) line += " values " + element["values"].dump();
    if (element.contains("angle")) line += " at " + element["angle"].dump() + " degrees";
    if (element.contains("picture")) line += " shows " + element["picture"].dump();
    if (element.contains("text"))
      line += fmt::format(" {} \"{}\"", element["hidden"].get<bool>() ? "hidden" : "shown",
                          element["text"].get<std::string>());
    summary += line + "\n";
  }
  for (const auto& event : report["key_events"]) {
    summary += fmt::format("  key event 0x{:X} value {}\n", event[0].get<uint32_t>(), event[1].get<uint32_t>());
  }
  const auto& sound = report["sound"];
  summary += fmt::format("  sound library: {} loads, {} releases, {} TerminateSounds calls\n",
                         sound["loads"].get<int>(), sound["releases"].get<int>(), sound["terminate_calls"].get<int>());
  for (const auto& fault : report["faults"]) summary += "  fault: " + fault.get<std::string>() + "\n";
  return summary;
}

}  // namespace bench
