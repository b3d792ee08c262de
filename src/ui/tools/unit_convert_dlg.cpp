// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/unit_convert_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

#include "common/dialog_units.h"
#include "common/display_text.h"
#include "common/start_in_view.h"
#include "pages/drop_list.h"
#include "reference/unit_table.h"
#include "tools/tool_fonts.h"

namespace zelvik::ui {

namespace {

const char* const kLabels[] = {QT_TRANSLATE_NOOP("zelvik::ui::CUnitConvertDlg", "单 位 类 型:"),
                               QT_TRANSLATE_NOOP("zelvik::ui::CUnitConvertDlg", "转  换  自:"),
                               QT_TRANSLATE_NOOP("zelvik::ui::CUnitConvertDlg", "转  换  到:"),
                               QT_TRANSLATE_NOOP("zelvik::ui::CUnitConvertDlg", "要转换数值:"),
                               QT_TRANSLATE_NOOP("zelvik::ui::CUnitConvertDlg", "已转换数值:")};

}  // namespace

CUnitConvertDlg::CUnitConvertDlg(QWidget* owner) : CToolWindow(owner, tr("常用单位换算")) {
  setFont(ToolWindowFont(11));
  const DialogUnits du(font());

  for (int row = 0; row < 5; ++row) {
    auto* label = new QLabel(tr(kLabels[row]), this);
    label->setGeometry(du.Rect(7, 10 + row * 19, 44, 12));
  }
  auto makeList = [&](const char* id, int row) {
    auto* list = new CDropList(this);
    list->KeepUnitSymbol(true);
    list->setObjectName(QString::fromLatin1(id));
    list->setGeometry(du.Rect(53, 8 + row * 19, 91, 14));
    list->setMaxVisibleItems(16);
    return list;
  };
  quantity_ = makeList("1010", 0);
  from_ = makeList("1033", 1);
  to_ = makeList("1015", 2);
  for (const UnitQuantity& q : UnitTable()) quantity_->addItem(CoreText(q.name));

  value_ = new QLineEdit(this);
  value_->setObjectName(QStringLiteral("1000"));
  value_->setGeometry(du.Rect(53, 65, 91, 14));
  result_ = new QLineEdit(this);
  result_->setObjectName(QStringLiteral("1001"));
  result_->setGeometry(du.Rect(53, 84, 91, 14));
  result_->setReadOnly(true);
  KeepStartInView(result_);

  value_->setText(QStringLiteral("1"));
  OnQuantityChanged(0);
  connect(quantity_, &QComboBox::currentIndexChanged, this, &CUnitConvertDlg::OnQuantityChanged);
  connect(from_, &QComboBox::currentIndexChanged, this, &CUnitConvertDlg::Convert);
  connect(to_, &QComboBox::currentIndexChanged, this, &CUnitConvertDlg::Convert);
  connect(value_, &QLineEdit::textChanged, this, &CUnitConvertDlg::Convert);

  setFixedSize(du.X(151), du.Y(105));
}

void CUnitConvertDlg::OnQuantityChanged(int index) {
  if (index < 0) return;
  {
    const QSignalBlocker blockFrom(from_);
    const QSignalBlocker blockTo(to_);
    from_->clear();
    to_->clear();
    for (std::string_view unit : UnitTable()[static_cast<size_t>(index)].units) {
      from_->addItem(CoreText(unit));
      to_->addItem(CoreText(unit));
    }
    from_->setCurrentIndex(0);
    to_->setCurrentIndex(0);
  }
  Convert();
}

void CUnitConvertDlg::Convert() {
  const int q = quantity_->currentIndex();
  const int from = from_->currentIndex();
  const int to = to_->currentIndex();
  if (q < 0 || from < 0 || to < 0) return;
  const QByteArray value = value_->text().toUtf8();
  result_->setText(QString::fromStdString(
      ConvertUnits(q, from, to, std::string_view(value.constData(), static_cast<size_t>(value.size())))));
}

}  // namespace zelvik::ui
