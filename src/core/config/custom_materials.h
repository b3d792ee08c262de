// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_document.h"
#include "config/ini_file.h"
#include "weight/custom_row.h"

namespace zelvik {

// Why an add was refused, or that it went through.
enum class CustomAddResult {
  kAdded,
  kNoModel,      // "请输入型号"
  kNoSpec,       // "请输入规格" (kinds with a spec only)
  kNoUnitWeight,  // "请输入单重"
  kKindFull,     // "材料数量超出范围": the pages would not read an 87th row of the kind
  kNotStorable,  // a text the configuration file cannot hold (a line break, no GBK code)
};

struct MessageText {
  const char* caption;
  const char* text;
};

// The message box of a refused add; an empty text for kAdded.
MessageText CustomAddMessage(CustomAddResult result);

// The line of a row in the custom materials list: "3、槽钢(热轧) [20a 200×73×7.0 22.637".
std::string CustomListLine(int position, const CustomRow& row);

// The user-defined rows as the custom materials window shows them: as the file holds them
// (all rows of kind 0, then kind 1, …) with a counter per kind, which is also the highest row
// number stored in that kind's section.
//
// Every change is one locked read-change-write of the file, so that rows another writer (a
// second copy, zelvik-cli) stored meanwhile are kept; afterwards the rows are those the file
// then holds, also when the write failed.
//
// Every row the pages read is held: up to 86 per kind, so no row the pages can read is lost
// when the sections are rewritten, and every row can be deleted.
class CustomMaterials {
 public:
  // The rows of the file as the pages read them; nothing is written.
  void Load(const IniDocument& config);

  const std::vector<CustomRow>& rows() const { return rows_; }
  int CountOf(int kind) const;
  std::vector<std::string> Lines() const;

  // The window's initial load: the rows are read and written again, renumbered without gaps.
  // False when the file could not be written.
  bool LoadAndRefresh(IniFile& config);
  // Reads the rows again when the file has changed since they were read or written; true
  // when it did. Nothing is written.
  bool Refresh(IniFile& config);

  struct AddOutcome {
    CustomAddResult result;
    bool stored;  // the file holds the outcome (false also when the texts were refused)
  };
  // Checks the texts in the window's order, then writes the row's keys under the kind's next
  // number in the file, leaving the other stored rows as they are. For kinds without a spec
  // field the text given for it is ignored. A kind outside 0 to 7 is refused as kNotStorable.
  AddOutcome Add(IniFile& config, int kind, std::string_view model, std::string_view specText,
                 std::string_view unitWeight);

  // Deletes the row shown at a list position from the file: there when it is still there,
  // otherwise the first row equal to it, nothing when another writer deleted it already; then
  // rewrites the eight sections renumbered. False when there is no such line; *stored tells
  // whether the file holds the outcome.
  bool Delete(IniFile& config, int position, bool* stored = nullptr);

 private:
  enum class Step { kNothing, kChanged, kNotStorable };
  // One locked change: `change` gets the rows the file holds now and the document to change.
  bool Change(IniFile& config, const std::function<Step(CustomMaterials&, IniDocument&)>& change);
  // Removes the eight sections and writes every row under its kind's next number.
  Step WriteAll(IniDocument& doc) const;
  int Find(const CustomRow& row, int hint) const;

  std::vector<CustomRow> rows_;
  std::array<int, kCustomKindCount> counts_{};
};

}  // namespace zelvik
