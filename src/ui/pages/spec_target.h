// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "spec/spec_parse.h"

namespace zelvik::ui {

// What the quick spec entry asks of a weight page.
class SpecTarget {
 public:
  virtual ~SpecTarget() = default;

  // Sets the calculator as the user would for the spec: its type and size chosen, or its
  // dimensions typed; the focus in its length (or area) field. False when the calculator
  // is not on this page.
  virtual bool ShowSpec(const ParsedSpec& spec) = 0;
};

}  // namespace zelvik::ui
