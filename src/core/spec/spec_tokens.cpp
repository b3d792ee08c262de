// SPDX-License-Identifier: GPL-3.0-or-later
// The text split into product words and a body, and the keys the index and the readers share.
#include <cmath>

#include "spec/spec_read.h"
#include "spec/spec_text.h"

namespace zelvik::spec {

namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }

// "HRB400", "HRBF500E", "HPB300", "RRB400": a grade (always three digits), which names a
// reinforcing bar.
size_t GradeLength(std::string_view s) {
  static constexpr std::string_view kGrades[] = {"HRBF", "HRB", "HPB", "RRB", "CRB"};
  for (std::string_view g : kGrades) {
    if (!StartsWith(s, g) || s.size() < g.size() + 3) continue;
    size_t i = g.size();
    if (!IsDigit(s[i]) || !IsDigit(s[i + 1]) || !IsDigit(s[i + 2])) return 0;
    i += 3;
    if (i < s.size() && s[i] == 'E') ++i;
    return i;
  }
  return 0;
}

// A Chinese character: U+4E00 to U+9FFF lead with the bytes E4 to E9.
bool IsHan(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0xE4 && b <= 0xE9;
}

// Words start at a Chinese character, or at a letter soon followed by one ("H型钢").
bool MayStartWord(std::string_view s, size_t pos) {
  if (!IsUpper(s[pos])) return IsHan(s[pos]);
  for (size_t i = pos + 1; i < s.size() && i <= pos + 3; ++i) {
    if (IsHan(s[i])) return true;
  }
  return false;
}

std::optional<double> InchValue(std::string_view text, size_t& pos) {
  const auto whole = ReadNumber(text, pos);
  if (!whole) return std::nullopt;
  if (pos < text.size() && text[pos] == '/') {
    size_t at = pos + 1;
    const auto den = ReadNumber(text, at);
    if (!den || *den == 0) return std::nullopt;
    pos = at;
    return *whole / *den;
  }
  if (pos < text.size() && text[pos] == '-') {  // "1-1/4'"
    size_t at = pos + 1;
    const auto num = ReadNumber(text, at);
    if (num && at < text.size() && text[at] == '/') {
      ++at;
      const auto den = ReadNumber(text, at);
      if (den && *den != 0) {
        pos = at;
        return *whole + *num / *den;
      }
    }
  }
  return whole;
}

// Nominal sizes DN to inches, for pipes written by DN.
std::optional<double> InchesOfDn(double dn) {
  static constexpr struct {
    double dn, inches;
  } kSizes[] = {{6, 0.125}, {8, 0.25}, {10, 0.375}, {15, 0.5}, {20, 0.75}, {25, 1},   {32, 1.25},
                {40, 1.5},  {50, 2},   {65, 2.5},   {80, 3},   {100, 4},   {125, 5}, {150, 6}};
  for (const auto& s : kSizes) {
    if (s.dn == dn) return s.inches;
  }
  return std::nullopt;
}

}  // namespace

Tokens Tokenise(std::string_view text, const SpecIndex& index) {
  Tokens t;
  const std::string folded = FoldWidthAndCase(text);
  std::string body;
  for (size_t pos = 0; pos < folded.size();) {
    if (const size_t grade = GradeLength(std::string_view(folded).substr(pos))) {
      if (const auto rebar = index.words.find(std::string_view("螺纹钢")); rebar != index.words.end()) {
        t.restriction.Intersect(rebar->second.restriction);
      }
      t.anyWord = true;
      pos += grade;
      continue;
    }
    bool matched = false;
    if (MayStartWord(folded, pos)) {
      for (size_t len = std::min(index.maxWordBytes, folded.size() - pos); len > 0; --len) {
        if (pos + len < folded.size() && IsContinuation(folded[pos + len])) continue;
        const auto it = index.words.find(std::string_view(folded).substr(pos, len));
        if (it == index.words.end()) continue;
        t.restriction.Intersect(it->second.restriction);
        if (it->second.core != Core::kNone) t.core = it->second.core;
        t.anyWord = true;
        pos += len;
        matched = true;
        break;
      }
    }
    if (matched) continue;
    do {
      body += folded[pos++];
    } while (pos < folded.size() && IsContinuation(folded[pos]));
  }
  t.readable = MapMarkers(body, t.body);
  return t;
}

std::optional<std::string> WeldedKey(std::string_view body) {
  size_t pos = 0;
  std::optional<double> inches;
  if (StartsWith(body, "DN")) {
    pos = 2;
    const auto dn = ReadNumber(body, pos);
    if (!dn) return std::nullopt;
    inches = InchesOfDn(*dn);
    if (!inches) return std::nullopt;
  } else {
    if (body.find('\'') == std::string_view::npos) return std::nullopt;
    inches = InchValue(body, pos);
    if (!inches || pos >= body.size() || body[pos] != '\'') return std::nullopt;
    ++pos;
  }
  std::string key = "'" + FormatDim(*inches);
  if (pos == body.size()) return key;
  if (body.substr(pos, kTimes.size()) != kTimes) return std::nullopt;
  pos += kTimes.size();
  size_t at = pos;
  const auto wall = ReadNumberText(body, at);
  if (!wall || at != body.size()) return std::nullopt;
  return key + std::string(kTimes) + CanonicalNumber(*wall);
}

std::string_view KeyFamily(std::string_view key) {
  if (!key.empty() && key[0] == '\x01') {
    const size_t colon = key.find(':');
    if (colon != std::string_view::npos) return key.substr(0, colon + 1);
  }
  size_t i = 0;
  while (i < key.size() && !IsDigit(key[i])) ++i;
  return key.substr(0, i);
}

std::vector<double> KeyNumbers(std::string_view key) {
  std::vector<double> nums;
  const std::string_view rest = key.substr(KeyFamily(key).size());
  for (size_t i = 0; i < rest.size();) {
    if (IsDigit(rest[i])) {
      if (const auto n = ReadNumber(rest, i)) {
        nums.push_back(*n);
        continue;
      }
    }
    ++i;
  }
  return nums;
}

Core CoreOfName(std::string_view name, std::string* diameter) {
  static constexpr struct {
    std::string_view text;
    Core core;
  } kCores[] = {{"天然纤芯", Core::kNatural}, {"合成纤芯", Core::kSynthetic}, {"纤维芯", Core::kFibre}, {"钢芯", Core::kSteel}};
  Core core = Core::kNone;
  for (const auto& c : kCores) {
    if (name.size() >= c.text.size() && name.substr(name.size() - c.text.size()) == c.text) {
      core = c.core;
      name.remove_suffix(c.text.size());
      break;
    }
  }
  if (StartsWith(name, kPhi)) name.remove_prefix(kPhi.size());
  if (diameter) *diameter = std::string(name);
  return core;
}

}  // namespace zelvik::spec
