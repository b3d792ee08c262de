// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <bitset>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "weight/registry.h"

// The built-in sizes of every table by the keys spec strings are looked up with, and the
// product words that select calculators. Built once from the registry and the tables.
namespace zelvik::spec {

inline constexpr int kMaxTypes = 128;
using TypeMask = std::bitset<kMaxTypes>;

// Which (calculator, type) pairs a text may mean; product words narrow it.
struct Restriction {
  std::array<TypeMask, kCalcCount> allowed{};
  std::bitset<kCalcCount> named;  // calculators a word of the text names

  static Restriction All();
  void Add(CalcId calc, int type);  // type -1: every type
  void Intersect(const Restriction& other);
  bool Allows(CalcId calc, int type) const;
  bool AllowsCalc(CalcId calc) const { return allowed[static_cast<size_t>(calc)].any(); }
};

// Rope cores, as the size names end.
enum class Core { kNone, kNatural, kSynthetic, kSteel, kFibre };

struct WordInfo {
  Restriction restriction;
  Core core = Core::kNone;
};

struct SpecItem {
  CalcId calc;
  int type;
  int size;
  std::string canonical;
  std::string family;        // what its key starts with ("∠", "HW", "F3:")
  std::string exact;         // the canonical text's body as typed, for "as written" ties
  std::vector<double> nums;  // the numbers of the key, for close candidates
  Core core = Core::kNone;
  bool needsWord = false;  // read only when a product word names the calculator
  std::bitset<kCalcCount> yieldsTo;  // cold-formed: gives way to these hot-rolled ones
};

struct Standard {
  std::string prefix;  // "LS", "LM", "DQ", "开口销"
  std::string number;  // "5782", "97.1"
  std::string year;    // "2000"
};

// Lets the maps be searched with a string_view, without building a string.
struct TextHash {
  using is_transparent = void;
  size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
};
template <typename T>
using TextMap = std::unordered_map<std::string, T, TextHash, std::equal_to<>>;

class SpecIndex {
 public:
  static const SpecIndex& Get();

  std::vector<SpecItem> items;
  TextMap<std::vector<int>> byKey;
  TextMap<std::vector<int>> byFamily;
  TextMap<WordInfo> words;
  size_t maxWordBytes = 0;
  TextMap<int> ropeGroups;  // construction, upper case → type
  std::vector<Standard> standards;
  std::array<std::vector<int>, 4> defaultStandards;  // by FastenerKind, in the order tried
  struct Family {
    CalcId calc;
    int type;
    std::string family;
  };
  std::vector<Family> families;  // what the keys of each list start with

  const std::vector<int>* Find(std::string_view key) const;

  // Keys of a size of a one-level list (built-in or user-defined), and its text as written.
  std::vector<std::string> SizeKeys(const CalcInfo& info, std::string_view name, std::string_view spec,
                                    std::string* exact) const;
  // Whether the calculator's sizes are read only after a word naming it ("六角20").
  bool NeedsWord(const CalcInfo& info) const;
  // The canonical text of a user-defined size: its model, behind the calculator's prefix
  // unless the model already starts with it ("□ 12x1" stays as it is).
  std::string RowCanonical(const CalcInfo& info, std::string_view model) const;

 private:
  SpecIndex();
  void AddWords();
  void AddItems();
  void AddItem(SpecItem item, const std::vector<std::string>& keys);
};

// The classes of fasteners a word or a size form names.
enum class FastenerKind { kBolt, kNut, kWasher, kPin };

// Standard indexes of a kind, from the standards' own prefixes.
TypeMask StandardsOf(FastenerKind kind);

}  // namespace zelvik::spec
