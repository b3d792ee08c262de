// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/update_list.h"

#include <set>

#include "update/update_names.h"

namespace zelvik::update {

namespace {

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

UpdateList ReadUpdateList(const ListFileText& text) {
  UpdateList list;
  list.newVersion = text.GetValue("newversion", "newversion").value_or("");
  list.upexe = text.GetValue("upexe", "upexe").value_or("");
  list.upnumber = text.GetValueInt("upnumber", "upnumber");
  const int n = list.upnumber >= 1 && list.upnumber <= kMaxUpdateFiles ? list.upnumber : 0;
  for (int i = 1; i <= n; ++i) {
    list.names.push_back(text.GetValue("filelist", std::to_string(i)).value_or(""));
    list.hashes.push_back(text.GetValue("sha256", std::to_string(i)).value_or(""));
  }
  list.mentionsOldexe = text.text().find("oldexe") != std::string::npos;
  return list;
}

bool IsSha256Hex(std::string_view text) {
  if (text.size() != 64) return false;
  for (char c : text) {
    if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
  }
  return true;
}

std::optional<std::string> UpdateListProblem(const UpdateList& list, bool withHashes) {
  if (list.upnumber < 1 || list.upnumber > kMaxUpdateFiles) {
    return "upnumber " + std::to_string(list.upnumber) + " is outside 1 to " + std::to_string(kMaxUpdateFiles);
  }
  std::set<std::string> seen;
  for (std::size_t i = 0; i < list.names.size(); ++i) {
    const std::string& name = list.names[i];
    const std::string key = "filelist " + std::to_string(i + 1);
    if (name.empty()) return key + " is missing";
    if (!IsAcceptableUpdateName(name)) return key + " \"" + name + "\" is not an acceptable file name";
    if (!seen.insert(name).second) return key + " \"" + name + "\" is listed twice";
    if (withHashes && !IsSha256Hex(list.hashes[i])) {
      return "sha256 " + std::to_string(i + 1) + " is not a SHA-256 in hex";
    }
  }
  if (list.upexe.empty()) return "upexe is missing";
  if (seen.count(list.upexe) == 0) return "upexe \"" + list.upexe + "\" is not one of the listed files";
  return std::nullopt;
}

std::string WithHashSection(std::string_view listText, const std::vector<std::string>& hashes) {
  std::string out;
  bool skipping = false;
  std::size_t pos = 0;
  while (pos < listText.size()) {
    std::size_t nl = listText.find('\n', pos);
    const std::size_t end = nl == std::string_view::npos ? listText.size() : nl + 1;
    const std::string_view line = listText.substr(pos, end - pos);
    const std::string_view bare = TrimBlanks(line.substr(0, line.find('\n')));
    if (!bare.empty() && bare.front() == '[') skipping = bare == "[sha256]";
    if (!skipping) out.append(line);
    pos = end;
  }
  const std::string eol = out.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  if (!out.empty() && out.back() != '\n') out += eol;
  out += "[sha256]" + eol;
  for (std::size_t i = 0; i < hashes.size(); ++i) out += std::to_string(i + 1) + "=" + hashes[i] + eol;
  return out;
}

}  // namespace zelvik::update
