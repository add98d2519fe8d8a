// The shipped modules as files: exactly the two exported records, only the
// loader imports they call, their bitmaps and version resource, and a lean
// body. Read with LIEF, as any PE tool would read them.
#include <gtest/gtest.h>

#include <LIEF/PE.hpp>
#include <LIEF/utils.hpp>
#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "gauge_session.h"
#include "module_builds.h"

namespace bench::testing {
namespace {

constexpr uint32_t english_us = 1033;

struct VersionTexts {
  std::string description;
  std::string file_version;
  std::string product_version;
};

// Every module's version texts; several share a title on purpose.
const std::map<std::string, VersionTexts> version_texts = {
    {"Tarvik_Annunciator", {"Annunciator", "1.0", "1.0"}},
    {"Tarvik_CHT_EGT", {"Torque Eng1", "1.0", "1.0"}},
    {"Tarvik_ManPRturbo", {"Torque Eng1", "1.0", "1.0"}},
    {"Tarvik_PropRPM", {"Prop Eng1", "1.0", "1.0"}},
    {"Tarvik_FuelSelector", {"Fuel Selector", "1.0", "1.0"}},
    {"Pelmora_MDbckgrnd", {"Background", "1.0", "1.0"}},
    {"Tarvik_FuelQTY", {"FuelQTY", "1.0", "2.0"}},
    {"Tarvik_Oil", {"OIL", "2.0", "2.0"}},
    {"Tarvon_AirspeedWheeled", {"Airspeed", "1.0", "1.0"}},
    {"Tarvik_Attitude", {"Attitude", "1.0", "1.0"}},
    {"Tarvik_EngineRPM", {"Prop Eng1", "1.0", "1.0"}},
    {"Tarvik_Torque", {"Torque Eng1", "1.0", "1.0"}},
    {"Tarvik_VSI", {"Vertical Speed", "2.0", "2.0"}},
    {"Tarvik_TurnCoordinator", {"Trun Coordinator", "2.0", "2.0"}},
    {"Tarvik_Fuelflow", {"Fuelflow", "1.0", "2.0"}},
    {"Tarvik_Altimeter", {"Altimeter", "2.0", "2.0"}},
    {"Tarvon_Airspeed", {"Airspeed", "1.0", "1.0"}},
};

struct BitmapFacts {
  int32_t width;
  int32_t height;
  uint32_t palette_size;
};

// Bitmaps whose size and palette the instrument's data sheet fixes.
const std::map<std::string, std::map<uint32_t, BitmapFacts>> known_bitmaps = {
    {"Tarvon_Airspeed", {{0x1700, {342, 338, 256}}, {0x1200, {137, 23, 256}}}},
};

std::vector<std::string> shipped_module_names() {
  std::vector<std::string> names;
  for (const auto& [name, texts] : version_texts) names.push_back(name);
  return names;
}

struct Bitmap {
  uint32_t language;
  std::vector<uint8_t> dib;
};

uint32_t le32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}
uint16_t le16(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8;
}

class ShippedModuleTest : public ::testing::TestWithParam<std::string> {
 protected:
  void SetUp() override {
    path = shipped_module(GetParam());
    ASSERT_TRUE(std::filesystem::exists(path)) << path << " is missing: build the win32 modules into dist/ first";
    binary = LIEF::PE::Parser::parse(path.string());
    ASSERT_TRUE(binary);
  }

  std::map<uint32_t, Bitmap> bitmaps() const {
    std::map<uint32_t, Bitmap> found;
    const auto& type = binary->resources_manager().get_node_type(LIEF::PE::RESOURCE_TYPES::BITMAP);
    for (const auto& number : type.childs()) {
      for (const auto& language : number.childs()) {
        if (language.is_data()) found[number.id()] = {language.id(), content(language)};
      }
    }
    return found;
  }

  // The third level of the resource tree: a language's data.
  static const std::vector<uint8_t>& content(const LIEF::PE::ResourceNode& language) {
    return static_cast<const LIEF::PE::ResourceData&>(language).content();
  }

