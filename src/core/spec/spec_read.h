// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "spec/spec_index.h"
#include "spec/spec_parse.h"

// The inside of the parser: the text split into product words and a body, and the forms
// that read the body.
namespace zelvik::spec {

struct Tokens {
  Restriction restriction = Restriction::All();
  bool anyWord = false;
  Core core = Core::kNone;
  std::string body;  // the markers mapped
  bool readable = true;
};

Tokens Tokenise(std::string_view text, const SpecIndex& index);

// One reading of the text.
struct Reading {
  ParsedSpec spec;
  bool table = false;   // a size of a table (beats a computed product)
  bool exact = false;   // the table holds the size as written
  std::bitset<kCalcCount> yieldsTo;  // cold-formed: gives way to these
};

struct FormOutcome {
  std::vector<Reading> readings;
  std::vector<std::string> tried;  // keys looked up, for close candidates
  std::optional<SpecError> error;  // a form fits but its dimensions cannot be
  bool recognised = false;         // some form fits the body
};

void ReadForms(const Tokens& tokens, const SpecIndex& index, const CustomRowSet* rows, FormOutcome& out);

// Keys shared by the index and the readers.
// "1'×3.25", "5/4'", "DN25×3.25" → "'1×3.25", "'1.25", "'1×3.25"; nullopt for other bodies.
std::optional<std::string> WeldedKey(std::string_view body);
// These keys start with a byte no body holds, so that no text reaches them but through
// its form.
inline std::string FastenerKey(int standard, std::string_view sizeKey) {
  return std::string("\x01" "F") + std::to_string(standard) + ":" + std::string(sizeKey);
}
inline std::string RopeKey(int type, std::string_view diameter) {
  return std::string("\x01" "R") + std::to_string(type) + ":" + std::string(diameter);
}
// The part of a key that names its family ("∠", "HW", "F3:"), the rest holding the numbers.
std::string_view KeyFamily(std::string_view key);
std::vector<double> KeyNumbers(std::string_view key);
// A rope size name's core ("φ20钢芯" → kSteel) and its diameter ("20").
Core CoreOfName(std::string_view name, std::string* diameter);

}  // namespace zelvik::spec
