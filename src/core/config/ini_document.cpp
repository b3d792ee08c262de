// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/ini_document.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "config/gbk.h"
#include "util/utf8.h"

namespace zelvik {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// [begin, end) of s without the blanks around it.
std::pair<std::size_t, std::size_t> TrimBounds(std::string_view s, std::size_t begin,
                                               std::size_t end) {
  while (begin < end && IsBlank(s[begin])) ++begin;
  while (end > begin && IsBlank(s[end - 1])) --end;
  return {begin, end};
}

std::string_view Trim(std::string_view s) {
  auto [b, e] = TrimBounds(s, 0, s.size());
  return s.substr(b, e - b);
}

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool HasLineBreakOrNul(std::string_view s) {
  return s.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

bool ValidSectionName(std::string_view name) {
  return !name.empty() && !HasLineBreakOrNul(name) && name.find(']') == std::string_view::npos;
}

// A key must read back as a key: no "=", and no start that makes the line a header or a
// comment.
bool ValidKeyName(std::string_view key) {
  return !key.empty() && !HasLineBreakOrNul(key) && key.find('=') == std::string_view::npos &&
         key[0] != '[' && key[0] != ';' && key[0] != '#';
}

}  // namespace

bool IniNamesEqual(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

std::string_view IniDocument::EolText(Eol eol) {
  switch (eol) {
    case Eol::kLf: return "\n";
    case Eol::kCrLf: return "\r\n";
    case Eol::kNone: break;
  }
  return {};
}

std::string_view IniDocument::RawOf(const Line& line) const {
  return std::string_view(raw_).substr(line.raw.off, line.raw.len);
}

std::string_view IniDocument::TextOf(Span span) const {
  return std::string_view(text_).substr(span.off, span.len);
}

IniDocument::Span IniDocument::AddRaw(std::string_view bytes) {
  Span span{static_cast<std::uint32_t>(raw_.size()), static_cast<std::uint32_t>(bytes.size())};
  raw_.append(bytes);
  return span;
}

IniDocument::Span IniDocument::AddText(std::string_view text) {
  Span span{static_cast<std::uint32_t>(text_.size()), static_cast<std::uint32_t>(text.size())};
  text_.append(text);
  return span;
}

// Runs of blank or of other lines become one entry, so that a file of garbage or of empty
// lines costs a few entries, not millions.
void IniDocument::AddLine(Line line) {
  if ((line.kind == Kind::kBlank || line.kind == Kind::kOther) && !lines_.empty()) {
    Line& last = lines_.back();
    std::uint32_t lastEnd =
        last.raw.off + last.raw.len + static_cast<std::uint32_t>(EolText(last.eol).size());
    if (last.kind == line.kind && lastEnd == line.raw.off) {
      last.raw.len = line.raw.off + line.raw.len - last.raw.off;
      last.eol = line.eol;
      return;
    }
  }
  lines_.push_back(line);
}

void IniDocument::ClassifyDecoded(Line& line, std::string_view decoded) {
  // decoded lies in text_; keep offsets, not views, as text_ may grow later.
  const std::size_t base = static_cast<std::size_t>(decoded.data() - text_.data());
  auto [b, e] = TrimBounds(decoded, 0, decoded.size());
  auto span = [base](std::size_t from, std::size_t to) {
    return Span{static_cast<std::uint32_t>(base + from), static_cast<std::uint32_t>(to - from)};
  };
  if (b == e) {
    line.kind = Kind::kBlank;
    return;
  }
  if (decoded[b] == '[') {
    std::size_t close = decoded.find(']', b + 1);
    if (close < e) {
      auto [nb, ne] = TrimBounds(decoded, b + 1, close);
      line.kind = Kind::kSection;
      line.name = span(nb, ne);
      return;
    }
  }
  std::size_t eq = decoded.find('=', b);
  if (decoded[b] == ';' || decoded[b] == '#' || eq >= e) {
    line.kind = Kind::kOther;
    return;
  }
  auto [kb, ke] = TrimBounds(decoded, b, eq);
  auto [vb, ve] = TrimBounds(decoded, eq + 1, e);
  if (kb == ke) {
    line.kind = Kind::kOther;
    return;
  }
  line.kind = Kind::kKey;
  line.name = span(kb, ke);
  line.value = span(vb, ve);
}

// A line that is not valid GBK (or holds NUL bytes) is kept byte for byte. It still
// delimits sections, and a readable key in front of "=" still names a key, so that a write
// of that key replaces the line instead of adding a second one.
void IniDocument::ClassifyUndecodable(Line& line, std::string_view rawLine,
                                      GbkConverter& converter) {
  auto [b, e] = TrimBounds(rawLine, 0, rawLine.size());
  line.kind = Kind::kOther;
  if (b == e) return;
  if (rawLine[b] == '[') {
    line.kind = Kind::kOpaqueSection;
    return;
  }
  std::size_t eq = rawLine.find('=');
  if (eq == std::string_view::npos) return;
  std::string_view keyRaw = Trim(rawLine.substr(0, eq));
  if (!ValidKeyName(keyRaw)) return;
  std::optional<std::string> key = Decode(keyRaw, converter);
  if (!key) return;
  line.kind = Kind::kKeyUnreadable;
  line.name = AddText(*key);
}

std::optional<std::string> IniDocument::Decode(std::string_view bytes, GbkConverter& converter) const {
  if (encoding_ == Encoding::kUtf8) {
    if (IsValidUtf8(bytes)) return std::string(bytes);
    return std::nullopt;
  }
  return converter.Convert(bytes);
}

std::optional<std::string> IniDocument::Encode(std::string_view text) const {
  if (encoding_ == Encoding::kUtf8) {
    if (IsValidUtf8(text)) return std::string(text);
    return std::nullopt;
  }
  return Utf8ToGbk(text);
}

IniDocument::Encoding IniDocument::DetectEncoding(std::string_view bytes, bool& bom) {
  bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  if (bom) return Encoding::kUtf8;
  // Pure ASCII reads the same either way and stays GBK, so new Chinese text is stored as
  // the program has always stored it. GBK text is almost never valid UTF-8 as well.
  const bool multiByte = std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; });
  return multiByte && IsValidUtf8(bytes) ? Encoding::kUtf8 : Encoding::kGbk;
}

