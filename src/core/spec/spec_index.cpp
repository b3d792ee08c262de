// SPDX-License-Identifier: GPL-3.0-or-later
#include "spec/spec_index.h"

#include <algorithm>

#include "spec/spec_read.h"
#include "spec/spec_text.h"
#include "weight/registry.h"

namespace zelvik::spec {

namespace {

constexpr std::string_view kColdWord = "冷弯";

// The standards tried, in order, when a fastener is written without one.
constexpr std::string_view kDefaultBolts[] = {"LS 5782-2000", "LS 5785-2000"};
constexpr std::string_view kDefaultNuts[] = {"LM 6170-2000", "LM 6171-2000"};
constexpr std::string_view kDefaultWashers[] = {"DQ 97.1-2002"};
constexpr std::string_view kDefaultPins[] = {"开口销91-2000"};

// Words that name a shape of two-level lists by the start of their type names.
constexpr std::string_view kShapeWords[] = {"等边", "不等边", "内卷边", "外卷边"};

constexpr struct {
  std::string_view word;
  Core core;
} kCoreWords[] = {
    {"天然纤芯", Core::kNatural}, {"合成纤芯", Core::kSynthetic}, {"钢芯", Core::kSteel}, {"纤维芯", Core::kFibre},
};

constexpr struct {
  std::string_view word;
  FastenerKind kind;
} kFastenerWords[] = {
    {"螺栓", FastenerKind::kBolt},  {"螺母", FastenerKind::kNut},   {"垫圈", FastenerKind::kWasher},
    {"垫片", FastenerKind::kWasher}, {"开口销", FastenerKind::kPin},
};

std::vector<std::string_view> SplitWords(std::string_view words) {
  std::vector<std::string_view> out;
  while (!words.empty()) {
    const size_t bar = words.find('|');
    out.push_back(words.substr(0, bar));
    if (bar == std::string_view::npos) break;
    words.remove_prefix(bar + 1);
  }
  return out;
}

std::string Mapped(std::string_view text) {
  std::string out;
  MapMarkers(FoldWidthAndCase(text), out);
  return out;
}

Standard SplitStandard(std::string_view name) {
  Standard s;
  size_t i = 0;
  while (i < name.size() && !IsDigit(name[i])) ++i;
  std::string_view prefix = name.substr(0, i);
  while (!prefix.empty() && prefix.back() == ' ') prefix.remove_suffix(1);
  s.prefix = std::string(prefix);
  const size_t dash = name.find('-', i);
  s.number = std::string(name.substr(i, dash == std::string_view::npos ? std::string_view::npos : dash - i));
  if (dash != std::string_view::npos) s.year = std::string(name.substr(dash + 1));
  return s;
}

// A cold-formed calculator gives way to the hot-rolled ones it shares a product word with.
std::bitset<kCalcCount> YieldsTo(const CalcInfo& cold) {
  std::bitset<kCalcCount> to;
  const auto own = SplitWords(cold.specText.words);
  if (std::find(own.begin(), own.end(), kColdWord) == own.end()) return to;
  for (const CalcInfo& other : AllCalcs()) {
    if (other.id == cold.id) continue;
    for (std::string_view word : SplitWords(other.specText.words)) {
      if (word != kColdWord && std::find(own.begin(), own.end(), word) != own.end()) to.set(static_cast<size_t>(other.id));
    }
  }
  return to;
}

std::string TypeCode(std::string_view typeName) {
  size_t i = 0;
  while (i < typeName.size() && typeName[i] >= 'A' && typeName[i] <= 'Z') ++i;
  return std::string(typeName.substr(0, i));
}

}  // namespace

Restriction Restriction::All() {
  Restriction r;
  for (auto& mask : r.allowed) mask.set();
  return r;
}

void Restriction::Add(CalcId calc, int type) {
  auto& mask = allowed[static_cast<size_t>(calc)];
  if (type < 0) {
    mask.set();
  } else if (type < kMaxTypes) {
    mask.set(static_cast<size_t>(type));
  }
  named.set(static_cast<size_t>(calc));
}

void Restriction::Intersect(const Restriction& other) {
  for (size_t i = 0; i < allowed.size(); ++i) allowed[i] &= other.allowed[i];
  named |= other.named;
}

bool Restriction::Allows(CalcId calc, int type) const {
  const auto& mask = allowed[static_cast<size_t>(calc)];
  return type < 0 ? mask.any() : type < kMaxTypes && mask.test(static_cast<size_t>(type));
}

TypeMask StandardsOf(FastenerKind kind) {
  static constexpr std::string_view kPrefixes[] = {"LS", "LM", "DQ", "开口销"};
  TypeMask mask;
  const auto standards = FastenerTable();
  for (size_t i = 0; i < standards.size() && i < static_cast<size_t>(kMaxTypes); ++i) {
    if (SplitStandard(standards[i].name).prefix == kPrefixes[static_cast<int>(kind)]) mask.set(i);
  }
  return mask;
}

const SpecIndex& SpecIndex::Get() {
  // Immutable once built; the tables it indexes are constant.
  static const SpecIndex index;
  return index;
}

const std::vector<int>* SpecIndex::Find(std::string_view key) const {
  const auto it = byKey.find(key);
  return it == byKey.end() ? nullptr : &it->second;
}

SpecIndex::SpecIndex() {
  AddWords();
  for (const auto& st : FastenerTable()) standards.push_back(SplitStandard(st.name));
  auto findStandards = [&](std::span<const std::string_view> names) {
    std::vector<int> out;
    for (std::string_view name : names) {
      for (size_t i = 0; i < FastenerTable().size(); ++i) {
        if (FastenerTable()[i].name == name) out.push_back(static_cast<int>(i));
      }
    }
    return out;
  };
  defaultStandards = {findStandards(kDefaultBolts), findStandards(kDefaultNuts), findStandards(kDefaultWashers),
                      findStandards(kDefaultPins)};
  const auto ropes = WireRopeTable();
  for (size_t t = 0; t < ropes.size(); ++t) ropeGroups.emplace(Mapped(ropes[t].type), static_cast<int>(t));
  AddItems();
}

void SpecIndex::AddWords() {
  auto add = [&](std::string_view word, const Restriction& r, Core core = Core::kNone) {
    const std::string folded = FoldWidthAndCase(word);
    auto [it, fresh] = words.try_emplace(folded, WordInfo{});
    if (fresh) {
      it->second.restriction = Restriction{};
    }
    for (size_t i = 0; i < r.allowed.size(); ++i) it->second.restriction.allowed[i] |= r.allowed[i];
    it->second.restriction.named |= r.named;
    if (core != Core::kNone) it->second.core = core;
    maxWordBytes = std::max(maxWordBytes, folded.size());
  };
  for (const CalcInfo& info : AllCalcs()) {
    const auto groups = info.sizes.groups ? info.sizes.groups() : std::span<const SizeGroup>{};
    const bool typeWords = !groups.empty() && info.specText.form != SpecForm::kRope;
    for (std::string_view word : SplitWords(info.specText.words)) {
      // A word that part of the type names holds stands for those types; a word led by a
      // letter for the types whose code starts with it ("H型钢").
      Restriction r;
      for (size_t t = 0; typeWords && t < groups.size(); ++t) {
        if (std::string_view(groups[t].type).find(word) != std::string_view::npos) r.Add(info.id, static_cast<int>(t));
      }
      const bool held = r.named.any();
      for (size_t t = 0; typeWords && !held && t < groups.size(); ++t) {
        if (word[0] >= 'A' && word[0] <= 'Z' && groups[t].type[0] == word[0]) r.Add(info.id, static_cast<int>(t));
      }
      if (!r.named.any()) r.Add(info.id, -1);
      add(word, r);
    }
    for (size_t t = 0; typeWords && t < groups.size(); ++t) {
      Restriction r;
      r.Add(info.id, static_cast<int>(t));
      add(groups[t].type, r);
      // "HW宽翼缘": the words after the code too.
      const std::string code = TypeCode(groups[t].type);
      if (!code.empty()) add(std::string_view(groups[t].type).substr(code.size()), r);
    }
    for (std::string_view shape : kShapeWords) {
      Restriction r;
      for (size_t t = 0; typeWords && t < groups.size(); ++t) {
        if (StartsWith(groups[t].type, shape)) r.Add(info.id, static_cast<int>(t));
      }
      if (info.id == CalcId::kHotAngle && (shape == "等边" || shape == "不等边")) r.Add(info.id, -1);
      if (r.named.any()) add(shape, r);
    }
  }
  Restriction rope;
  rope.Add(CalcId::kWireRope, -1);
  for (const auto& c : kCoreWords) add(c.word, rope, c.core);
  for (const auto& f : kFastenerWords) {
    Restriction r;
    r.named.set(static_cast<size_t>(CalcId::kFastener));
    r.allowed[static_cast<size_t>(CalcId::kFastener)] = StandardsOf(f.kind);
    add(f.word, r);
  }
}

bool SpecIndex::NeedsWord(const CalcInfo& info) const {
  if (info.specText.form == SpecForm::kTypeName) return true;
  const std::string_view prefix = info.specText.prefix;
  return !prefix.empty() && words.find(FoldWidthAndCase(prefix)) != words.end();
}

std::string SpecIndex::RowCanonical(const CalcInfo& info, std::string_view model) const {
  const std::string prefix = info.specText.prefix;
  if (prefix.empty()) return std::string(model);
  std::string_view name = model;
  while (!name.empty() && name.front() == ' ') name.remove_prefix(1);
  if (Mapped(name).starts_with(Mapped(prefix))) return std::string(model);
  return prefix + std::string(model);
}

std::vector<std::string> SpecIndex::SizeKeys(const CalcInfo& info, std::string_view name, std::string_view spec,
                                             std::string* exact) const {
  const std::string prefix = info.specText.prefix;
  const bool prefixIsWord = NeedsWord(info);
  *exact = Mapped(prefixIsWord ? std::string(name) : prefix + std::string(name));
  std::vector<std::string> keys;
  if (auto welded = WeldedKey(*exact)) {
    keys = {*welded, welded->substr(0, welded->find(kTimes))};
  } else {
    keys = {NormKey(*exact)};
  }
  if (!prefix.empty() && !prefixIsWord) keys.push_back(NormKey(Mapped(name)));  // "20×1.2", "80×40×2.5"
  if (!spec.empty()) keys.push_back(exact->substr(0, exact->find_first_of("0123456789")) + NormKey(Mapped(spec)));
  return keys;
}

void SpecIndex::AddItem(SpecItem item, const std::vector<std::string>& keys) {
  item.nums = KeyNumbers(keys.front());
  item.family = std::string(KeyFamily(keys.front()));
  const auto known = [&](const Family& f) { return f.calc == item.calc && f.type == item.type && f.family == item.family; };
  if (families.empty() || !known(families.back())) families.push_back(Family{item.calc, item.type, item.family});
  const int id = static_cast<int>(items.size());
  byFamily[item.family].push_back(id);
  items.push_back(std::move(item));
  for (const std::string& key : keys) byKey[key].push_back(id);
}

void SpecIndex::AddItems() {
  for (const CalcInfo& info : AllCalcs()) {
    const SpecText& text = info.specText;
    const std::bitset<kCalcCount> yields = YieldsTo(info);
    const std::string prefix = text.prefix;
    const bool needsWord = NeedsWord(info);
    auto sizeName = [&](int type, int size, std::string_view name, std::string_view spec) {
      SpecItem item{info.id, type, size, prefix + std::string(name), "", "", {}, Core::kNone, needsWord, yields};
      const auto keys = SizeKeys(info, name, spec, &item.exact);
      AddItem(std::move(item), keys);
    };
    if (info.sizes.single) {
      const auto table = info.sizes.single();
      for (size_t i = 0; i < table.size(); ++i) sizeName(-1, static_cast<int>(i), table[i].name, table[i].spec);
    }
    if (info.sizes.standards) {
      const auto table = info.sizes.standards();
      for (size_t s = 0; s < table.size(); ++s) {
        for (size_t i = 0; i < table[s].sizes.size(); ++i) {
          const std::string_view name = table[s].sizes[i].name;
          SpecItem item{info.id, static_cast<int>(s), static_cast<int>(i),
                        std::string(table[s].name) + " " + std::string(name), "", Mapped(name), {}, Core::kNone,
                        false, {}};
          const std::string key = FastenerKey(static_cast<int>(s), NormKey(item.exact));
          AddItem(std::move(item), {key});
        }
      }
    }
    if (!info.sizes.groups) continue;
    const auto groups = info.sizes.groups();
    for (size_t t = 0; t < groups.size(); ++t) {
      const int type = static_cast<int>(t);
      for (size_t i = 0; i < groups[t].sizes.size(); ++i) {
        const int size = static_cast<int>(i);
        const std::string_view name = groups[t].sizes[i].name;
        switch (text.form) {
          case SpecForm::kTypeCode: {
            const std::string code = TypeCode(groups[t].type);
            SpecItem item{info.id, type, size, code + std::string(name), "", Mapped(code + std::string(name)), {},
                          Core::kNone, false, yields};
            const std::string rest = NormKey(Mapped(name));
            AddItem(std::move(item), {code + rest, code.substr(0, 1) + rest});
            break;
          }
          case SpecForm::kTypeName: {
            SpecItem item{info.id, type, size, std::string(groups[t].type) + std::string(name), "", Mapped(name), {},
                          Core::kNone, true, yields};
            const std::string key = NormKey(item.exact);
            AddItem(std::move(item), {key});
            break;
          }
          case SpecForm::kRope: {
            std::string diameter;
            const Core core = CoreOfName(name, &diameter);
            std::string shown(name);
            if (StartsWith(shown, kPhi)) shown.erase(0, kPhi.size());
            SpecItem item{info.id, type, size, std::string(groups[t].type) + "-" + shown, "", "", {}, core, false, {}};
            AddItem(std::move(item), {RopeKey(type, NormKey(diameter))});
            break;
          }
          default:
            sizeName(type, size, name, "");
            break;
        }
      }
    }
  }
}

}  // namespace zelvik::spec
