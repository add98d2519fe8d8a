#include "emulated_backend.h"

#include <fmt/format.h>

#include <array>
#include <map>

#include "emulated_host.h"
#include "pe_image.h"
#include "pe_loader.h"
#include "record_layout32.h"
#include "record_reader.h"
#include "text_buffer.h"
#include "x86_machine.h"

namespace bench {
namespace {

constexpr uint32_t process_attach = 1;
constexpr uint32_t process_detach = 0;

class EmulatedBackend : public GaugeBackend {
 public:
  EmulatedBackend(const std::filesystem::path& path, PanelServices& services)
      : services_(services), name_(path.stem().string()), host_(machine_, services) {
    const PeImage image = read_pe_image(path, name_);
    bitmaps_ = image.bitmaps;
    const LoadedImage loaded = load_pe_image(image, machine_, host_, name_);
    base_ = loaded.base;
    entry_point_ = loaded.entry_point;
    const uint32_t linkage = exported(loaded, "Linkage");
    const uint32_t import_table = exported(loaded, "ImportTable");

    if (entry_point_ != 0) {
      const uint32_t attach[] = {base_, process_attach, 0};
      if (invoke(entry_point_, attach, "entry point (process attach)").eax == 0) {
        throw ModuleError(fmt::format("module {}: its entry point refused to attach", name_));
      }
    }
    attached_ = true;
    records_ = read_module_records(machine_, RecordLayout::win32, linkage, import_table, name_);
    const uint32_t table = host_.panel_table_address();
    if (!machine_.write(records_.panels_pointer_field, &table, sizeof table)) {
      throw ModuleError(fmt::format("module {}: ImportTable cannot take the function table", name_));
    }
    for (size_t element = 0; element < records_.text_buffer_fields.size(); ++element) {
      if (records_.text_buffer_fields[element] == 0) continue;
      const uint32_t buffer = host_.allocate(text_buffer::size + text_buffer::guard_size);
      text_buffers_[element] = buffer;
      std::array<char, text_buffer::size + text_buffer::guard_size> contents;
      text_buffer::prepare(contents);
      machine_.write(buffer, contents.data(), contents.size());
      machine_.write(records_.text_buffer_fields[element], &buffer, sizeof buffer);
    }
    click_point_ = host_.allocate(sizeof(int32_t) * 2);
    module_deinit_ = machine_.read_u32(linkage + layout32::GaugesLinkage::module_deinit).value_or(0);
    if (auto init = machine_.read_u32(linkage + layout32::GaugesLinkage::module_init).value_or(0)) {
      invoke(init, {}, "module-initialise entry point");
    }
  }

  ~EmulatedBackend() override {
    // Unloading: the module's deinitialise entry point, then the process detach.
    // A failure here has no caller to go to, so it is noted as a fault.
    try {
      if (module_deinit_ != 0) invoke(module_deinit_, {}, "module-deinitialise entry point");
    } catch (const ModuleError& error) {
      services_.report_fault(error.what());
    }
    try {
      const uint32_t detach[] = {base_, process_detach, 0};
      if (attached_ && entry_point_ != 0) invoke(entry_point_, detach, "entry point (process detach)");
    } catch (const ModuleError& error) {
      services_.report_fault(error.what());
    }
  }

  std::string_view format() const override { return "pe32"; }
  const GaugeDescription& description() const override { return records_.description; }

  void call_service(uint32_t service, uint32_t extra) override {
    const uint32_t arguments[] = {static_cast<uint32_t>(records_.gauge_header), service, extra};
    invoke(records_.service_callback, arguments, fmt::format("service callback (service {})", service));
  }

  double call_value(size_t element, size_t axis) override {
    const auto& callbacks = records_.value_callbacks.at(element);
    if (axis >= callbacks.size()) {
      throw ModuleError(fmt::format("module {}: element {} has no value callback {}", name_, element + 1, axis + 1));
    }
    const std::string what = fmt::format("value callback {} of element {}", axis + 1, element + 1);
    const uint32_t arguments[] = {static_cast<uint32_t>(records_.element_addresses[element])};
    const CallResult result = invoke(callbacks[axis], arguments, what);
    check_text_buffer(element);
    if (!result.st0) {
      throw ModuleError(
          fmt::format("module {}: {} at 0x{:08x} returned no value on the x87 stack", name_, what, callbacks[axis]));
    }
    return *result.st0;
  }

