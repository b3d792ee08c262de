// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string_view>

// The core keeps its texts in Chinese: they are data, stored, compared and printed by
// zelvik-cli as they are. The interface translates them only where it shows them.
namespace zelvik::ui {

// A text of the core's tables or messages (a calculator's title, a type, density or unit
// name, a task kind, a message) as shown: its translation in the context "Data", which
// translations/core_texts.cpp lists for lupdate. Without one, a text holding Chinese words
// among symbols and figures (a size name "工20a", "φ20钢芯", "开口销91-2000", a spec string
// "六角20") has each word translated through the size terms ("SizeTerms", else "Data"); a
// term of more than one letter is set off from the figures beside it by a blank. In
// Chinese every text shows as it is.
QString CoreText(std::string_view text);

// Whether the text holds a Han character.
bool HasHan(const QString& text);

}  // namespace zelvik::ui
