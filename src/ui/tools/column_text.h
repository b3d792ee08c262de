// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QStringView>
#include <QStyledItemDelegate>
#include <QWidget>

class QPainter;

namespace zelvik::ui {

// Text laid out in columns, as the catalogue's lines are written: a Chinese character or "×"
// takes two columns, every other character one. Each character is drawn in its own cell, so
// the columns line up whatever the face's own advances are.
int TextColumns(QStringView text);

// Draws text from the left of rect, vertically centred, one cell of `unit` pixels per column
// (two-column characters centred in their two cells).
void DrawInColumns(QPainter& painter, const QRect& rect, QStringView text, int unit);

// The column face (monospaced Latin, with Chinese glyphs) at the largest size whose Latin
// characters fit one cell of `unit` pixels and Chinese ones two.
QFont FitColumnFont(int unit);

// Paints a list's lines in columns of `unit` pixels.
class ColumnItemDelegate : public QStyledItemDelegate {
 public:
  ColumnItemDelegate(int unit, QObject* parent);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  // Blank space between an item's left edge and its first column.
  static int TextMargin(const QWidget* view);

 private:
  int unit_;
};

// A one-line caption drawn in the same columns as a list below it.
class ColumnLabel : public QWidget {
  Q_OBJECT

 public:
  ColumnLabel(const QString& text, int unit, QWidget* parent);

  QString text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
  int unit_;
};

}  // namespace zelvik::ui
