// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "config/ini_document.h"
#include "config/ini_file.h"
#include "weight/custom_row.h"

namespace zelvik {

// The user-defined rows of one kind (0 to 7, see kCustomKinds) as the pages read them: from
// the kind's section, rows 1, 2, … under "型号%d", "规格%d" (kinds with a spec only) and
// "单重%d", up to the first empty model and at most kMaxCustomRowsRead rows. Texts are kept
// as stored. An unknown kind gives no rows.
std::vector<CustomRow> LoadCustomRows(const IniDocument& config, int kind);
// Reads the file once; to load several kinds, load the document once and use the overload
// above, or LoadAllCustomRows.
std::vector<CustomRow> LoadCustomRows(const IniFile& config, int kind);

// The rows of all eight kinds from one read of the file.
CustomRowSet LoadAllCustomRows(const IniDocument& config);
CustomRowSet LoadAllCustomRows(const IniFile& config);

}  // namespace zelvik
