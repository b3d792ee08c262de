// SPDX-License-Identifier: GPL-3.0-or-later
// The forms a spec string's body takes, each read against the tables or into dimensions.
#include <algorithm>
#include <cmath>

#include "spec/spec_read.h"
#include "spec/spec_text.h"
#include "weight/calculators.h"
#include "weight/size_lists.h"

namespace zelvik::spec {

namespace {

// What a lookup adds to the size it finds: a sheet size, a bolt's length.
struct Extra {
  std::optional<SpecDims> dims;
  std::string suffix;
  bool meshOnly = false;
  Core core = Core::kNone;
};

struct Dim {
  double value;
  std::string_view text;
};

// Numbers joined by "×" from `pos` to the end; nothing else may follow.
std::optional<std::vector<Dim>> ReadDims(std::string_view s, size_t pos) {
  std::vector<Dim> dims;
  while (true) {
    size_t at = pos;
    const auto text = ReadNumberText(s, at);
    if (!text) return std::nullopt;
    size_t again = pos;
    const auto value = ReadNumber(s, again);
    if (!value) return std::nullopt;
    dims.push_back(Dim{*value, *text});
    pos = at;
    if (pos == s.size()) return dims;
    if (s.substr(pos, kTimes.size()) != kTimes) return std::nullopt;
    pos += kTimes.size();
    if (pos == s.size()) return dims;  // the asterisk that marks some sizes
  }
}

std::string Join(std::string_view marker, std::initializer_list<std::string_view> parts, bool canonical) {
  std::string out(marker);
  bool first = true;
  for (std::string_view p : parts) {
    if (!first) out += kTimes;
    out += canonical ? CanonicalNumber(p) : std::string(p);
    first = false;
  }
  return out;
}

bool CoreMatches(Core wanted, Core item) {
  if (wanted == Core::kNone) return true;
  if (wanted == Core::kFibre) return item == Core::kFibre || item == Core::kNatural;
  return wanted == item;
}

SpecError BadDimensions(const std::string& what) {
  return SpecError{SpecErrorKind::kBadDimensions, "尺寸不对：" + what, {}};
}

class Reader {
 public:
  Reader(const Tokens& t, const SpecIndex& index, const CustomRowSet* rows, FormOutcome& out)
      : t_(t), index_(index), rows_(rows), out_(out) {}

  void Read(std::string_view body) {
    if (body.find_first_of("0123456789") != std::string_view::npos) out_.recognised = true;
    ReadFastener(body);
    ReadRope(body);
    if (const auto key = WeldedKey(body)) {
      const bool partial = key->find(kTimes) == std::string::npos;
      Add(Lookup(*key, body, partial, {}));
    }
    ReadRound(body);
    ReadPlate(body);
    ReadSized(body);
  }

 private:
  bool Allowed(CalcId calc) const { return t_.restriction.AllowsCalc(calc); }

