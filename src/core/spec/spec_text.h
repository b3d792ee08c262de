// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// The character level of spec strings: how people type them and how we write them.
namespace zelvik::spec {

// Full-width forms folded to ASCII, blanks dropped (one between two digits becomes "×"),
// ASCII letters upper-cased. Bytes that are not UTF-8 become U+FFFD. The result is UTF-8.
std::string FoldWidthAndCase(std::string_view text);

// The aliases of the markers, applied to what is left once the product words are taken
// out: "x", "X", "*", "·" become "×"; "Φ", "Ф", "∅", "D" before a digit become "φ";
// "L" before a digit "∠"; "I" "工"; "C" "["; "口" "□"; dashes "-"; primes and "寸" "'". Returns
// false when a character belongs to no form.
bool MapMarkers(std::string_view folded, std::string& out);

// A decimal number as a key writes it: no leading zeros, no trailing zeros after the
// point, no trailing point ("03.50" → "3.5", "3.0" → "3", ".5" → "0.5").
std::string CanonicalNumber(std::string_view digits);

// A dimension as canonical texts write it: the shortest text that reads back the same.
std::string FormatDim(double value);

// The body with every number canonical, brackets dropped and trailing "×" (the asterisk
// that marks some sizes) removed.
std::string NormKey(std::string_view body);

// Reads a number at `pos` (digits with at most one point); advances `pos`. Numbers longer
// than 12 characters are refused.
std::optional<double> ReadNumber(std::string_view text, size_t& pos);
// The same, giving its text.
std::optional<std::string_view> ReadNumberText(std::string_view text, size_t& pos);

inline bool IsDigit(char c) { return c >= '0' && c <= '9'; }
inline bool StartsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

// UTF-8 of the marker characters.
inline constexpr std::string_view kTimes = "×";
inline constexpr std::string_view kPhi = "φ";
inline constexpr std::string_view kAngle = "∠";
inline constexpr std::string_view kBeam = "工";
inline constexpr std::string_view kSquare = "□";
inline constexpr std::string_view kDelta = "δ";

}  // namespace zelvik::spec
