// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/density_dlg.h"

#include <QAbstractTableModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <algorithm>

#include "common/dialog_units.h"
#include "common/display_text.h"
#include "common/language.h"
#include "common/text_fit.h"
#include "reference/density_table.h"
#include "reference/find_next.h"
#include "tools/tool_fonts.h"

namespace zelvik::ui {

namespace {

// A cell as shown: number, name (translated) and density (a range with an en dash in English).
QString CellText(int row, int column) {
  const DensityRow& r = DensityTable()[static_cast<size_t>(row)];
  if (column == 1) return CoreText(r.name);
  const std::string_view cell = column == 0 ? r.no : r.density;
  QString text = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size()));
  if (column == 2 && IsEnglish()) text.replace(QChar(0xFF5E), QChar(0x2013));
  return text;
}

// English names and headings are longer: the name and density columns take the widest of
// them, with the cells' padding.
void WidenColumns(int (&widths)[3]) {
  const QFontMetrics fm(WithSymbolFace(ToolWindowFont(10)));
  constexpr int kPadding = 12;
  for (int row = 0; row < static_cast<int>(DensityTable().size()); ++row) {
    widths[1] = std::max(widths[1], fm.horizontalAdvance(CellText(row, 1)) + kPadding);
  }
  widths[2] = std::max(widths[2], fm.horizontalAdvance(CDensityDlg::tr("密度(t/m^3)")) + kPadding);
}

// The three text cells of every row, read from the built-in table when a row is painted.
class DensityModel : public QAbstractTableModel {
 public:
  using QAbstractTableModel::QAbstractTableModel;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(DensityTable().size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : 3; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!index.isValid()) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    return CellText(index.row(), index.column());
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    if (role != Qt::DisplayRole) return {};
    static const char* const headings[] = {"NO.", QT_TRANSLATE_NOOP("zelvik::ui::CDensityDlg", "名     称"),
                                           QT_TRANSLATE_NOOP("zelvik::ui::CDensityDlg", "密度(t/m^3)")};
    return section == 0 ? QString::fromLatin1(headings[0]) : CDensityDlg::tr(headings[section]);
  }
};

constexpr QColor kListGround{200, 255, 255};
constexpr QColor kListText{20, 0, 0};

}  // namespace

CDensityDlg::CDensityDlg(QWidget* owner) : CToolWindow(owner, tr("常用材料密度")) {
  setFont(ToolWindowFont(10));
  const DialogUnits du(font());

  table_ = new QTableView(this);
  table_->setObjectName(QStringLiteral("1116"));
  table_->setModel(new DensityModel(table_));
  table_->setGeometry(du.Rect(4, 6, 154, 107));
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSortingEnabled(false);
  table_->setShowGrid(true);
  table_->setWordWrap(false);
  table_->setFrameShadow(QFrame::Sunken);
  table_->verticalHeader()->hide();
  table_->horizontalHeader()->setSectionsClickable(false);
  table_->horizontalHeader()->setHighlightSections(false);
  table_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  int widths[] = {38, 120, 90};
  const int chineseWidth = widths[1] + widths[2];
  if (IsEnglish()) WidenColumns(widths);
  for (int c = 0; c < 3; ++c) table_->setColumnWidth(c, widths[c]);
  QPalette p = table_->palette();
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
    p.setColor(group, QPalette::Base, kListGround);
    p.setColor(group, QPalette::Text, kListText);
    // The selection stays visible, in the same colour, when the list loses the focus.
    p.setColor(group, QPalette::Highlight, palette().color(QPalette::Active, QPalette::Highlight));
    p.setColor(group, QPalette::HighlightedText, palette().color(QPalette::Active, QPalette::HighlightedText));
  }
  table_->setPalette(p);

  search_ = new QLineEdit(this);
  search_->setObjectName(QStringLiteral("1000"));
  search_->setGeometry(du.Rect(4, 118, 89, 13));

  find_ = new QPushButton(tr("查询 (下一个)"), this);
  find_->setObjectName(QStringLiteral("1090"));
  find_->setGeometry(du.Rect(98, 117, 60, 15));
  find_->setDefault(true);
  SetEnterPressesDefault(true);
  connect(find_, &QPushButton::clicked, this, &CDensityDlg::FindNext);

  note_ = new QLabel(tr("密度值为温度t=20℃\n时的值,部分为近似值"), this);
  note_->setGeometry(du.Rect(4, 135, 154, 18));

  setFixedSize(du.X(162), du.Y(153));
  // The wider English columns widen the table and the window, at the table's right edge.
  WidenAt(this, table_->geometry().right(), widths[1] + widths[2] - chineseWidth);
}

void CDensityDlg::showEvent(QShowEvent* event) {
  // The face for "℃" is looked up when the window first shows, not while the program starts.
  if (!symbolFaceSet_) {
    table_->setFont(WithSymbolFace(font()));
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 4);
    note_->setFont(WithSymbolFace(font()));
    symbolFaceSet_ = true;
  }
  CToolWindow::showEvent(event);
}

void CDensityDlg::FindNext() {
  // The names and densities as shown, so that English finds English names.
  const std::string text = search_->text().toStdString();
  const int row = zelvik::FindNext(static_cast<int>(DensityTable().size()), searchPosition_, [&](int i) {
    return ContainsText(CellText(i, 1).toStdString(), text) || ContainsText(CellText(i, 2).toStdString(), text);
  });
  if (row < 0) {
    ShowNotFound(this);
    return;
  }
  const QModelIndex index = table_->model()->index(row, 0);
  table_->scrollTo(index, QAbstractItemView::EnsureVisible);
  table_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  table_->setFocus();
  searchPosition_ = row;
}

}  // namespace zelvik::ui