  std::vector<Reading> Lookup(const std::string& key, std::string_view exact, bool partial, const Extra& extra) {
    out_.tried.push_back(key);
    std::vector<Reading> found;
    auto take = [&](CalcId calc, int type, int size, std::string canonical, bool isExact,
                    std::bitset<kCalcCount> yieldsTo) {
      Reading r;
      r.spec = ParsedSpec{calc, type, size, extra.dims, std::move(canonical) + extra.suffix};
      r.table = true;
      r.exact = isExact;
      r.yieldsTo = yieldsTo;
      found.push_back(std::move(r));
    };
    if (const auto* ids = index_.Find(key)) {
      for (const int id : *ids) {
        const SpecItem& item = index_.items[static_cast<size_t>(id)];
        if (!t_.restriction.Allows(item.calc, item.type)) continue;
        if (item.needsWord && !t_.restriction.named.test(static_cast<size_t>(item.calc))) continue;
        if (extra.meshOnly && item.calc != CalcId::kPlateMesh) continue;
        if (item.calc == CalcId::kWireRope && !CoreMatches(extra.core, item.core)) continue;
        take(item.calc, item.type, item.size, item.canonical, item.exact == exact, item.yieldsTo);
      }
    }
    if (rows_ != nullptr && !extra.meshOnly) {
      for (const CalcInfo& info : AllCalcs()) {
        if (info.customKind < 0 || !Allowed(info.id)) continue;
        if (index_.NeedsWord(info) && !t_.restriction.named.test(static_cast<size_t>(info.id))) continue;
        const auto& own = (*rows_)[static_cast<size_t>(info.customKind)];
        for (size_t i = 0; i < own.size(); ++i) {
          // A row without a model names nothing (the lists never load one).
          if (own[i].model.find_first_not_of(' ') == std::string::npos) continue;
          std::string rowExact;
          const auto keys = index_.SizeKeys(info, own[i].model, "", &rowExact);
          if (std::find(keys.begin(), keys.end(), key) == keys.end()) continue;
          take(info.id, -1, BuiltInCount(info.id) + static_cast<int>(i), index_.RowCanonical(info, own[i].model),
               rowExact == exact, {});
        }
      }
    }
    if (partial) {  // the key names several sizes of a list: the first of each list is meant
      std::vector<Reading> first;
      for (Reading& r : found) {
        const bool seen = std::any_of(first.begin(), first.end(), [&](const Reading& f) {
          return f.spec.calc == r.spec.calc && f.spec.type == r.spec.type;
        });
        if (!seen) first.push_back(std::move(r));
      }
      found = std::move(first);
    }
    return found;
  }

  void Add(std::vector<Reading> readings) {
    for (Reading& r : readings) out_.readings.push_back(std::move(r));
  }

  void Computed(CalcId calc, SpecDims dims, std::string canonical) {
    Reading r;
    r.spec = ParsedSpec{calc, -1, -1, dims, std::move(canonical)};
    out_.readings.push_back(std::move(r));
  }

  // "∠50×5" (equal legs), "∠63×40×5"; "□100×4", "□100×100×4", "□100×50×3".
  void ReadLegs(std::string_view body, std::string_view marker) {
    const auto dims = ReadDims(body, marker.size());
    if (!dims) return;
    const auto& d = *dims;
    const bool square = marker == kSquare;
    if (d.size() == 2) {
      if (square) {
        Add(Lookup(Join(marker, {d[0].text, d[1].text}, true), body, false, {}));
      } else {
        Add(Lookup(Join(marker, {d[0].text, d[0].text, d[1].text}, true),
                   Join(marker, {d[0].text, d[0].text, d[1].text}, false), false, {}));
      }
    } else if (d.size() == 3) {
      if (square && d[0].value == d[1].value) {
        Add(Lookup(Join(marker, {d[0].text, d[2].text}, true), Join(marker, {d[0].text, d[2].text}, false), false, {}));
        return;
      }
      Add(Lookup(Join(marker, {d[0].text, d[1].text, d[2].text}, true), body, false, {}));
      if (d[0].value < d[1].value) {  // the short leg written first
        Add(Lookup(Join(marker, {d[1].text, d[0].text, d[2].text}, true), "", false, {}));
      }
    }
  }

  // "HW200×200", "HN400×200", "H400×200×8×13" (web and flange thickness ignored), "TN200×200".
  bool ReadSection(std::string_view body) {
    if (body.size() < 2 || (body[0] != 'H' && body[0] != 'T')) return false;
    size_t pos = 1;
    if (std::string_view("WMNTP").find(body[pos]) != std::string_view::npos) ++pos;
    const auto d = ReadDims(body, pos);
    if (!d || d->size() < 2 || d->size() > 4) return false;
    const std::string_view code = body.substr(0, pos);
    Add(Lookup(Join(code, {(*d)[0].text, (*d)[1].text}, true), Join(code, {(*d)[0].text, (*d)[1].text}, false),
               false, {}));
    return true;
  }

