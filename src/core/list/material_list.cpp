// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/material_list.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "list/list_fields.h"

namespace zelvik {

namespace {

// The columns an edit can change; an edit that leaves them as they were is no step.
bool SameEditable(const ListRow& a, const ListRow& b) {
  return a.material == b.material && a.lengthMm == b.lengthMm && a.quantity == b.quantity && a.price == b.price &&
         a.basis == b.basis && a.note == b.note;
}

}  // namespace

void MaterialList::Notify(bool before, const ListChange& change) {
  if (!observer_) return;
  if (before) {
    observer_->BeforeChange(change);
  } else {
    observer_->AfterChange(change);
  }
}

MaterialList::Op MaterialList::ApplyOne(Op op) {
  using K = ListChange::Kind;
  switch (op.kind) {
    case Op::Kind::kInsert: {
      const ListChange change{K::kInserted, op.first, op.rows.size()};
      Notify(true, change);
      rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(op.first), std::make_move_iterator(op.rows.begin()),
                   std::make_move_iterator(op.rows.end()));
      Notify(false, change);
      return Op{Op::Kind::kRemove, op.first, change.count};
    }
    case Op::Kind::kRemove: {
      const ListChange change{K::kRemoved, op.first, op.count};
      Notify(true, change);
      const auto begin = rows_.begin() + static_cast<std::ptrdiff_t>(op.first);
      const auto end = begin + static_cast<std::ptrdiff_t>(op.count);
      Op inverse{Op::Kind::kInsert, op.first};
      inverse.rows.assign(std::make_move_iterator(begin), std::make_move_iterator(end));
      rows_.erase(begin, end);
      Notify(false, change);
      return inverse;
    }
    case Op::Kind::kMove: {
      const ListChange change{K::kMoved, op.first, op.count, op.destination};
      Notify(true, change);
      const auto first = rows_.begin() + static_cast<std::ptrdiff_t>(op.first);
      const auto last = first + static_cast<std::ptrdiff_t>(op.count);
      const auto dest = rows_.begin() + static_cast<std::ptrdiff_t>(op.destination);
      Op inverse{Op::Kind::kMove, 0, op.count};
      if (op.destination > op.first) {
        std::rotate(first, last, dest);
        inverse.first = op.destination - op.count;
        inverse.destination = op.first;
      } else {
        std::rotate(dest, first, last);
        inverse.first = op.destination;
        inverse.destination = op.first + op.count;
      }
      Notify(false, change);
      return inverse;
    }
    case Op::Kind::kSet: {
      const ListChange change{K::kChanged, op.first, 1};
      Notify(true, change);
      Op inverse{Op::Kind::kSet, op.first};
      inverse.rows.push_back(std::exchange(rows_[op.first], std::move(op.rows.front())));
      Notify(false, change);
      return inverse;
    }
    case Op::Kind::kReset: {
      const ListChange change{K::kReset};
      Notify(true, change);
      Op inverse{Op::Kind::kReset};
      inverse.rows = std::exchange(rows_, std::move(op.rows));
      Notify(false, change);
      return inverse;
    }
  }
  return op;
}

MaterialList::Step MaterialList::Apply(Step ops) {
  Step inverse;
  inverse.reserve(ops.size());
  for (Op& op : ops) inverse.push_back(ApplyOne(std::move(op)));
  std::reverse(inverse.begin(), inverse.end());
  return inverse;
}

void MaterialList::Record(Step step) {
  if (step.empty()) return;
  if (clean_ != kNoClean && clean_ > undo_.size()) clean_ = kNoClean;  // the saved state was undone away
  undo_.push_back(Apply(std::move(step)));
  redo_.clear();
  if (undo_.size() > kUndoLimit) {
    undo_.erase(undo_.begin());
    clean_ = (clean_ == kNoClean || clean_ == 0) ? kNoClean : clean_ - 1;
  }
}

bool MaterialList::Undo() {
  if (undo_.empty()) return false;
  Step step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(Apply(std::move(step)));
  return true;
}

bool MaterialList::Redo() {
  if (redo_.empty()) return false;
  Step step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(Apply(std::move(step)));
  return true;
}

void MaterialList::Insert(std::size_t at, std::vector<ListRow> rows) {
  if (rows.empty()) return;
  Op op{Op::Kind::kInsert, std::min(at, rows_.size())};
  op.rows = std::move(rows);
  Step step;
  step.push_back(std::move(op));
  Record(std::move(step));
}

void MaterialList::Remove(std::vector<std::size_t> indexes) {
  std::erase_if(indexes, [&](std::size_t i) { return i >= rows_.size(); });
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  // Contiguous blocks, the last first, so that each block's position holds when it goes.
  Step step;
  for (std::size_t end = indexes.size(); end > 0;) {
    std::size_t begin = end - 1;
    while (begin > 0 && indexes[begin - 1] + 1 == indexes[begin]) --begin;
    step.push_back(Op{Op::Kind::kRemove, indexes[begin], end - begin});
    end = begin;
  }
  Record(std::move(step));
}

bool MaterialList::Move(std::size_t first, std::size_t count, std::size_t destination) {
  if (count == 0 || first > rows_.size() || count > rows_.size() - first || destination > rows_.size()) return false;
  if (destination >= first && destination <= first + count) return false;  // no move
  Step step;
  step.push_back(Op{Op::Kind::kMove, first, count, destination});
  Record(std::move(step));
  return true;
}

std::optional<std::string> MaterialList::Edit(std::span<const std::size_t> indexes, ListColumn column,
                                              std::string_view text, const ListDisplay& display) {
  Step step;
  for (std::size_t index : indexes) {
    if (index >= rows_.size()) continue;
    ListRow row = rows_[index];
    if (auto why = ApplyCellEdit(row, column, text, display)) return why;
    if (SameEditable(row, rows_[index])) continue;
    Op op{Op::Kind::kSet, index};
    op.rows.push_back(std::move(row));
    step.push_back(std::move(op));
  }
  Record(std::move(step));
  return std::nullopt;
}

void MaterialList::Replace(std::size_t index, ListRow row) {
  if (index >= rows_.size()) return;
  Op op{Op::Kind::kSet, index};
  op.rows.push_back(std::move(row));
  Step step;
  step.push_back(std::move(op));
  Record(std::move(step));
}

void MaterialList::Reset(std::vector<ListRow> rows) {
  if (rows.empty() && rows_.empty()) return;
  Op op{Op::Kind::kReset};
  op.rows = std::move(rows);
  Step step;
  step.push_back(std::move(op));
  Record(std::move(step));
}

void MaterialList::Load(std::vector<ListRow> rows) {
  const ListChange change{ListChange::Kind::kReset};
  Notify(true, change);
  rows_ = std::move(rows);
  undo_.clear();
  redo_.clear();
  clean_ = 0;
  Notify(false, change);
}

}  // namespace zelvik