IniDocument IniDocument::Parse(std::string bytes) {
  IniDocument doc;
  if (bytes.size() > kMaxParseBytes) bytes.resize(kMaxParseBytes);
  doc.encoding_ = DetectEncoding(bytes, doc.bom_);
  if (doc.bom_) bytes.erase(0, kUtf8Bom.size());
  doc.raw_ = std::move(bytes);
  const std::string_view raw = doc.raw_;
  GbkConverter converter(GbkConverter::Direction::kToUtf8);

  // Usually the whole file decodes: one conversion, and its lines pair up with the raw
  // lines because "\n" never occurs inside a GBK or UTF-8 character.
  bool whole = false;
  if (raw.find('\0') == std::string_view::npos) {
    if (std::optional<std::string> text = doc.Decode(raw, converter)) {
      doc.text_ = std::move(*text);
      whole = true;
    }
  }

  bool sawEol = false;
  std::size_t pos = 0;
  std::size_t textPos = 0;
  while (pos < raw.size()) {
    std::size_t nl = raw.find('\n', pos);
    std::size_t end = nl == std::string_view::npos ? raw.size() : nl;
    Line line;
    line.eol = nl == std::string_view::npos ? Eol::kNone : Eol::kLf;
    std::size_t contentEnd = end;
    if (line.eol == Eol::kLf && contentEnd > pos && raw[contentEnd - 1] == '\r') {
      --contentEnd;
      line.eol = Eol::kCrLf;
    }
    if (!sawEol && line.eol != Eol::kNone) {
      doc.newline_ = line.eol;
      sawEol = true;
    }
    line.raw = Span{static_cast<std::uint32_t>(pos), static_cast<std::uint32_t>(contentEnd - pos)};
    std::string_view rawLine = raw.substr(pos, contentEnd - pos);

    if (whole) {
      std::size_t tnl = doc.text_.find('\n', textPos);
      std::size_t tend = tnl == std::string::npos ? doc.text_.size() : tnl;
      if (line.eol == Eol::kCrLf) --tend;
      doc.ClassifyDecoded(line, std::string_view(doc.text_).substr(textPos, tend - textPos));
      textPos = (tnl == std::string::npos ? doc.text_.size() : tnl + 1);
    } else if (rawLine.find('\0') == std::string_view::npos) {
      if (std::optional<std::string> decoded = doc.Decode(rawLine, converter)) {
        std::size_t mark = doc.text_.size();
        doc.text_.append(*decoded);
        doc.ClassifyDecoded(line, std::string_view(doc.text_).substr(mark));
        if (line.kind == Kind::kBlank || line.kind == Kind::kOther) doc.text_.resize(mark);
      } else {
        doc.ClassifyUndecodable(line, rawLine, converter);
      }
    } else {
      doc.ClassifyUndecodable(line, rawLine, converter);
    }
    doc.AddLine(line);
    pos = end == raw.size() ? end : end + 1;
  }
  doc.Reindex();
  return doc;
}

