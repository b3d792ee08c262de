// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/list_file.h"

#include <climits>
#include <fstream>

#include "config/gbk.h"

namespace zelvik::update {

namespace {

std::string_view Trim(std::string_view s) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

int AtoiClamped(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= '\t' && s[i] <= '\r'))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  long long value = 0;
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
    value = value * 10 + (s[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

}  // namespace

ListFileText::ListFileText(std::string_view utf8) : text_(utf8) {
  std::size_t pos = 0;
  while (pos < text_.size()) {
    std::size_t nl = text_.find('\n', pos);
    const std::size_t end = nl == std::string::npos ? text_.size() : nl;
    std::size_t len = end - pos;
    if (len > 0 && text_[pos + len - 1] == '\r') --len;
    lines_.emplace_back(pos, len);
    if (nl == std::string::npos) break;
    pos = nl + 1;
  }
}

std::optional<std::string> ListFileText::GetValue(std::string_view section, std::string_view key) const {
  std::size_t i = 0;
  while (i < lines_.size() && Line(i).find(section) == std::string_view::npos) ++i;
  if (i == lines_.size()) return std::nullopt;
  for (++i; i < lines_.size(); ++i) {
    const std::string_view line = Line(i);
    if (line.find('[') != std::string_view::npos) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos || eq == 0) continue;
    if (line.substr(0, eq).find(key) == std::string_view::npos) continue;
    return std::string(Trim(line.substr(eq + 1)));
  }
  return std::nullopt;
}

int ListFileText::GetValueInt(std::string_view section, std::string_view key) const {
  const std::optional<std::string> value = GetValue(section, key);
  return value ? AtoiClamped(*value) : 0;
}

bool CIniFile::OpenIniFile(const std::filesystem::path& path) {
  CloseIniFile();
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string bytes;
  char buf[8192];
  while (in.read(buf, sizeof buf) || in.gcount() > 0) {
    bytes.append(buf, static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > kListFileMaxBytes) return false;
  }
  if (in.bad()) return false;
  const std::optional<std::string> utf8 = GbkToUtf8(bytes);
  text_ = ListFileText(utf8 ? *utf8 : std::string());
  path_ = path;
  open_ = true;
  return true;
}

void CIniFile::CloseIniFile() {
  open_ = false;
  text_ = ListFileText();
  path_.clear();
}

std::optional<std::string> CIniFile::GetValue(std::string_view section, std::string_view key) const {
  if (!open_) return std::nullopt;
  return text_.GetValue(section, key);
}

int CIniFile::GetValueInt(std::string_view section, std::string_view key) const {
  return open_ ? text_.GetValueInt(section, key) : 0;
}

bool CIniFile::WriteSection(std::string_view name) {
  return Append("\n[" + std::string(name) + "]\n");
}

bool CIniFile::SetValue(std::string_view key, std::string_view value) {
  return Append(std::string(key) + "=" + std::string(value) + "\n");
}

bool CIniFile::Append(std::string_view utf8) {
  if (!open_) return false;
  const std::optional<std::string> gbk = Utf8ToGbk(utf8);
  if (!gbk) return false;
  std::ofstream out(path_, std::ios::binary | std::ios::app);
  out << *gbk;
  out.flush();
  return static_cast<bool>(out);
}

}  // namespace zelvik::update
