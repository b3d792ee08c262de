// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zelvik::ui::test {

// What a modal window showed before it was closed.
struct ModalSeen {
  QString title;
  QString text;  // a message box's text
  int count = 0;
};

// Runs `action` and answers every modal window it opens with `answer` (by default:
// remember its title and text, then close it). Returns what was seen.
ModalSeen RunAnsweringModals(const std::function<void()>& action,
                             const std::function<void(QWidget*)>& answer = {});

}  // namespace zelvik::ui::test
