// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <filesystem>

class QWidget;

namespace zelvik::ui {

// A change the user made that did not reach the configuration file (a read-only file or
// folder, a full disk): one "提示" box naming the file.
class SaveFailure {
  Q_DECLARE_TR_FUNCTIONS(SaveFailure)

 public:
  static QString Text(const std::filesystem::path& file);
  static void Tell(QWidget* parent, const std::filesystem::path& file);
};

}  // namespace zelvik::ui
