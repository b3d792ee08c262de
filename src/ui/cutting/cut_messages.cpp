// SPDX-License-Identifier: GPL-3.0-or-later
#include "cutting/cut_messages.h"

#include <cmath>

#include "cut_texts.h"

namespace zelvik::ui {

using cutting::CutErrorKind;
using cutting::CutStage;

QString CutMessages::Error(CutErrorKind kind, int pieceRow) {
  switch (kind) {
    case CutErrorKind::NoPieces: return tr("没有要下料的零件：请在零件表中填写长度和数量。");
    case CutErrorKind::NoStock: return tr("没有原料：请在原料表中填写至少一种长度。");
    case CutErrorKind::BadNumber:
      if (pieceRow > 0) return tr("零件第 %1 行的长度或数量超出范围。").arg(pieceRow);
      return tr("零件太多，或锯缝、端头、保留余料的长度超出范围。");
    case CutErrorKind::MixedPrices: return tr("单价要么每种原料都填，要么都不填。");
    case CutErrorKind::NoRoom: return tr("去掉端头和锯缝后，原料没有可用的长度。");
    case CutErrorKind::PieceTooLong:
      if (pieceRow > 0) return tr("零件第 %1 行比所有原料去掉端头后的长度都长。").arg(pieceRow);
      return tr("有零件比所有原料去掉端头后的长度都长。");
    case CutErrorKind::NotEnoughStock: return tr("现有原料的根数不够下这些零件。");
    case CutErrorKind::NoPlanFound: return tr("在限定的原料根数和时间内没有找到下料方案。");
  }
  return {};
}

QString CutMessages::Stage(CutStage stage) {
  switch (stage) {
    case CutStage::Start: return tr("准备");
    case CutStage::FirstFit: return tr("初始方案");
    case CutStage::Bound: return tr("计算下界");
    case CutStage::Rounding: return tr("取整");
    case CutStage::Diving: return tr("搜索方案");
    case CutStage::Improving: return tr("改进方案");
    case CutStage::Done: return tr("完成");
  }
  return {};
}

QString CutMessages::Progress(const cutting::CutProgress& p, bool priced, bool singleStock, double stockLength) {
  if (p.bestBars == 0) return Stage(p.stage);
  QString best;
  QString bound;
  if (priced) {
    best = tr("当前最好 %1 根（%2 元）").arg(p.bestBars).arg(p.bestCost, 0, 'f', 2);
    bound = tr("下界 %1 元").arg(p.boundCost, 0, 'f', 2);
  } else if (singleStock && stockLength > 0) {
    best = tr("当前最好 %1 根").arg(p.bestBars);
    bound = tr("下界 %1 根").arg(static_cast<int>(std::ceil(p.boundCost / stockLength - 1e-9)));
  } else {
    best = tr("当前最好 %1 根（%2 m）").arg(p.bestBars).arg(print::CutTexts::Metres(p.bestCost));
    bound = tr("下界 %1 m").arg(print::CutTexts::Metres(p.boundCost));
  }
  return tr("%1：%2；%3").arg(Stage(p.stage), best, bound);
}

}  // namespace zelvik::ui
