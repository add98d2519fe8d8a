// A shipped module runs inside the emulator only: whatever its code does, or
// however broken its file is, the call or the load ends in a ModuleError that
// names the module, and the bench goes on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "gauge_session.h"
#include "probe_modules.h"

namespace bench::testing {
namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<char> file_bytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

class ScratchModules : public ::testing::Test {
 protected:
  // Writes `bytes` as <name>.gau in a directory of the test's own.
  std::filesystem::path write_module(const std::string& name, const std::vector<char>& bytes) {
    std::filesystem::create_directories(directory_);
    auto path = directory_ / (name + ".gau");
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  void TearDown() override { std::filesystem::remove_all(directory_); }

  std::filesystem::path directory_ =
      std::filesystem::temp_directory_path() / ("gauge-containment-" + std::to_string(::getpid()));
};

std::string load_error(const std::filesystem::path& module) {
  try {
    GaugeSession session(module);
  } catch (const ModuleError& error) {
    return error.what();
  }
  return "(loaded)";
}

TEST(ContainmentTest, AFaultingCallbackStopsThatCallAndTheModuleGoesOn) {
  struct Case {
    probe::Behaviour behaviour;
    uint32_t address;
    std::string error;
  };
  const Case cases[] = {
      {probe::reads_the_address, 0, "read unmapped memory at 0x00000000"},
      {probe::writes_the_address, 0x10, "wrote to unmapped memory at 0x00000010"},
      {probe::calls_the_address, 0x12345678, "jumped to 0x12345678, where there is no code"},
      {probe::calls_the_address, 0xEF000F00, "called 0xef000f00, an address of the bench's that is no function"},
      {probe::loops_forever, 0, "ran past its budget of 20000000 instructions"},
      {probe::executes_an_invalid_instruction, 0, "executed an invalid instruction"},
      {probe::divides_by_zero, 0, "raised CPU exception 0 (divide error)"},
  };
  GaugeSession session(probe_module("Probe"));
  session.add_instance();
  session.set_token(probe::input, 3);
  for (const auto& [behaviour, address, error] : cases) {
    session.set_token(probe::behaviour, behaviour);
    session.set_token(probe::address, address);
    try {
      session.run_frames(1);
      ADD_FAILURE() << "behaviour " << behaviour << " raised no error";
    } catch (const ModuleError& failure) {
      EXPECT_THAT(failure.what(), HasSubstr("module Probe: value callback 1 of element 2 at 0x")) << behaviour;
      EXPECT_THAT(failure.what(), HasSubstr(error)) << behaviour;
    }
    session.set_token(probe::behaviour, probe::returns_a_third_of_the_input);
    session.run_frames(1);
    EXPECT_EQ(session.value(probe::needle), 1.25) << "after behaviour " << behaviour;
  }
}

TEST_F(ScratchModules, BrokenFilesAreRefusedByName) {
  const auto probe_bytes = file_bytes(probe_module("Probe"));
  ASSERT_GT(probe_bytes.size(), 4096u);
  auto without_import_table = probe_bytes;
  const std::string export_name = "ImportTable";
  auto name =
      std::search(without_import_table.begin(), without_import_table.end(), export_name.begin(), export_name.end());
  ASSERT_NE(name, without_import_table.end());
  *name = 'X';  // the export is now "XmportTable"

  std::vector<char> garbage{'M', 'Z'};
  std::mt19937 random(7);
  for (int i = 0; i < 4000; ++i) garbage.push_back(static_cast<char>(random()));

  struct Case {
    std::string name;
    std::vector<char> bytes;
    std::string error;
  };
  const Case cases[] = {
      {"Empty", {}, "is neither a Linux nor a Windows module"},
      {"Garbage", garbage, "is not a readable Windows module"},
      {"HeaderOnly", {probe_bytes.begin(), probe_bytes.begin() + 200}, "is not a readable Windows module"},
      {"Truncated", {probe_bytes.begin(), probe_bytes.begin() + 1024}, "does not export Linkage"},
      {"WithoutImportTable", without_import_table, "does not export ImportTable"},
  };
  for (const auto& [module, bytes, error] : cases) {
    EXPECT_THAT(load_error(write_module(module, bytes)),
                AllOf(StartsWith("module " + module + ": "), HasSubstr(error)));
  }
  EXPECT_THAT(load_error(probe_module("ProbeImportsSleep")),
              HasSubstr("module ProbeImportsSleep: imports Sleep from KERNEL32.dll, which the bench does not provide"));
}

// However a file is cut or damaged, the bench refuses it or runs it, and never
// goes down: every failure is a ModuleError.
TEST_F(ScratchModules, DamagedFilesNeverTakeTheBenchDown) {
  const auto probe_bytes = file_bytes(probe_module("Probe"));
  std::mt19937 random(2024);
  for (int variant = 0; variant < 120; ++variant) {
    auto bytes = probe_bytes;
    if (variant % 3 == 0) {
      bytes.resize(random() % bytes.size());
    } else {
      for (int flip = 0; flip < 6; ++flip) bytes[random() % bytes.size()] = static_cast<char>(random());
    }
    const auto path = write_module("Damaged" + std::to_string(variant), bytes);
    try {
      GaugeSession session(path);
      session.add_instance();
      session.run_frames(2);
      session.kill_all();
    } catch (const ModuleError& error) {
      EXPECT_THAT(error.what(), HasSubstr("module Damaged" + std::to_string(variant) + ": "));
    }
  }
}

}  // namespace
}  // namespace bench::testing
