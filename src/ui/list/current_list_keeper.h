// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <condition_variable>
#include <filesystem>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "list/list_store.h"

namespace zelvik::ui {

// Keeps current.csv in step with the list. Each state is written whole and atomically on a
// thread of its own, so a 10,000-row list edits without waiting for the disk; when changes
// come faster than the disk takes them, the newest state is the one written.
class CurrentListKeeper : public QObject {
  Q_OBJECT

 public:
  explicit CurrentListKeeper(std::filesystem::path path, QObject* parent = nullptr);
  ~CurrentListKeeper() override;  // the last state reaches the disk first

  const CurrentListStore& store() const { return store_; }

  void Save(std::vector<ListRow> rows, int decimals);
  // Returns once every state handed over is written.
  void Flush();

 signals:
  // In the window's thread, after each write.
  void saved(bool ok);

 private:
  void Run();

  CurrentListStore store_;
  std::mutex mutex_;
  std::condition_variable wake_;
  std::condition_variable idle_;
  struct State {
    std::vector<ListRow> rows;
    int decimals;
  };
  std::optional<State> pending_;
  bool writing_ = false;
  bool stop_ = false;
  std::thread thread_;  // started with the first save
};

}  // namespace zelvik::ui