void IniDocument::Reindex() {
  sections_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    Kind k = lines_[i].kind;
    if (k == Kind::kSection || k == Kind::kOpaqueSection) {
      if (!sections_.empty()) sections_.back().end = i;
      sections_.push_back(SectionRef{i, lines_.size()});
    }
  }
}

bool IniDocument::IsSectionNamed(const SectionRef& section, std::string_view name) const {
  const Line& header = lines_[section.header];
  return header.kind == Kind::kSection && IniNamesEqual(TextOf(header.name), name);
}

const IniDocument::SectionRef* IniDocument::FirstSection(std::string_view name) const {
  for (const SectionRef& s : sections_) {
    if (IsSectionNamed(s, name)) return &s;
  }
  return nullptr;
}

std::optional<std::size_t> IniDocument::FirstKey(const SectionRef& section,
                                                 std::string_view key) const {
  for (std::size_t i = section.header + 1; i < section.end; ++i) {
    const Line& line = lines_[i];
    if ((line.kind == Kind::kKey || line.kind == Kind::kKeyUnreadable) &&
        IniNamesEqual(TextOf(line.name), key)) {
      return i;
    }
  }
  return std::nullopt;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
  const SectionRef* s = FirstSection(Trim(section));
  if (!s) return std::nullopt;
  std::optional<std::size_t> i = FirstKey(*s, Trim(key));
  if (!i || lines_[*i].kind != Kind::kKey) return std::nullopt;
  return TextOf(lines_[*i].value);
}

std::string IniDocument::GetString(std::string_view section, std::string_view key,
                                   std::string_view defaultValue) const {
  std::optional<std::string_view> v = Find(section, key);
  return std::string(v ? *v : defaultValue);
}

int IniDocument::GetInt(std::string_view section, std::string_view key, int defaultValue) const {
  std::optional<std::string_view> v = Find(section, key);
  if (!v || v->empty()) return defaultValue;
  std::size_t i = 0;
  bool negative = false;
  if ((*v)[0] == '+' || (*v)[0] == '-') {
    negative = (*v)[0] == '-';
    i = 1;
  }
  std::uint32_t acc = 0;  // unsigned: overflow wraps as the platform's conversion does
  for (; i < v->size() && (*v)[i] >= '0' && (*v)[i] <= '9'; ++i) {
    acc = acc * 10u + static_cast<std::uint32_t>((*v)[i] - '0');
  }
  if (negative) acc = 0u - acc;
  return static_cast<int>(acc);
}

bool IniDocument::HasSection(std::string_view section) const {
  return FirstSection(Trim(section)) != nullptr;
}

void IniDocument::InsertLine(std::size_t at, Line line) {
  if (at > 0 && lines_[at - 1].eol == Eol::kNone) lines_[at - 1].eol = newline_;
  line.eol = newline_;
  lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), line);
}

void IniDocument::EraseLines(std::size_t from, std::size_t to) {
  lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(from),
               lines_.begin() + static_cast<std::ptrdiff_t>(to));
}

