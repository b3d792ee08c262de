// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls at their places, in dialog units of the dialog font.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <iterator>

#include "app/bitmap_button.h"
#include "app/calculator_strip.h"
#include "app/zelvik_dlg.h"
#include "common/app_icons.h"
#include "common/dialog_units.h"
#include "common/language.h"
#include "common/text_fit.h"
#include "online/ad_area.h"
#include "pages/calc_box.h"
#include "pages/weight_page.h"

namespace zelvik::ui {

namespace {

QLabel* Label(const QString& text, const QRect& rect, QWidget* parent) {
  return Place(new QLabel(text, parent), nullptr, rect);
}

QPushButton* Button(const char* id, const QString& text, const QRect& rect, QWidget* parent) {
  auto* button = Place(new QPushButton(text, parent), id, rect);
  button->setAutoDefault(false);
  return button;
}

// English pages are wider (CalcBox::EnglishExtraDlu): the window makes that room at the right
// edges of its bottom row's label and buttons, which widen with it; what a text still lacks
// comes last. Right to left, so that each edge is still where it was.
void WidenForEnglish(QWidget* window, const DialogUnits& du) {
  if (!IsEnglish()) return;
  const int extra = du.X(CWeightPage::WidthDlu()) - du.X(CWeightPage::kWidthDlu);
  static constexpr int kEdges[] = {290, 255, 207, 165, 131, 65};
  constexpr int n = static_cast<int>(std::size(kEdges));
  for (int i = 0; i < n; ++i) WidenAt(window, du.X(kEdges[i]) - 1, extra / n + (i < extra % n ? 1 : 0));
  FitTexts(window);
}

}  // namespace

void CZelvikDlg::CreateControls() {
  const DialogUnits du(font());

  tabs_ = Place(new QTabWidget(this), "1125", du.Rect(3, 2, 287, 190));
  tabs_->setUsesScrollButtons(false);

  Label(tr("小数位数:"), du.Rect(156, 1, 37, 11), this);
  decimals_ = Place(new QComboBox(this), "1015", du.Rect(194, 1, 23, 12));
  for (int i = 0; i <= 9; ++i) decimals_->addItem(QString::number(i));
  Label(tr("单位制:"), du.Rect(219, 2, 29, 11), this);
  unitSystem_ = Place(new QComboBox(this), "1010", du.Rect(250, 1, 38, 12));
  for (const char* label : kUnitSystemLabels) unitSystem_->addItem(QString::fromUtf8(label));

  CreateStrip();

  Label(tr("提示：尺寸、长度框可输入算式，如 1200+350"), du.Rect(3, 213, 190, 9), this);
  adToggle_ = Button("1044", QStringLiteral("↑"), du.Rect(281, 212, 9, 11), this);
  adToggle_->setEnabled(false);

  Label(tr("材料密度(t/m3):"), du.Rect(3, 226, 62, 11), this);
  density_ = Place(new QLineEdit(this), "1016", du.Rect(65, 226, 30, 12));
  topmost_ = Button("1039", tr("置 顶"), du.Rect(97, 225, 34, 13), this);
  reset_ = Button("1102", tr("重 置"), du.Rect(134, 225, 31, 13), this);
  tools_ = Button("1103", tr("附加工具"), du.Rect(169, 225, 38, 13), this);
  attachBox_ = Place(new QCheckBox(this), "1107", du.Rect(209, 228, 10, 8));
  attachBox_->setChecked(true);
  about_ = Place(new QPushButton(tr("关于"), this), "1083", du.Rect(225, 225, 30, 13));
  about_->setDefault(true);
  exit_ = Button("32771", tr("退出"), du.Rect(260, 225, 30, 13), this);

  collapseLine_ = Place(new QFrame(this), "1124", du.Rect(3, 241, 287, 1));
  collapseLine_->setFrameShape(QFrame::HLine);
  collapseLine_->setFrameShadow(QFrame::Sunken);
  collapseLine_->setFixedHeight(2);

  Place(new QGroupBox(tr("广告位招商"), this), nullptr, du.Rect(3, 244, 287, 67));
  adArea_ = new CAdArea(this, du.Rect(5, 252, 283, 56), du.Rect(3, 254, 287, 54));
  adArea_->Start();

  CreateToolMenu();
  setFixedSize(du.X(293), du.Y(314));
  WidenForEnglish(this, du);
}

void CZelvikDlg::CreateStrip() {
  const DialogUnits du(font());
  CalculatorStrip::Controls c{};
  c.collect = Place(new QCheckBox(tr("统计:"), this), "1119", du.Rect(3, 196, 33, 11));
  c.expression = Place(new QLineEdit(this), "1047", du.Rect(37, 195, 147, 13));
  c.add = Place(new QRadioButton(QStringLiteral("+"), this), "1048", du.Rect(187, 193, 17, 9));
  c.subtract = Place(new QRadioButton(QStringLiteral("-"), this), "1049", du.Rect(187, 202, 17, 9));
  c.copy = Button("1101", QStringLiteral("="), du.Rect(206, 195, 13, 13), this);
  c.result = Place(new QLineEdit(this), "1053", du.Rect(219, 195, 57, 14));
  MakeReadOnly(c.result);
  auto* calculator = new CBitmapButton(CalculatorBitmap(), this);
  calculator->setObjectName(QStringLiteral("1118"));
  calculator->move(du.X(280), du.Y(197));
  c.calculator = calculator;
  c.preview = Place(new QLabel(this), "1164", du.Rect(215, 214, 61, 9));
  strip_ = new CalculatorStrip(c, &settings_, this);
}

void CZelvikDlg::CreateToolMenu() {
  toolMenu_ = new QMenu(tr("实用小工具"), this);
  toolMenu_->setObjectName(QStringLiteral("137"));
  // Menu order; each entry stays disabled until its window exists.
  const struct {
    const char* caption;
    ToolKind kind;
  } kCommands[] = {{QT_TR_NOOP("材料密度"), ToolKind::kDensity}, {QT_TR_NOOP("单位换算"), ToolKind::kUnitConvert},
                   {QT_TR_NOOP("焊管尺寸"), ToolKind::kWeldPipe}, {QT_TR_NOOP("轴承查询"), ToolKind::kBearing},
                   {QT_TR_NOOP("定时任务"), ToolKind::kTasks},    {QT_TR_NOOP("定义材料"), ToolKind::kCustom},
                   {QT_TR_NOOP("材料清单"), ToolKind::kList}, {QT_TR_NOOP("下料优化"), ToolKind::kCutting}};
  for (const auto& command : kCommands) {
    QAction* action = toolMenu_->addAction(tr(command.caption));
    action->setEnabled(false);
    const ToolKind kind = command.kind;
    connect(action, &QAction::triggered, this, [this, kind] { ToggleToolWindow(kind); });
    slots_[static_cast<int>(kind)].command = action;
  }

  contextMenu_ = new QMenu(this);
  QAction* aboutAction = contextMenu_->addAction(tr("关于Zelvik"));
  connect(aboutAction, &QAction::triggered, this, &CZelvikDlg::ShowAboutBox);
}

void CZelvikDlg::InstallTooltips() {
  static const struct {
    const char* id;
    const char* text;
  } kTips[] = {
      {"1039", QT_TR_NOOP("窗口置顶")},
      {"1044", QT_TR_NOOP("显示隐藏广告区")},
      {"1083", QT_TR_NOOP("软件使用说明和更新日志")},
      {"1101", QT_TR_NOOP("点击复制右侧结果")},
      {"1102", QT_TR_NOOP("重置清零")},
      {"1103", QT_TR_NOOP("更多工具和设置项")},
      {"1107", QT_TR_NOOP("勾选后附加窗体附着于主窗体")},
      {"1118", QT_TR_NOOP("点击调用系统计算器")},
      {"1119", QT_TR_NOOP("勾选后重量值自动进入计算器第一格")},
      {"1164", QT_TR_NOOP("表达式临时计算结果")},
  };
  for (const auto& tip : kTips) {
    if (auto* w = findChild<QWidget*>(QString::fromLatin1(tip.id), Qt::FindDirectChildrenOnly)) {
      w->setToolTip(tr(tip.text));
    }
  }
}

}  // namespace zelvik::ui
