// SPDX-License-Identifier: GPL-3.0-or-later
#include "weight/density.h"

#include "util/numbers.h"
#include "util/utf8.h"

namespace zelvik {

double DensityFromFieldText(std::string_view text) { return ParseLeadingDouble(FirstCharacters(text, 29)); }

}  // namespace zelvik