IniDocument::EditResult IniDocument::Set(std::string_view section, std::string_view key,
                                         std::string_view value) {
  section = Trim(section);
  key = Trim(key);
  if (!ValidSectionName(section) || !ValidKeyName(key) || HasLineBreakOrNul(value)) {
    return EditResult::kInvalid;
  }
  std::optional<std::string> diskValue = Encode(value);
  if (!diskValue) return EditResult::kInvalid;

  if (const SectionRef* s = FirstSection(section)) {
    if (std::optional<std::size_t> i = FirstKey(*s, key)) {
      Line& line = lines_[*i];
      if (line.kind == Kind::kKey && TextOf(line.value) == value) return EditResult::kUnchanged;
      // Keep the key as spelled in the file, with its spacing up to the value.
      std::string_view old = RawOf(line);
      std::size_t eq = old.find('=');
      std::size_t valueStart = eq + 1;
      while (valueStart < old.size() && IsBlank(old[valueStart])) ++valueStart;
      std::string bytes(old.substr(0, valueStart));
      bytes += *diskValue;
      line.raw = AddRaw(bytes);
      line.value = AddText(Trim(value));
      line.kind = Kind::kKey;
      return EditResult::kChanged;
    }
    std::optional<std::string> diskKey = Encode(key);
    if (!diskKey) return EditResult::kInvalid;
    std::size_t at = s->header + 1;
    for (std::size_t i = s->header + 1; i < s->end; ++i) {
      if (lines_[i].kind != Kind::kBlank) at = i + 1;
    }
    Line line;
    line.kind = Kind::kKey;
    line.raw = AddRaw(*diskKey + "=" + *diskValue);
    line.name = AddText(key);
    line.value = AddText(Trim(value));
    InsertLine(at, line);
    Reindex();
    return EditResult::kChanged;
  }

  std::optional<std::string> diskSection = Encode(section);
  std::optional<std::string> diskKey = Encode(key);
  if (!diskSection || !diskKey) return EditResult::kInvalid;
  Line header;
  header.kind = Kind::kSection;
  header.raw = AddRaw("[" + *diskSection + "]");
  header.name = AddText(section);
  InsertLine(lines_.size(), header);
  Line line;
  line.kind = Kind::kKey;
  line.raw = AddRaw(*diskKey + "=" + *diskValue);
  line.name = AddText(key);
  line.value = AddText(Trim(value));
  InsertLine(lines_.size(), line);
  Reindex();
  return EditResult::kChanged;
}

IniDocument::EditResult IniDocument::DeleteKey(std::string_view section, std::string_view key) {
  section = Trim(section);
  key = Trim(key);
  bool changed = false;
  // Back to front, so that erasing lines leaves the earlier section indices valid.
  for (std::size_t n = sections_.size(); n-- > 0;) {
    SectionRef s = sections_[n];
    if (!IsSectionNamed(s, section)) continue;
    bool removed = false;
    for (std::size_t i = s.end; i-- > s.header + 1;) {
      const Line& line = lines_[i];
      if ((line.kind == Kind::kKey || line.kind == Kind::kKeyUnreadable) &&
          IniNamesEqual(TextOf(line.name), key)) {
        EraseLines(i, i + 1);
        --s.end;
        removed = true;
      }
    }
    if (!removed) continue;
    changed = true;
    bool empty = std::all_of(lines_.begin() + static_cast<std::ptrdiff_t>(s.header + 1),
                             lines_.begin() + static_cast<std::ptrdiff_t>(s.end),
                             [](const Line& l) { return l.kind == Kind::kBlank; });
    if (empty) EraseLines(s.header, s.end);
  }
  if (!changed) return EditResult::kUnchanged;
  Reindex();
  return EditResult::kChanged;
}

IniDocument::EditResult IniDocument::DeleteSection(std::string_view section) {
  section = Trim(section);
  bool changed = false;
  for (std::size_t n = sections_.size(); n-- > 0;) {
    if (!IsSectionNamed(sections_[n], section)) continue;
    EraseLines(sections_[n].header, sections_[n].end);
    changed = true;
  }
  if (!changed) return EditResult::kUnchanged;
  Reindex();
  return EditResult::kChanged;
}

std::string IniDocument::Serialize() const {
  std::string out;
  out.reserve(raw_.size() + kUtf8Bom.size());
  if (bom_) out.append(kUtf8Bom);
  for (const Line& line : lines_) {
    out.append(RawOf(line));
    out.append(EolText(line.eol));
  }
  return out;
}

}  // namespace zelvik
