// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "weight/custom_row.h"
#include "weight/settings.h"

namespace zelvik::ui {

// What a weight page needs of the main window.
class PageHost {
 public:
  virtual ~PageHost() = default;

  // Read afresh at every computation.
  virtual const WeightSettings& Settings() const = 0;

  // User-defined sizes of the configuration file, read once at start.
  virtual const CustomRowSet& CustomRows() const = 0;

  // Writes the value preview (control 1164).
  virtual void SetPreview(const QString& text) = 0;

  // The strip's part of a "重量" click, after the page has copied the result: with the
  // collect switch on, refreshes the sign mode and appends the result to the strip.
  virtual void CollectWeight(const QString& resultText) = 0;
};

}  // namespace zelvik::ui