  void ReadSized(std::string_view body) {
    out_.tried.push_back(NormKey(body));
    if (StartsWith(body, kAngle)) return ReadLegs(body, kAngle);
    if (StartsWith(body, kSquare)) return ReadLegs(body, kSquare);
    if (ReadSection(body)) return;
    Add(Lookup(NormKey(body), body, false, {}));
    // A plate product with its sheet size: "δ4×1500×6000".
    if (!Allowed(CalcId::kPlateMesh)) return;
    const size_t last = body.rfind(kTimes);
    if (last == std::string_view::npos || last == 0) return;
    const size_t cut = body.rfind(kTimes, last - 1);
    if (cut == std::string_view::npos || cut == 0) return;
    const auto sheet = ReadDims(body, cut + kTimes.size());
    if (!sheet || sheet->size() != 2 || sheet->at(0).value <= 0 || sheet->at(1).value <= 0) return;
    Extra extra;
    extra.meshOnly = true;
    extra.dims = SpecDims{};
    extra.dims->sheetWidth = (*sheet)[0].value;
    extra.dims->sheetLength = (*sheet)[1].value;
    extra.suffix = Join(kTimes, {FormatDim(extra.dims->sheetWidth), FormatDim(extra.dims->sheetLength)}, false);
    const std::string_view size = body.substr(0, cut);
    Add(Lookup(NormKey(size), size, false, extra));
  }

  // "Φ20" solid, "Φ108×4" outer × wall.
  void ReadRound(std::string_view body) {
    if (!StartsWith(body, kPhi) || !Allowed(CalcId::kRoundPipe)) return;
    const auto d = ReadDims(body, kPhi.size());
    if (!d || d->size() > 2) return;
    SpecDims dims;
    dims.outer = (*d)[0].value;
    std::string canonical = "Φ" + FormatDim(dims.outer);
    if (d->size() == 2) {
      dims.wall = (*d)[1].value;
      canonical += std::string(kTimes) + FormatDim(dims.wall);
      if (dims.wall <= 0) return Fail(BadDimensions("壁厚为0"));
      if (dims.wall > dims.outer / 2) return Fail(BadDimensions("壁厚大于外径的一半"));
    }
    if (dims.outer <= 0) return Fail(BadDimensions("外径为0"));
    Computed(CalcId::kRoundPipe, dims, canonical);
  }

  // "-10×1500×6000" (T×W×L), "-50×5" flat bar (W×T, the larger is the width), "-10" per m².
  void ReadPlate(std::string_view body) {
    size_t pos = 0;
    for (std::string_view marker : {std::string_view("-"), kDelta, std::string_view("PL"), std::string_view("T=")}) {
      if (StartsWith(body, marker)) pos = marker.size();
    }
    if (body.substr(pos, 1) == "=") ++pos;  // "δ=10", "PL=10"
    if (pos == 0) return;
    const auto d = ReadDims(body, pos);
    if (!d || d->empty() || d->size() > 3) return;
    out_.recognised = true;
    for (const Dim& dim : *d) {
      if (dim.value <= 0) return Fail(BadDimensions("尺寸为0"));
    }
    SpecDims dims;
    if (d->size() == 1) {
      if (!Allowed(CalcId::kPlate2)) return;
      dims.thickness = (*d)[0].value;
      return Computed(CalcId::kPlate2, dims, "-" + FormatDim(dims.thickness));
    }
    if (!Allowed(CalcId::kPlate1)) return;
    if (d->size() == 2) {
      dims.width = std::max((*d)[0].value, (*d)[1].value);
      dims.thickness = std::min((*d)[0].value, (*d)[1].value);
      return Computed(CalcId::kPlate1, dims, "-" + FormatDim(dims.width) + std::string(kTimes) + FormatDim(dims.thickness));
    }
    dims.thickness = (*d)[0].value;
    dims.width = (*d)[1].value;
    dims.length = (*d)[2].value;
    Computed(CalcId::kPlate1, dims,
             "-" + FormatDim(dims.thickness) + std::string(kTimes) + FormatDim(dims.width) + std::string(kTimes) +
                 FormatDim(dims.length));
  }

