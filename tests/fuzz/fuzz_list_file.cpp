// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes as an update list: the lookups never fail or read outside the text, a value
// found is a trimmed part of one line, and the list checks accept only acceptable names.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "update/list_file.h"
#include "update/update_list.h"
#include "update/update_names.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  // The first line names a section and a key to look up, the rest is the list.
  const std::size_t nl = bytes.find('\n');
  const std::string head = bytes.substr(0, nl);
  const std::string text = nl == std::string::npos ? std::string() : bytes.substr(nl + 1);
  const std::size_t space = head.find(' ');
  const std::string section = head.substr(0, space);
  const std::string key = space == std::string::npos ? std::string() : head.substr(space + 1);

  const zelvik::update::ListFileText list(text);
  if (const auto value = list.GetValue(section, key)) {
    if (value->find('\n') != std::string::npos || text.find(*value) == std::string::npos) std::abort();
    if (!value->empty() && (value->front() == ' ' || value->back() == ' ')) std::abort();
  }
  (void)list.GetValueInt(section, key);
  const zelvik::update::UpdateList offer = zelvik::update::ReadUpdateList(list);
  if (!zelvik::update::UpdateListProblem(offer, true)) {
    for (const std::string& name : offer.names) {
      if (!zelvik::update::IsAcceptableUpdateName(name) || name.find("..") != std::string::npos) std::abort();
    }
  }
  (void)zelvik::update::WithHashSection(text, offer.hashes);
  return 0;
}