  int32_t call_mouse(size_t rect_index, Point point, uint32_t mouse_flags) override {
    const uint64_t address = records_.mouse_callbacks.at(rect_index);
    if (address == 0)
      throw ModuleError(fmt::format("module {}: mouse rectangle {} has no callback", name_, rect_index + 1));
    const int32_t pixel[] = {point.x, point.y};
    machine_.write(click_point_, pixel, sizeof pixel);
    const uint32_t arguments[] = {click_point_, mouse_flags};
    return static_cast<int32_t>(
        invoke(address, arguments, fmt::format("mouse callback of mouse rectangle {}", rect_index + 1)).eax);
  }

  ElementState element_state(size_t element) const override {
    const uint64_t header = records_.element_addresses.at(element);
    ElementState state{machine_.read_u32(header + layout32::ElementHeader::image_flags).value_or(0), std::nullopt};
    if (auto found = text_buffers_.find(element); found != text_buffers_.end()) {
      std::array<char, text_buffer::size> text{};
      machine_.read(found->second, text.data(), text.size());
      state.text = std::string(text.data(), strnlen(text.data(), text.size()));
    }
    return state;
  }

  void set_source_value(size_t element, size_t source, double value) override {
    const auto& fields = records_.source_value_fields.at(element);
    if (source >= fields.size()) {
      throw ModuleError(fmt::format("module {}: element {} has no source variable {}", name_, element + 1, source + 1));
    }
    machine_.write(fields[source], &value, sizeof value);
  }

  std::optional<std::vector<uint8_t>> bitmap(int32_t resource) const override {
    if (auto found = bitmaps_.find(resource); found != bitmaps_.end()) return found->second;
    return std::nullopt;
  }

  uint64_t instructions_executed() const { return machine_.instructions_executed(); }

 private:
  uint32_t exported(const LoadedImage& loaded, const std::string& name) const {
    auto found = loaded.exports.find(name);
    if (found == loaded.exports.end()) throw ModuleError(fmt::format("module {}: does not export {}", name_, name));
    return found->second;
  }

  // Every call into the module goes through here, so that any failure names
  // the module, the callback and its address.
  CallResult invoke(uint64_t function, std::span<const uint32_t> arguments, const std::string& what) {
    try {
      return machine_.call(static_cast<uint32_t>(function), arguments, host_);
    } catch (const MachineFault& fault) {
      throw ModuleError(fmt::format("module {}: {} at 0x{:08x} {}", name_, what, function, fault.what()));
    }
  }

  void check_text_buffer(size_t element) {
    auto found = text_buffers_.find(element);
    if (found == text_buffers_.end()) return;
    std::array<char, text_buffer::size + text_buffer::guard_size> contents;
    machine_.read(found->second, contents.data(), contents.size());
    if (text_buffer::repair_overrun(contents)) {
      services_.report_fault(
          fmt::format("element {} wrote past its {}-byte text buffer", element + 1, text_buffer::size));
      machine_.write(found->second, contents.data(), contents.size());
    }
  }

  PanelServices& services_;
  std::string name_;
  X86Machine machine_;
  EmulatedHost host_;
  std::map<int32_t, std::vector<uint8_t>> bitmaps_;
  uint32_t base_ = 0;
  uint32_t entry_point_ = 0;
  bool attached_ = false;
  ModuleRecords records_;
  std::map<size_t, uint32_t> text_buffers_;  // element to its buffer's address
  uint32_t click_point_ = 0;
  uint32_t module_deinit_ = 0;
};

}  // namespace

std::unique_ptr<GaugeBackend> load_emulated_module(const std::filesystem::path& module, PanelServices& services) {
  try {
    return std::make_unique<EmulatedBackend>(module, services);
  } catch (const MachineFault& fault) {
    throw ModuleError(
        fmt::format("module {}: cannot be placed in the emulator: {}", module.stem().string(), fault.what()));
  }
}

std::optional<uint64_t> emulated_instructions(const GaugeBackend& backend) {
  if (auto* emulated = dynamic_cast<const EmulatedBackend*>(&backend)) return emulated->instructions_executed();
  return std::nullopt;
}

}  // namespace bench
