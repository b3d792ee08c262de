// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "list/list_format.h"
#include "list/list_row.h"

// The materials list as the window edits it: rows changed only through steps that can be
// undone and redone, each change announced before and after it happens (as a Qt item
// model needs to announce it).
namespace zelvik {

struct ListChange {
  enum class Kind { kInserted, kRemoved, kMoved, kChanged, kReset };
  Kind kind = Kind::kReset;
  std::size_t first = 0;  // rows [first, first + count)
  std::size_t count = 0;
  // kMoved: the row before which the rows go, counted in the list before the move
  // (QAbstractItemModel::beginMoveRows' destinationChild).
  std::size_t destination = 0;
};

class ListObserver {
 public:
  virtual ~ListObserver() = default;
  virtual void BeforeChange(const ListChange& change) { (void)change; }
  virtual void AfterChange(const ListChange& change) { (void)change; }
};

class MaterialList {
 public:
  // Undo steps kept; the oldest are forgotten beyond this.
  static constexpr std::size_t kUndoLimit = 500;

  MaterialList() = default;
  explicit MaterialList(std::vector<ListRow> rows) : rows_(std::move(rows)) {}
  MaterialList(const MaterialList&) = delete;
  MaterialList& operator=(const MaterialList&) = delete;

  std::span<const ListRow> rows() const { return rows_; }
  std::size_t size() const { return rows_.size(); }
  const ListRow& at(std::size_t index) const { return rows_.at(index); }

  // At most one observer; null for none. It must outlive the list or be unset first.
  void SetObserver(ListObserver* observer) { observer_ = observer; }

  // Each of these is one undo step; a call that changes nothing records nothing.
  void Insert(std::size_t at, std::vector<ListRow> rows);  // at > size() appends
  void Append(std::vector<ListRow> rows) { Insert(rows_.size(), std::move(rows)); }
  void Remove(std::vector<std::size_t> indexes);           // any order; duplicates and strays ignored
  // Moves rows [first, first + count) before row `destination` of the list as it is now;
  // false (nothing done) when that is no move or out of range.
  bool Move(std::size_t first, std::size_t count, std::size_t destination);
  // Edits one cell of the editable columns in each of the rows, as one step; nothing is
  // changed and the reason is returned when the text does not fit one of them.
  std::optional<std::string> Edit(std::span<const std::size_t> indexes, ListColumn column, std::string_view text,
                                  const ListDisplay& display);
  std::optional<std::string> Edit(std::size_t index, ListColumn column, std::string_view text,
                                  const ListDisplay& display) {
    return Edit(std::span<const std::size_t>(&index, 1), column, text, display);
  }
  void Replace(std::size_t index, ListRow row);
  // The whole list at once: 新建 (no rows) and 打开 (the rows read).
  void Reset(std::vector<ListRow> rows);
  // The whole list as it was kept, read back at start: no step to undo, the history gone,
  // the list clean.
  void Load(std::vector<ListRow> rows);

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  bool Undo();
  bool Redo();

  // Saved state: IsClean() until the next change, and again when undo or redo returns to it.
  void MarkClean() { clean_ = undo_.size(); }
  bool IsClean() const { return clean_ == undo_.size(); }

 private:
  struct Op {
    enum class Kind { kInsert, kRemove, kMove, kSet, kReset };
    Kind kind;
    std::size_t first = 0;
    std::size_t count = 0;        // kRemove, kMove
    std::size_t destination = 0;  // kMove
    std::vector<ListRow> rows{};  // kInsert, kReset: the rows; kSet: the one new row
  };
  using Step = std::vector<Op>;

  // Applies the ops in order and returns the step that undoes them.
  Step Apply(Step ops);
  Op ApplyOne(Op op);
  void Record(Step step);
  void Notify(bool before, const ListChange& change);

  std::vector<ListRow> rows_;
  std::vector<Step> undo_;
  std::vector<Step> redo_;
  static constexpr std::size_t kNoClean = static_cast<std::size_t>(-1);
  std::size_t clean_ = 0;
  ListObserver* observer_ = nullptr;
};

}  // namespace zelvik
