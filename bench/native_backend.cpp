#include "native_backend.h"

#include <dlfcn.h>
#include <fmt/format.h>
#include <link.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <fstream>
#include <iterator>

#include "native_host.h"
#include "record_reader.h"
#include "text_buffer.h"

namespace bench {
namespace {

struct Segment {
  uint64_t begin;
  uint64_t end;
};

// The module's loaded segments: every record read is checked against them.
class NativeMemory : public ModuleMemory {
 public:
  explicit NativeMemory(std::vector<Segment> segments) : segments_(std::move(segments)) {}

  bool read(uint64_t address, void* out, size_t size) const override {
    if (!contains(address, size)) return false;
    std::memcpy(out, reinterpret_cast<const void*>(address), size);
    return true;
  }
  bool write(uint64_t address, const void* data, size_t size) override {
    if (!contains(address, size)) return false;
    std::memcpy(reinterpret_cast<void*>(address), data, size);
    return true;
  }

 private:
  bool contains(uint64_t address, size_t size) const {
    for (const auto& segment : segments_) {
      if (address >= segment.begin && address <= segment.end && size <= segment.end - address) return true;
    }
    return false;
  }
  std::vector<Segment> segments_;
};

std::vector<Segment> loaded_segments(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr) return {};
  struct Search {
    ElfW(Addr) base;
    std::vector<Segment> segments;
  } search{map->l_addr, {}};
  dl_iterate_phdr(
      [](dl_phdr_info* info, size_t, void* data) {
        auto* search = static_cast<Search*>(data);
        if (info->dlpi_addr != search->base) return 0;
        for (int i = 0; i < info->dlpi_phnum; ++i) {
          const auto& header = info->dlpi_phdr[i];
          if (header.p_type == PT_LOAD) {
            uint64_t begin = info->dlpi_addr + header.p_vaddr;
            search->segments.push_back({begin, begin + header.p_memsz});
          }
        }
        return 1;
      },
      &search);
  return search.segments;
}

class NativeBackend : public GaugeBackend {
 public:
  NativeBackend(const std::filesystem::path& path, PanelServices& services)
      : services_(services), name_(path.stem().string()), resources_(path) {
    resources_.replace_extension(".resources");
    CurrentServices current(services_);
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) throw ModuleError(fmt::format("module {}: cannot be loaded: {}", name_, dlerror()));
    try {
      open();
    } catch (...) {
      dlclose(handle_);
      throw;
    }
  }

  ~NativeBackend() override {
    CurrentServices current(services_);
    if (module_deinit_ != nullptr) module_deinit_();
    dlclose(handle_);
  }

  std::string_view format() const override { return "native"; }
  const GaugeDescription& description() const override { return records_.description; }

  void call_service(uint32_t service, uint32_t extra) override {
    CurrentServices current(services_);
    auto callback = reinterpret_cast<SERVICE_CALLBACK>(records_.service_callback);
    callback(reinterpret_cast<GAUGEHDR*>(records_.gauge_header), service, extra);
  }

  double call_value(size_t element, size_t axis) override {
    const auto& callbacks = records_.value_callbacks.at(element);
    if (axis >= callbacks.size()) {
      throw ModuleError(fmt::format("module {}: element {} has no value callback {}", name_, element + 1, axis + 1));
    }
    CurrentServices current(services_);
    // Every value callback takes its own element and returns a double.
    auto callback = reinterpret_cast<FLOAT64(GAUGE_CALL*)(void*)>(callbacks[axis]);
    double value = callback(reinterpret_cast<void*>(records_.element_addresses[element]));
    check_text_buffer(element);
    return value;
  }

  int32_t call_mouse(size_t rect_index, Point point, uint32_t mouse_flags) override {
    uint64_t address = records_.mouse_callbacks.at(rect_index);
    if (address == 0)
      throw ModuleError(fmt::format("module {}: mouse rectangle {} has no callback", name_, rect_index + 1));
    CurrentServices current(services_);
    PIXPOINT pixel{point.x, point.y};
    return reinterpret_cast<MOUSE_CALLBACK>(address)(&pixel, mouse_flags);
  }

  ElementState element_state(size_t element) const override {
    auto* header = reinterpret_cast<const ELEMENT_HEADER*>(records_.element_addresses.at(element));
    ElementState state{header->image_flags, std::nullopt};
    if (auto found = text_buffers_.find(element); found != text_buffers_.end()) {
      const auto& buffer = found->second;
      state.text = std::string(buffer.data(), strnlen(buffer.data(), text_buffer::size));
    }
    return state;
  }

  void set_source_value(size_t element, size_t source, double value) override {
    const auto& fields = records_.source_value_fields.at(element);
    if (source >= fields.size()) {
      throw ModuleError(fmt::format("module {}: element {} has no source variable {}", name_, element + 1, source + 1));
    }
    memory_->write(fields[source], &value, sizeof value);
  }

  std::optional<std::vector<uint8_t>> bitmap(int32_t resource) const override {
    std::ifstream file(resources_ / (std::to_string(resource) + ".bmp"), std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    constexpr size_t file_header_size = 14;
    if (bytes.size() <= file_header_size || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    bytes.erase(bytes.begin(), bytes.begin() + file_header_size);
    return bytes;
  }

 private:
  void open() {
    void* linkage = dlsym(handle_, "Linkage");
    if (linkage == nullptr) throw ModuleError(fmt::format("module {}: does not export Linkage", name_));
    void* import_table = dlsym(handle_, "ImportTable");
    if (import_table == nullptr) throw ModuleError(fmt::format("module {}: does not export ImportTable", name_));
    memory_ = std::make_unique<NativeMemory>(loaded_segments(handle_));
    records_ = read_module_records(*memory_, RecordLayout::native64, reinterpret_cast<uint64_t>(linkage),
                                   reinterpret_cast<uint64_t>(import_table), name_);

    PANELS* table = native_panel_table();
    if (!memory_->write(records_.panels_pointer_field, &table, sizeof table)) {
      throw ModuleError(fmt::format("module {}: ImportTable cannot take the function table", name_));
    }
    for (size_t element = 0; element < records_.text_buffer_fields.size(); ++element) {
      if (records_.text_buffer_fields[element] == 0) continue;
      auto& buffer = text_buffers_[element];
      text_buffer::prepare(buffer);
      char* pointer = buffer.data();
      memory_->write(records_.text_buffer_fields[element], &pointer, sizeof pointer);
    }
    module_deinit_ = static_cast<GAUGESLINKAGE*>(linkage)->module_deinit;
    if (auto init = static_cast<GAUGESLINKAGE*>(linkage)->module_init) init();
  }

  void check_text_buffer(size_t element) {
    auto found = text_buffers_.find(element);
    if (found == text_buffers_.end()) return;
    if (text_buffer::repair_overrun(found->second)) {
      services_.report_fault(
          fmt::format("element {} wrote past its {}-byte text buffer", element + 1, text_buffer::size));
    }
  }

  PanelServices& services_;
  std::string name_;
  std::filesystem::path resources_;
  void* handle_ = nullptr;
  std::unique_ptr<NativeMemory> memory_;
  ModuleRecords records_;
  MODULE_ENTRY module_deinit_ = nullptr;
  std::map<size_t, std::array<char, text_buffer::size + text_buffer::guard_size>> text_buffers_;
};

}  // namespace

std::unique_ptr<GaugeBackend> load_native_module(const std::filesystem::path& module, PanelServices& services) {
  return std::make_unique<NativeBackend>(module, services);
}

}  // namespace bench
