// SPDX-License-Identifier: GPL-3.0-or-later
#include "spec/spec_parse.h"

#include <algorithm>
#include <cmath>

#include "spec/spec_read.h"
#include "spec/spec_text.h"

namespace zelvik {

namespace {

using spec::FormOutcome;
using spec::Reading;
using spec::SpecIndex;
using spec::Tokens;

SpecError Error(SpecErrorKind kind, std::string_view text) {
  static constexpr const char* kMessages[] = {"请输入规格", "看不懂的规格：", "没有这个规格：", "规格不唯一：",
                                              "尺寸不对："};
  std::string message = kMessages[static_cast<int>(kind)];
  if (kind != SpecErrorKind::kEmpty) {
    // The text is echoed on one line: line breaks and other control bytes pasted along with it
    // become blanks, and blanks around it go.
    std::string shown(text);
    for (char& c : shown) {
      if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    }
    const size_t first = shown.find_first_not_of(' ');
    const size_t last = shown.find_last_not_of(' ');
    if (first != std::string::npos) message += shown.substr(first, last - first + 1);
  }
  return SpecError{kind, std::move(message), {}};
}

double Distance(const std::vector<double>& a, const std::vector<double>& b) {
  double d = 1.5 * static_cast<double>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size());
  for (size_t i = 0; i < std::min(a.size(), b.size()); ++i) d += std::fabs(std::log((a[i] + 0.1) / (b[i] + 0.1)));
  return d;
}

// The sizes nearest to what was looked up: of the same family where there was a key, of
// any family otherwise.
std::vector<std::string> CloseSizes(const SpecIndex& index, const Tokens& t, const std::vector<std::string>& tried) {
  struct Probe {
    std::string_view family;
    std::vector<double> nums;
    bool anyFamily;
  };
  std::vector<Probe> probes;
  for (const std::string& key : tried) {
    auto nums = spec::KeyNumbers(key);
    if (!nums.empty()) probes.push_back(Probe{spec::KeyFamily(key), std::move(nums), false});
  }
  if (probes.empty()) {
    auto nums = spec::KeyNumbers(t.body);
    if (nums.empty()) return {};
    probes.push_back(Probe{{}, std::move(nums), true});
  }
  std::vector<double> best(index.items.size(), HUGE_VAL);
  auto score = [&](const Probe& p, int i) {
    const spec::SpecItem& item = index.items[static_cast<size_t>(i)];
    const size_t n = p.nums.size(), m = item.nums.size();
    if (!t.restriction.Allows(item.calc, item.type) || m > n + 2 || n > m + 1) return;
    best[static_cast<size_t>(i)] = std::min(best[static_cast<size_t>(i)], Distance(p.nums, item.nums));
  };
  for (const Probe& p : probes) {
    if (p.anyFamily) {
      for (size_t i = 0; i < index.items.size(); ++i) score(p, static_cast<int>(i));
    } else if (const auto it = index.byFamily.find(p.family); it != index.byFamily.end()) {
      for (const int i : it->second) score(p, i);
    }
  }
  std::vector<std::pair<double, int>> scored;
  for (size_t i = 0; i < best.size(); ++i) {
    if (best[i] < HUGE_VAL) scored.emplace_back(best[i], static_cast<int>(i));
  }
  std::stable_sort(scored.begin(), scored.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> out;
  for (const auto& [distance, i] : scored) {
    const std::string& canonical = index.items[static_cast<size_t>(i)].canonical;
    if (std::find(out.begin(), out.end(), canonical) == out.end()) out.push_back(canonical);
    if (out.size() == kMaxSpecCandidates) break;
  }
  return out;
}

// Exactly one reading: tables over computed products, the size as written, hot-rolled over
// cold-formed; what is left over is a tie.
std::variant<ParsedSpec, SpecError> Choose(std::vector<Reading> readings, std::string_view text) {
  auto drop = [&](auto pred) {
    std::vector<Reading> kept;
    for (const Reading& r : readings) {
      if (!pred(r)) kept.push_back(r);
    }
    if (!kept.empty()) readings = std::move(kept);
  };
  std::vector<Reading> unique;
  for (Reading& r : readings) {
    if (std::none_of(unique.begin(), unique.end(), [&](const Reading& u) { return u.spec == r.spec; }))
      unique.push_back(std::move(r));
  }
  readings = std::move(unique);
  drop([](const Reading& r) { return !r.table; });
  drop([](const Reading& r) { return !r.exact; });
  drop([&](const Reading& r) {
    return std::any_of(readings.begin(), readings.end(),
                       [&](const Reading& o) { return r.yieldsTo.test(static_cast<size_t>(o.spec.calc)); });
  });
  if (readings.size() == 1) return readings.front().spec;
  SpecError error = Error(SpecErrorKind::kAmbiguous, text);
  for (const Reading& r : readings) {
    if (error.candidates.size() < kMaxSpecCandidates) error.candidates.push_back(r.spec.canonical);
  }
  return error;
}

std::variant<ParsedSpec, SpecError> Parse(std::string_view text, const CustomRowSet* rows) {
  const SpecIndex& index = SpecIndex::Get();
  const Tokens tokens = spec::Tokenise(text, index);
  if (tokens.body.empty() && !tokens.anyWord && tokens.readable) return Error(SpecErrorKind::kEmpty, text);
  if (!tokens.readable) return Error(SpecErrorKind::kUnreadable, text);
  FormOutcome out;
  spec::ReadForms(tokens, index, rows, out);
  if (!out.readings.empty()) return Choose(std::move(out.readings), text);
  if (out.error) return *out.error;
  SpecError error = Error(out.recognised ? SpecErrorKind::kNoSuchSize : SpecErrorKind::kUnreadable, text);
  error.candidates = CloseSizes(index, tokens, out.tried);
  return error;
}

}  // namespace

std::variant<ParsedSpec, SpecError> ParseSpec(std::string_view text) { return Parse(text, nullptr); }

std::optional<ParsedSpec> SpecOfSize(CalcId calc, int type, int size) {
  for (const spec::SpecItem& item : SpecIndex::Get().items) {
    if (item.calc == calc && item.type == type && item.size == size) {
      return ParsedSpec{calc, type, size, std::nullopt, item.canonical};
    }
  }
  return std::nullopt;
}

std::variant<ParsedSpec, SpecError> ParseSpec(std::string_view text, const CustomRowSet& rows) {
  return Parse(text, &rows);
}

}  // namespace zelvik
