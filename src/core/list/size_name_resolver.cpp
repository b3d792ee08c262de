// Reads the spec strings the list needs until the full spec-string parser is in: the size
// names of the tabulated calculators ("∠50×50×5", "[20a"; "TYPE SIZE" for two-level lists,
// "6×19 φ20天然纤芯") and plates as "-T×W×L" in mm.
#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "list/list_format.h"
#include "list/spec_resolver.h"
#include "weight/calculators.h"
#include "weight/families.h"
#include "weight/size_lists.h"

namespace zelvik {

namespace {

struct Entry {
  CalcId calc;
  std::string canonical;
  double q;  // tabulated unit weight at 7.85
};

constexpr CalcId kTabulated[] = {
    CalcId::kHotAngle, CalcId::kHotChannel, CalcId::kIBeam, CalcId::kSquareTube, CalcId::kWeldedPipe,
    CalcId::kHTSection, CalcId::kWireRope, CalcId::kHexBar, CalcId::kOctBar, CalcId::kRebar,
    CalcId::kColdAngle, CalcId::kColdChannel, CalcId::kColdZ,
};

std::string Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return std::string(s);
}

// "-10×1500×6000" (also with x, X or *): thickness, width, length.
std::optional<std::array<double, 3>> ParsePlate(std::string_view s) {
  if (s.empty() || s.front() != '-') return std::nullopt;
  s.remove_prefix(1);
  std::array<double, 3> dims{};
  for (std::size_t i = 0; i < 3; ++i) {
    const auto res = std::from_chars(s.data(), s.data() + s.size(), dims[i]);
    if (res.ec != std::errc() || !(dims[i] > 0) || !std::isfinite(dims[i])) return std::nullopt;
    s.remove_prefix(static_cast<std::size_t>(res.ptr - s.data()));
    if (i == 2) break;
    if (s.starts_with("×")) {
      s.remove_prefix(std::string_view("×").size());
    } else if (!s.empty() && (s.front() == 'x' || s.front() == 'X' || s.front() == '*')) {
      s.remove_prefix(1);
    } else {
      return std::nullopt;
    }
  }
  if (!s.empty()) return std::nullopt;
  return dims;
}

class SizeNameResolver final : public SpecResolver {
 public:
  SizeNameResolver() {
    const CustomRowSet none;
    for (CalcId id : kTabulated) {
      const std::vector<std::string> types = TypeNames(id);
      const int typeCount = types.empty() ? 1 : static_cast<int>(types.size());
      for (int t = 0; t < typeCount; ++t) {
        for (const SizeItem& item : SizeItems(id, t, none)) {
          const std::string canonical = types.empty() ? item.name : types[static_cast<std::size_t>(t)] + " " + item.name;
          index_[canonical].push_back(Entry{id, canonical, item.value});
          if (!types.empty()) index_[item.name].push_back(Entry{id, canonical, item.value});
        }
      }
    }
  }

  std::variant<ResolvedSpec, SpecProblem> Resolve(std::string_view text, std::string_view hint,
                                                  double density) const override {
    const std::string spec = Trim(text);
    if (auto plate = ParsePlate(spec)) return Plate(*plate, density);
    const auto it = index_.find(spec);
    if (it == index_.end()) return SpecProblem{"不认识的规格 \"" + spec + "\""};
    std::vector<const Entry*> found;
    for (const Entry& e : it->second) {
      const CalcInfo& info = GetCalcInfo(e.calc);
      if (hint.empty() || hint == info.title || hint == info.cliName) found.push_back(&e);
    }
    if (found.empty()) {
      for (const Entry& e : it->second) found.push_back(&e);  // a 品名 of no calculator says nothing
    }
    if (found.size() > 1) {
      std::string names;
      for (const Entry* e : found) names += (names.empty() ? "" : "、") + e->canonical;
      return SpecProblem{"规格 \"" + spec + "\" 有多种：" + names};
    }
    return Tabulated(*found.front(), density);
  }

 private:
  static ResolvedSpec Tabulated(const Entry& e, double density) {
    const CalcInfo& info = GetCalcInfo(e.calc);
    ResolvedSpec r{info.cliName, info.title, e.canonical};
    if (e.calc == CalcId::kWireRope) {
      r.unitWeight = e.q;  // rope weights do not follow the density
      r.unit = "kg/100m";
      r.pieceKg = [q = e.q](double lengthMm) { return q * lengthMm / 100000; };
    } else {
      r.unitWeight = density == kTableDensity ? e.q : ScaleToDensity(e.q, density);
      r.unit = "kg/m";
      r.pieceKg = [q = r.unitWeight](double lengthMm) { return q * lengthMm / 1000; };
    }
    return r;
  }

  static ResolvedSpec Plate(const std::array<double, 3>& d, double density) {
    const CalcInfo& info = GetCalcInfo(CalcId::kPlate1);
    ResolvedSpec r{info.cliName, info.title,
                   "-" + FormatExact(d[0]) + "×" + FormatExact(d[1]) + "×" + FormatExact(d[2])};
    r.unitWeight = d[0] * d[1] * d[2] * density * 1e-6;
    r.unit = "kg/piece";
    r.takesLength = false;
    r.pieceKg = [kg = r.unitWeight](double) { return kg; };
    return r;
  }

  std::unordered_map<std::string, std::vector<Entry>> index_;
};

}  // namespace

std::unique_ptr<SpecResolver> MakeSpecResolver() { return std::make_unique<SizeNameResolver>(); }

}  // namespace zelvik
