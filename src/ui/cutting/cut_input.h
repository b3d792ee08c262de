// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

#include "cutting/cutting_plan.h"

namespace zelvik::ui {

// A cell that cannot be read: what is wrong, and where (0-based row and column).
struct CellProblem {
  QString message;
  int row = 0;
  int column = 0;
};

struct PieceRows {
  std::vector<cutting::Piece> pieces;
  std::vector<int> rows;  // the table row of each piece
};

// The cutting window's tables read into the optimiser's terms. Blank rows are skipped; cells
// take a number as typed or pasted ("2,350", full-width digits) or arithmetic ("2×1175").
class CutInput {
  Q_DECLARE_TR_FUNCTIONS(CutInput)

 public:
  // Columns length, quantity, label.
  static std::variant<PieceRows, CellProblem> ReadPieces(const QList<QStringList>& rows);
  // Columns length, bars available (empty: no limit), price per bar (empty: none).
  static std::variant<std::vector<cutting::Stock>, CellProblem> ReadStocks(const QList<QStringList>& rows);
  // Pasted pieces as table rows: length, quantity, label.
  static std::variant<QList<QStringList>, QString> PastedPieces(const QString& text);
};

}  // namespace zelvik::ui
