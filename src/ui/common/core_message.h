// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

namespace zelvik::ui {

// A message the core composed in Chinese (a row that cannot be read, a list file refused, a
// spec not understood) as shown: the message's pattern translated, the texts quoted in it
// left as the user typed them and the core's names in it shown through CoreText. A message
// of no known pattern, and every message in Chinese, shows as it is.
QString CoreMessage(std::string_view message);

}  // namespace zelvik::ui