  // "6×19-20", "6×19-φ20钢芯", "6×19φ20", "6×37-30IWRC".
  void ReadRope(std::string_view body) {
    if (!Allowed(CalcId::kWireRope)) return;
    const size_t dash = body.find('-');
    const size_t phi = body.find(kPhi);
    const size_t sep = std::min(dash, phi);
    if (sep == std::string_view::npos || sep == 0) return;
    const auto group = index_.ropeGroups.find(body.substr(0, sep));
    if (group == index_.ropeGroups.end()) return;
    size_t pos = sep + (sep == dash ? 1 : 0);
    if (StartsWith(body.substr(pos), kPhi)) pos += kPhi.size();
    const auto diameter = ReadNumberText(body, pos);
    if (!diameter) return;
    static constexpr struct {
      std::string_view text;
      Core core;
    } kLetters[] = {{"", Core::kNone},           {"NFC", Core::kNatural}, {"SFC", Core::kSynthetic},
                    {"FC", Core::kFibre},         {"IWRC", Core::kSteel},  {"IWR", Core::kSteel},
                    {"IWS", Core::kSteel},        {"WSC", Core::kSteel}};
    const std::string_view rest = body.substr(pos);
    const auto letters = std::find_if(std::begin(kLetters), std::end(kLetters), [&](const auto& l) { return l.text == rest; });
    if (letters == std::end(kLetters)) return;
    out_.recognised = true;
    Extra extra;
    extra.core = letters->core != Core::kNone ? letters->core : t_.core;
    Add(Lookup(RopeKey(group->second, CanonicalNumber(*diameter)), "", true, extra));
  }

  void ReadFastener(std::string_view body);

  void Fail(SpecError error) {
    out_.recognised = true;
    if (!out_.error) out_.error = std::move(error);
  }

