// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace zelvik::testing_files {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
 public:
  explicit TempDir(const char* prefix = "zelvik-test") {
    std::string tmpl = (std::filesystem::temp_directory_path() / (std::string(prefix) + "-XXXXXX")).string();
    path_ = mkdtemp(tmpl.data()) ? std::filesystem::path(tmpl) : std::filesystem::path();
  }
  ~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

inline std::optional<std::string> ReadBytes(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  if (!in) return std::nullopt;
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Writes the file, creating its folders at need.
inline void WriteBytes(const std::filesystem::path& p, const std::string& bytes) {
  std::error_code ec;
  if (p.has_parent_path()) std::filesystem::create_directories(p.parent_path(), ec);
  std::ofstream(p, std::ios::binary) << bytes;
}

// The names in a folder, sorted.
inline std::vector<std::string> FolderEntries(const std::filesystem::path& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The file's bytes, empty when it cannot be read.
inline std::string ReadText(const std::filesystem::path& p) { return ReadBytes(p).value_or(std::string()); }

}  // namespace zelvik::testing_files