  std::filesystem::path path;
  std::unique_ptr<LIEF::PE::Binary> binary;
};

TEST_P(ShippedModuleTest, IsA32BitDllExportingExactlyTheTwoRecords) {
  EXPECT_EQ(binary->header().machine(), LIEF::PE::MACHINE_TYPES::IMAGE_FILE_MACHINE_I386);
  EXPECT_TRUE(binary->header().has_characteristic(LIEF::PE::HEADER_CHARACTERISTICS::IMAGE_FILE_DLL));
  EXPECT_EQ(binary->type(), LIEF::PE::PE_TYPE::PE32);
  std::set<std::string> exports;
  for (const auto& entry : binary->get_export().entries()) exports.insert(entry.name());
  EXPECT_EQ(exports, (std::set<std::string>{"ImportTable", "Linkage"}));
  // Both are data: their addresses lie outside every executable section.
  for (const auto& entry : binary->get_export().entries()) {
    const auto& section = binary->section_from_rva(entry.address());
    EXPECT_FALSE(section.has_characteristic(LIEF::PE::SECTION_CHARACTERISTICS::IMAGE_SCN_MEM_EXECUTE))
        << entry.name() << " lies in " << section.name();
  }
}

TEST_P(ShippedModuleTest, ImportsOnlyTheFunctionsItCalls) {
  const std::set<std::string> loader = {"FreeLibrary", "GetModuleHandleA", "GetProcAddress", "LoadLibraryA"};
  std::map<std::string, std::set<std::string>> imports;
  for (const auto& library : binary->imports()) {
    for (const auto& entry : library.entries()) imports[library.name()].insert(entry.name());
  }
  std::map<std::string, std::set<std::string>> expected = {{"KERNEL32.dll", loader}};
  if (GetParam() == "Tarvik_Annunciator") expected["msvcrt.dll"] = {"_snprintf"};
  EXPECT_EQ(imports, expected);
}

TEST_P(ShippedModuleTest, EntryPointDoesNothingButSucceed) {
  // mov eax, 1; ret 12: attaching or detaching does nothing of the gauge's own.
  auto entry = binary->get_content_from_virtual_address(binary->optional_header().addressof_entrypoint(), 8,
                                                        LIEF::Binary::VA_TYPES::RVA);
  std::vector<uint8_t> expected = {0xB8, 0x01, 0x00, 0x00, 0x00, 0xC2, 0x0C, 0x00};
  EXPECT_EQ(entry, expected);
}

TEST_P(ShippedModuleTest, BitmapsAreEightBitEnglishResources) {
  auto found = bitmaps();
  ASSERT_FALSE(found.empty());
  size_t bitmap_bytes = 0;
  for (const auto& [number, bitmap] : found) {
    SCOPED_TRACE("bitmap 0x" + (std::stringstream() << std::hex << number).str());
    const auto& dib = bitmap.dib;
    bitmap_bytes += dib.size();
    EXPECT_EQ(bitmap.language, english_us);
    ASSERT_GE(dib.size(), 40u);
    EXPECT_EQ(le32(dib, 0), 40u) << "information header size";
    const int32_t width = static_cast<int32_t>(le32(dib, 4));
    const int32_t height = static_cast<int32_t>(le32(dib, 8));
    EXPECT_GT(height, 0) << "rows are stored bottom-up";
    EXPECT_EQ(le16(dib, 12), 1) << "planes";
    EXPECT_EQ(le16(dib, 14), 8) << "bits per pixel";
    EXPECT_EQ(le32(dib, 16), 0u) << "compression";
    uint32_t palette = le32(dib, 32) == 0 ? 256 : le32(dib, 32);
    const size_t row = (static_cast<size_t>(width) + 3) & ~size_t{3};
    EXPECT_EQ(dib.size(), 40 + 4 * palette + row * static_cast<size_t>(height));
    if (auto sheet = known_bitmaps.find(GetParam()); sheet != known_bitmaps.end()) {
      auto facts = sheet->second.find(number);
      ASSERT_NE(facts, sheet->second.end()) << "not on the data sheet";
      EXPECT_EQ(width, facts->second.width);
      EXPECT_EQ(height, facts->second.height);
      EXPECT_EQ(palette, facts->second.palette_size);
    }
  }
  if (auto sheet = known_bitmaps.find(GetParam()); sheet != known_bitmaps.end()) {
    EXPECT_EQ(found.size(), sheet->second.size());
  }
  // Beyond its artwork a module weighs a few KiB.
  EXPECT_LT(std::filesystem::file_size(path) - bitmap_bytes, 16u * 1024);
}

TEST_P(ShippedModuleTest, EveryBitmapTheRecordsNameIsThere) {
  auto found = bitmaps();
  GaugeSession session(native_module(GetParam()));
  for (const auto& element : session.description().elements) {
    if (element.kind == ElementKind::string) continue;
    std::vector<int32_t> needed = {element.resource};
    for (uint32_t picture = 1; picture < element.icon.icon_count; ++picture)
      needed.push_back(element.resource + picture);
    if (element.kind == ElementKind::moving_image || element.kind == ElementKind::sprite) {
      needed.push_back(element.resource + 1);  // the mask
    }
    for (int32_t number : needed) EXPECT_TRUE(found.count(number)) << "bitmap " << number << " is missing";
  }
}

TEST_P(ShippedModuleTest, VersionResourceMatchesTheModule) {
  const auto& resources = binary->resources_manager();
  ASSERT_TRUE(resources.has_version());
  const auto version = resources.version();
  ASSERT_TRUE(version.has_fixed_file_info());
  const auto& fixed = version.fixed_file_info();
  EXPECT_EQ(fixed.file_version_MS(), 0x00010000u);
  EXPECT_EQ(fixed.file_version_LS(), 0u);
  EXPECT_EQ(fixed.product_version_MS(), 0x00010000u);
  EXPECT_EQ(fixed.product_version_LS(), 0u);
  EXPECT_EQ(fixed.file_flags_mask(), 0x3Fu);
  EXPECT_EQ(fixed.file_flags(), 0u);
  EXPECT_EQ(static_cast<uint32_t>(fixed.file_os()), 0x10004u);
  EXPECT_EQ(static_cast<uint32_t>(fixed.file_type()), 1u);
  EXPECT_EQ(static_cast<uint32_t>(fixed.file_subtype()), 0u);

  ASSERT_TRUE(version.has_string_file_info());
  const auto& tables = version.string_file_info().langcode_items();
  ASSERT_EQ(tables.size(), 1u);
  EXPECT_EQ(LIEF::u16tou8(tables[0].key()), "040904b0");
  std::map<std::string, std::string> strings;
  for (const auto& [key, value] : tables[0].items()) strings[LIEF::u16tou8(key)] = LIEF::u16tou8(value, true);
  const auto& texts = version_texts.at(GetParam());
  EXPECT_EQ(strings, (std::map<std::string, std::string>{{"CompanyName", "none"},
                                                         {"FileDescription", texts.description},
                                                         {"FileVersion", texts.file_version},
                                                         {"ProductName", "FS2004 Gauge"},
                                                         {"ProductVersion", texts.product_version}}));

  ASSERT_TRUE(version.has_var_file_info());
  EXPECT_EQ(version.var_file_info().translations(), (std::vector<uint32_t>{0x04B00409}));

  // The keys stand in the table in this order.
  const auto& type = resources.get_node_type(LIEF::PE::RESOURCE_TYPES::VERSION);
  std::vector<uint8_t> raw;
  for (const auto& number : type.childs()) {
    EXPECT_EQ(number.id(), 1u);
    for (const auto& language : number.childs()) {
      EXPECT_EQ(language.id(), english_us);
      if (language.is_data()) raw = content(language);
    }
  }
  std::u16string text(raw.size() / 2, u'\0');
  std::memcpy(text.data(), raw.data(), text.size() * 2);
  size_t previous = 0;
  for (const char16_t* key : {u"CompanyName", u"FileDescription", u"FileVersion", u"ProductName", u"ProductVersion"}) {
    size_t at = text.find(key, previous);
    ASSERT_NE(at, std::u16string::npos) << LIEF::u16tou8(key) << " missing or out of order";
    previous = at + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Modules, ShippedModuleTest, ::testing::ValuesIn(shipped_module_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace bench::testing
