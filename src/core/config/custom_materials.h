#pragma once

#include <array>
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

// The user-defined rows as the custom materials window keeps them: in list order (after a
// load all rows of kind 0, then kind 1, …; added rows at the end) with a counter per kind,
// which is also the highest row number stored in that kind's section.
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

  // The window's initial load: read the rows, then save and refresh, which renumbers the
  // stored rows without gaps. False when the file could not be written.
  bool LoadAndRefresh(IniFile& config);

  struct AddOutcome {
    CustomAddResult result;
    bool stored;  // the row's keys reached the file (false also when refused)
  };
  // Checks the texts in the window's order, then appends the row and writes its keys under
  // the kind's next number, leaving the other stored rows as they are. For kinds without a
  // spec field the text given for it is ignored. A kind outside 0 to 7 is refused as kNotStorable.
  AddOutcome Add(IniFile& config, int kind, std::string_view model, std::string_view specText,
                 std::string_view unitWeight);

  // Deletes the row at a list position and saves and refreshes. False when there is no such
  // line; *stored tells whether the rewrite reached the file.
  bool Delete(IniFile& config, int position, bool* stored = nullptr);

  // Removes the eight sections and writes every row under its kind's next number, in list
  // order; a file left empty is deleted. One locked rewrite.
  bool SaveAndRefresh(IniFile& config) const;

 private:
  std::vector<CustomRow> rows_;
  std::array<int, kCustomKindCount> counts_{};
};

}  // namespace zelvik
