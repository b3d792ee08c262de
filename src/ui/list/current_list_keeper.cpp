// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/current_list_keeper.h"

namespace zelvik::ui {

CurrentListKeeper::CurrentListKeeper(std::filesystem::path path, QObject* parent)
    : QObject(parent), store_(std::move(path)) {}

CurrentListKeeper::~CurrentListKeeper() {
  {
    std::lock_guard lock(mutex_);
    stop_ = true;
  }
  wake_.notify_one();
  if (thread_.joinable()) thread_.join();
}

void CurrentListKeeper::Save(std::vector<ListRow> rows, int decimals) {
  {
    std::lock_guard lock(mutex_);
    pending_ = State{std::move(rows), decimals};
    if (!thread_.joinable()) thread_ = std::thread(&CurrentListKeeper::Run, this);
  }
  wake_.notify_one();
}

void CurrentListKeeper::Flush() {
  std::unique_lock lock(mutex_);
  idle_.wait(lock, [this] { return !pending_ && !writing_; });
}

void CurrentListKeeper::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stop_; });
    if (!pending_) return;  // stopping with everything written
    State state = std::move(*pending_);
    pending_.reset();
    writing_ = true;
    lock.unlock();
    const bool ok = store_.Save(state.rows, state.decimals);
    state.rows.clear();
    lock.lock();
    writing_ = false;
    if (!pending_) idle_.notify_all();
    emit saved(ok);
  }
}

}  // namespace zelvik::ui
