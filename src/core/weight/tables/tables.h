// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

// Built-in size tables, in list order. Unit weights hold for steel of density 7.85 t/m³
// (wire rope: kg per 100 m, independent of density).
namespace zelvik {

struct SizeEntry {
  const char* name;  // the list text exactly
  double q;          // tabulated unit weight
  const char* spec;  // dimensions text for the "规格:" field; "" where the kind has none
};

// A first-level list item with its own size list.
struct SizeGroup {
  const char* type;
  std::span<const SizeEntry> sizes;
};

struct FastenerSize {
  const char* name;
  double r;  // bolts: kg per 100 mm; nuts, washers: kg per piece; cotter pins: fixed part in kg
  double s;  // cotter pins only: kg per mm of pin length
};

struct FastenerStandard {
  const char* name;
  std::span<const FastenerSize> sizes;
};

// Page one.
std::span<const SizeEntry> HotAngleTable();
std::span<const SizeEntry> HotChannelTable();
std::span<const SizeEntry> IBeamTable();

// Page two.
std::span<const SizeEntry> SquareTubeTable();
std::span<const SizeEntry> WeldedPipeTable();
std::span<const FastenerStandard> FastenerTable();
std::span<const SizeGroup> HTSectionTable();
std::span<const SizeGroup> PlateMeshTable();
std::span<const SizeGroup> WireRopeTable();

// Page three.
std::span<const SizeEntry> HexBarTable();
std::span<const SizeEntry> OctBarTable();
std::span<const SizeEntry> RebarTable();
std::span<const SizeGroup> ColdAngleTable();
std::span<const SizeGroup> ColdChannelTable();
std::span<const SizeGroup> ColdZTable();

}  // namespace zelvik
