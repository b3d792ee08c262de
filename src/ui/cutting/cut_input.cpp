// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/cut_input.h"

#include <cmath>
#include <optional>

#include "cut_texts.h"
#include "cutting/pieces_csv.h"
#include "expr/eval_expression.h"
#include "list/list_format.h"

namespace zelvik::ui {

namespace {

constexpr double kLongestMm = 100000;
constexpr int kMostPieces = 20000;

std::optional<double> CellNumber(const QString& text) {
  const std::string utf8 = text.toStdString();
  if (const auto plain = ParseListNumber(utf8)) return plain;
  const double value = EvalExpression(utf8);
  if (value == 0 || !std::isfinite(value)) return std::nullopt;
  return value;
}

bool Blank(const QStringList& row) {
  for (const QString& cell : row) {
    if (!cell.isEmpty()) return false;
  }
  return true;
}

QString Cell(const QStringList& row, int column) { return row.value(column); }

// A length in mm: above 0, at most 100 m, to 0.1 mm. The reason when it is not.
std::variant<double, QString> Length(const QString& text) {
  if (text.isEmpty()) return CutInput::tr("缺少长度");
  const auto value = CellNumber(text);
  if (!value || *value <= 0) return CutInput::tr("长度应为正数");
  if (*value > kLongestMm) return CutInput::tr("长度不能超过 100000 mm");
  if (std::fabs(*value * 10 - std::round(*value * 10)) > 1e-6 * std::max(1.0, *value)) {
    return CutInput::tr("长度最多一位小数");
  }
  return std::round(*value * 10) / 10;
}

std::optional<int> Count(const QString& text, int least) {
  const auto value = CellNumber(text);
  if (!value || *value < least || *value > kMostPieces || *value != std::floor(*value)) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

std::variant<PieceRows, CellProblem> CutInput::ReadPieces(const QList<QStringList>& rows) {
  PieceRows out;
  long long total = 0;
  for (int r = 0; r < rows.size(); ++r) {
    const QStringList& row = rows[r];
    if (Blank(row)) continue;
    cutting::Piece piece;
    const auto length = Length(Cell(row, 0));
    if (const auto* why = std::get_if<QString>(&length)) return CellProblem{tr("零件第 %1 行：%2").arg(r + 1).arg(*why), r, 0};
    piece.length = std::get<double>(length);
    const QString quantity = Cell(row, 1);
    const auto count = Count(quantity, 1);
    if (!count) {
      const QString why = quantity.isEmpty() ? tr("缺少数量") : tr("数量应为 1 到 20000 的整数");
      return CellProblem{tr("零件第 %1 行：%2").arg(r + 1).arg(why), r, 1};
    }
    piece.quantity = *count;
    total += *count;
    if (total > kMostPieces) return CellProblem{tr("零件总数不能超过 20000 件"), r, 1};
    piece.label = Cell(row, 2).toStdString();
    out.pieces.push_back(std::move(piece));
    out.rows.push_back(r);
  }
  return out;
}

std::variant<std::vector<cutting::Stock>, CellProblem> CutInput::ReadStocks(const QList<QStringList>& rows) {
  std::vector<cutting::Stock> stocks;
  int priced = 0;
  for (int r = 0; r < rows.size(); ++r) {
    const QStringList& row = rows[r];
    if (Blank(row)) continue;
    cutting::Stock stock;
    const auto length = Length(Cell(row, 0));
    if (const auto* why = std::get_if<QString>(&length)) return CellProblem{tr("原料第 %1 行：%2").arg(r + 1).arg(*why), r, 0};
    stock.length = std::get<double>(length);
    if (!Cell(row, 1).isEmpty()) {
      const auto count = Count(Cell(row, 1), 0);
      if (!count) return CellProblem{tr("原料第 %1 行：根数应为整数，不限则留空").arg(r + 1), r, 1};
      stock.available = *count;
    }
    if (!Cell(row, 2).isEmpty()) {
      const auto price = ParseListNumber(Cell(row, 2).toStdString());
      if (!price || *price < 0) return CellProblem{tr("原料第 %1 行：单价应为不小于 0 的数").arg(r + 1), r, 2};
      stock.price = *price;
      ++priced;
    }
    stocks.push_back(stock);
  }
  if (priced != 0 && priced != static_cast<int>(stocks.size())) {
    for (int r = 0; r < rows.size(); ++r) {
      if (!Blank(rows[r]) && Cell(rows[r], 2).isEmpty()) {
        return CellProblem{tr("原料第 %1 行：单价要么每种原料都填，要么都不填").arg(r + 1), r, 2};
      }
    }
  }
  return stocks;
}

std::variant<QList<QStringList>, QString> CutInput::PastedPieces(const QString& text) {
  try {
    QList<QStringList> rows;
    for (const cutting::Piece& p : cutting::ReadPiecesCsv(text.toStdString())) {
      rows << QStringList{print::CutTexts::Mm(p.length), QString::number(p.quantity), QString::fromStdString(p.label)};
    }
    return rows;
  } catch (const cutting::PiecesCsvError& e) {
    return tr("粘贴的第 %1 行读不出长度和数量：每行应为“长度, 数量[, 标签]”，用制表符或逗号分隔。").arg(e.line());
  }
}

}  // namespace zelvik::ui