  const Tokens& t_;
  const SpecIndex& index_;
  const CustomRowSet* rows_;
  FormOutcome& out_;
};

bool StartsSize(std::string_view s) {
  return StartsWith(s, "M") || StartsWith(s, "(M") || StartsWith(s, "D=") || StartsWith(s, "(D=") ||
         StartsWith(s, kPhi);
}

// "LS 5782-2000 M20×100", "GB 5782 M20×100", "M20", "M20×2", "螺母M20", "垫圈20", "开口销φ2×20".
void Reader::ReadFastener(std::string_view body) {
  const CalcId calc = CalcId::kFastener;
  if (!Allowed(calc)) return;
  const bool named = t_.restriction.named.test(static_cast<size_t>(calc));
  std::vector<int> standards;
  std::string_view size = body;
  // A standard: letters (any, or none), its number, perhaps its year.
  size_t pos = 0;
  while (pos < body.size() && ((body[pos] >= 'A' && body[pos] <= 'Z') || body[pos] == '/')) ++pos;
  const std::string_view letters = body.substr(0, pos);
  bool designated = false;
  if (pos < body.size() && IsDigit(body[pos])) {
    size_t at = pos;
    const auto number = ReadNumberText(body, at);
    std::string_view year;
    const std::string_view after = body.substr(at);
    if (number && after.size() >= 5 && after[0] == '-' && IsDigit(after[1]) && IsDigit(after[2]) && IsDigit(after[3]) &&
        IsDigit(after[4])) {
      year = body.substr(at + 1, 4);
      at += 5;
    }
    if (number && StartsSize(body.substr(at))) {
      designated = true;
      size = body.substr(at);
      // Letters of another body of standards ("GB", "GB/T") stand for ours.
      const bool ownLetters = std::any_of(index_.standards.begin(), index_.standards.end(),
                                          [&](const Standard& o) { return o.prefix == letters; });
      for (size_t s = 0; s < index_.standards.size(); ++s) {
        const Standard& st = index_.standards[s];
        if (st.number == *number && (year.empty() || st.year == year) && (!ownLetters || st.prefix == letters) &&
            t_.restriction.Allows(calc, static_cast<int>(s)))
          standards.push_back(static_cast<int>(s));
      }
      out_.recognised = true;
      if (standards.empty()) out_.tried.push_back(FastenerKey(-1, ""));
    }
  }
  // Without a standard: the default ones of the kinds the size form and the words allow.
  std::vector<std::pair<int, std::string>> attempts;  // standard, size text
  if (designated) {
    for (int s : standards) attempts.emplace_back(s, std::string(size));
  } else {
    static constexpr FastenerKind kKinds[] = {FastenerKind::kBolt, FastenerKind::kNut, FastenerKind::kWasher,
                                              FastenerKind::kPin};
    for (FastenerKind kind : kKinds) {
      std::string text(size);
      const bool metric = StartsWith(size, "M") || StartsWith(size, "(M");
      const bool washer = StartsWith(size, "D=") || StartsWith(size, "(D=");
      const bool digit = !size.empty() && IsDigit(size[0]);
      switch (kind) {
        case FastenerKind::kBolt:
        case FastenerKind::kNut:
          if (digit && named) text = "M" + text;
          else if (!metric) continue;
          break;
        case FastenerKind::kWasher:
          if ((digit || metric) && named) text = "D=" + text.substr(metric ? 1 : 0);
          else if (!washer) continue;
          break;
        case FastenerKind::kPin:
          if (!named) continue;
          if (digit) text = std::string(kPhi) + text;
          else if (!StartsWith(size, kPhi)) continue;
          break;
      }
      for (int s : index_.defaultStandards[static_cast<size_t>(kind)]) {
        if (t_.restriction.Allows(calc, s)) attempts.emplace_back(s, text);
      }
    }
  }
  if (attempts.empty()) return;
  out_.recognised = true;
  // The whole size as a size name first ("M20×2"), then its last number as the length.
  for (const auto& [s, text] : attempts) {
    auto found = Lookup(FastenerKey(s, NormKey(text)), "", false, {});
    if (!found.empty()) return Add(std::move(found));
  }
  for (const auto& [s, text] : attempts) {
    const size_t cut = text.rfind(kTimes);
    if (cut == std::string::npos || !FastenerTakesLength(s)) continue;
    size_t at = cut + kTimes.size();
    const auto length = ReadNumber(text, at);
    if (!length || at != text.size() || *length <= 0) continue;
    Extra extra;
    extra.dims = SpecDims{};
    extra.dims->length = *length;
    extra.suffix = std::string(kTimes) + FormatDim(*length);
    auto found = Lookup(FastenerKey(s, NormKey(text.substr(0, cut))), "", false, extra);
    if (!found.empty()) return Add(std::move(found));
  }
}

}  // namespace

void ReadForms(const Tokens& tokens, const SpecIndex& index, const CustomRowSet* rows, FormOutcome& out) {
  Reader reader(tokens, index, rows, out);
  const std::string& body = tokens.body;
  reader.Read(body);
  // "角钢50×5", "六角20", "钢板10×1500×6000": the markers the named products are written with.
  if (!tokens.anyWord || body.empty() || !(IsDigit(body[0]) || body[0] == '.')) return;
  std::vector<std::string> markers;
  auto addMarker = [&](std::string m) {
    if (!m.empty() && std::find(markers.begin(), markers.end(), m) == markers.end()) markers.push_back(std::move(m));
  };
  for (const SpecIndex::Family& f : index.families) {
    if (f.calc == CalcId::kWireRope || f.calc == CalcId::kFastener || f.calc == CalcId::kWeldedPipe) continue;
    if (tokens.restriction.Allows(f.calc, f.type)) addMarker(f.family);
  }
  if (tokens.restriction.AllowsCalc(CalcId::kRoundPipe)) addMarker(std::string(kPhi));
  if (tokens.restriction.AllowsCalc(CalcId::kPlate1) || tokens.restriction.AllowsCalc(CalcId::kPlate2)) addMarker("-");
  for (const std::string& m : markers) reader.Read(m + body);
}

}  // namespace zelvik::spec
