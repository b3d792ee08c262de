// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <variant>

#include "weight/custom_row.h"

// What the materials list needs to know about a spec string: which calculator weighs it,
// how it is written canonically, and what a piece of it weighs.
namespace zelvik {

struct ResolvedSpec {
  std::string calc{};   // the calculator's cli name, "hot-angle"
  std::string product{};  // the calculator's title, "角钢(热轧)"
  std::string spec{};   // the canonical text, "∠50×50×5"
  double unitWeight = 0;  // at the density it was resolved with
  std::string unit{};     // "kg/m", "kg/m²", "kg/piece" or "kg/100m"
  bool takesLength = true;  // false: the spec or the product fixes the piece
  // kg per piece for a length in mm (ignored where the piece has no length), at the
  // density it was resolved with.
  std::function<double(double lengthMm)> pieceKg{};
};

// The reason a spec could not be read, as a user reads it.
struct SpecProblem {
  std::string message;
};

class SpecResolver {
 public:
  virtual ~SpecResolver() = default;
  // `productHint` is the row's 品名 (a calculator's title or cli name, or empty): where the
  // spec alone is a size name of several lists, it picks the calculator. Density in t/m³.
  virtual std::variant<ResolvedSpec, SpecProblem> Resolve(std::string_view spec, std::string_view productHint,
                                                          double density) const = 0;
};

// The resolver the program and zelvik-cli use; with the user's own sizes where given.
std::unique_ptr<SpecResolver> MakeSpecResolver();
std::unique_ptr<SpecResolver> MakeSpecResolver(CustomRowSet rows);

}  // namespace zelvik
