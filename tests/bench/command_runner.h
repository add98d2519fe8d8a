// Runs the gauge-bench executable as a user would and keeps what it printed.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace bench::testing {

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string quoted(const std::string& text) {
  std::string result = "'";
  for (char c : text) result += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return result + "'";
}

inline std::string file_text(const std::filesystem::path& path) {
  std::ifstream file(path);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

inline CommandResult run_bench(const std::vector<std::string>& arguments) {
  const auto directory = std::filesystem::temp_directory_path() / ("gauge-bench-test-" + std::to_string(getpid()));
  std::filesystem::create_directories(directory);
  std::string command = quoted(GAUGE_BENCH_EXECUTABLE);
  for (const auto& argument : arguments) command += " " + quoted(argument);
  command += " >" + quoted((directory / "out").string()) + " 2>" + quoted((directory / "err").string());
  const int status = std::system(command.c_str());
  CommandResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, file_text(directory / "out"),
                       file_text(directory / "err")};
  std::filesystem::remove_all(directory);
  return result;
}

}  // namespace bench::testing
