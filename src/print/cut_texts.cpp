// SPDX-License-Identifier: GPL-3.0-or-later
#include "cut_texts.h"

#include <cmath>
#include <set>

namespace zelvik::print {

namespace {

using cutting::CutPlan;
using cutting::CutRequest;
using cutting::Pattern;

// A number with up to `decimals` places, trailing zeros and point dropped; never "-0".
QString Trimmed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (rounded == 0) rounded = 0;
  QString text = QString::number(rounded, 'f', decimals);
  if (text.contains(QLatin1Char('.'))) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
  }
  return text;
}

QString Percent(double share) { return QString::number(share * 100, 'f', 1) + QLatin1Char('%'); }

QString Money(double amount) { return QString::number(amount, 'f', 2); }

int KeptBars(const CutPlan& plan) {
  int n = 0;
  for (const cutting::Bar& bar : plan.bars) n += bar.kept ? 1 : 0;
  return n;
}

}  // namespace

QString CutTexts::SpecText(const QString& canonical, double unitWeight) {
  return tr("%1（%2 kg/m）").arg(canonical).arg(unitWeight, 0, 'f', 3);
}

QString CutTexts::Mm(double mm) { return Trimmed(mm, 1); }

QString CutTexts::Metres(double mm) { return Trimmed(mm / 1000, 3); }

QString CutTexts::BuyLine(const CutPlan& plan) {
  if (plan.totals.perStock.size() == 1) {
    const cutting::StockTotal& t = plan.totals.perStock.front();
    return tr("需购原料：%1 mm × %2 根，共 %3 m").arg(Mm(t.stockLength)).arg(t.bars).arg(Metres(plan.totals.stockMm));
  }
  QStringList parts;
  for (const cutting::StockTotal& t : plan.totals.perStock) {
    parts << tr("%1 mm × %2 根").arg(Mm(t.stockLength)).arg(t.bars);
  }
  return tr("需购原料：%1；共 %2 根，%3 m")
      .arg(parts.join(tr("，")))
      .arg(plan.totals.bars)
      .arg(Metres(plan.totals.stockMm));
}

QString CutTexts::UseLine(const CutPlan& plan) {
  const cutting::CutTotals& t = plan.totals;
  const double used = t.stockMm > 0 ? t.usedMm / t.stockMm : 0;
  QString line = tr("利用率 %1；废料 %2 m（%3）").arg(Percent(used), Metres(t.scrapMm), Percent(t.scrapShare));
  if (t.keptMm > 0) line += tr("；保留余料 %1 m（%2 段）").arg(Metres(t.keptMm)).arg(KeptBars(plan));
  return line;
}

QString CutTexts::WeightLine(const CutPlan& plan) {
  QStringList parts;
  if (plan.totals.weightKg) parts << tr("重量 %1 kg").arg(Trimmed(*plan.totals.weightKg, 2));
  if (plan.totals.cost) parts << tr("金额 %1 元").arg(Money(*plan.totals.cost));
  return parts.join(tr("；"));
}

QString CutTexts::BoundLine(const CutPlan& plan, const CutRequest& request) {
  if (plan.optimal) return tr("最优");
  const cutting::CutBound& b = plan.bound;
  if (plan.totals.cost && b.cost && *b.cost > 0) {
    const double gap = std::max(0.0, *plan.totals.cost - *b.cost);
    return tr("与下界相差最多 %1 元（%2）").arg(Money(gap), Percent(gap / *b.cost));
  }
  if (request.stocks.size() == 1 && plan.totals.bars > b.bars && b.bars > 0) {
    const int gap = plan.totals.bars - b.bars;
    return tr("与下界相差最多 %1 根（%2）").arg(gap).arg(Percent(static_cast<double>(gap) / b.bars));
  }
  const double gap = std::max(0.0, plan.totals.stockMm - b.stockMm);
  return tr("与下界相差最多 %1 m（%2）").arg(Metres(gap), Percent(b.stockMm > 0 ? gap / b.stockMm : 0));
}

QString CutTexts::PatternCaption(int number, const Pattern& pattern) {
  return tr("方案 %1　原料 %2 mm × %3 根").arg(number).arg(Mm(pattern.stockLength)).arg(pattern.count);
}

QString CutTexts::OffcutText(const Pattern& pattern) {
  if (pattern.offcut <= 0) return tr("无余料");
  if (pattern.kept) return tr("余料 %1 mm（保留）").arg(Mm(pattern.offcut));
  return tr("废料 %1 mm").arg(Mm(pattern.offcut));
}

QStringList CutTexts::CutLabels(const CutPlan& plan, const CutRequest& request, const Pattern& pattern) {
  QStringList labels;
  for (std::size_t c = 0; c < pattern.cuts.size(); ++c) {
    std::set<std::string> seen;
    QStringList distinct;
    for (int b : pattern.bars) {
      const auto& pieces = plan.bars[static_cast<std::size_t>(b)].pieces;
      if (c >= pieces.size()) continue;
      const std::string& label = request.pieces[static_cast<std::size_t>(pieces[c].piece)].label;
      if (!label.empty() && seen.insert(label).second) distinct << QString::fromStdString(label);
    }
    labels << distinct.join(QLatin1Char('/'));
  }
  return labels;
}

bool CutTexts::HasLabels(const CutRequest& request) {
  for (const cutting::Piece& p : request.pieces) {
    if (!p.label.empty()) return true;
  }
  return false;
}

PrintTable CutTexts::PatternTable(const CutSheet& sheet, int index) {
  const Pattern& pattern = sheet.plan.patterns[static_cast<std::size_t>(index)];
  const bool labelled = HasLabels(sheet.request);
  PrintTable table;
  table.caption = PatternCaption(index + 1, pattern);
  table.columns << PrintColumn{tr("序号"), Qt::AlignHCenter} << PrintColumn{tr("长度(mm)"), Qt::AlignRight};
  if (labelled) table.columns << PrintColumn{tr("标签"), Qt::AlignLeft, true};
  table.columns << PrintColumn{tr("起点(mm)"), Qt::AlignRight} << PrintColumn{tr("终点(mm)"), Qt::AlignRight};
  const QStringList labels = CutLabels(sheet.plan, sheet.request, pattern);
  double position = sheet.request.trim;
  for (std::size_t c = 0; c < pattern.cuts.size(); ++c) {
    const double length = pattern.cuts[c];
    QStringList row{QString::number(c + 1), Mm(length)};
    if (labelled) row << labels[static_cast<qsizetype>(c)];
    row << Mm(position) << Mm(position + length);
    table.rows << row;
    position += length + sheet.request.kerf;
  }
  if (pattern.offcut > 0) {
    const double end = pattern.stockLength - sheet.request.trim;
    table.totals = QStringList{pattern.kept ? tr("余料") : tr("废料"), Mm(pattern.offcut)};
    if (labelled) table.totals << (pattern.kept ? tr("保留") : QString());
    table.totals << Mm(end - pattern.offcut) << Mm(end);
  }
  return table;
}

QString CutTexts::PlanText(const CutSheet& sheet) {
  const CutPlan& plan = sheet.plan;
  const QChar tab(QLatin1Char('\t'));
  QStringList lines;
  lines << Title() + tab + sheet.spec;
  lines << tr("原料(mm)") + tab + tr("根数");
  for (const cutting::StockTotal& t : plan.totals.perStock) lines << Mm(t.stockLength) + tab + QString::number(t.bars);
  lines << tr("合计") + tab + QString::number(plan.totals.bars);
  lines << tr("原料总长(m)") + tab + Metres(plan.totals.stockMm);
  lines << tr("零件总长(m)") + tab + Metres(plan.totals.usedMm);
  lines << tr("废料(m)") + tab + Metres(plan.totals.scrapMm);
  if (plan.totals.keptMm > 0) lines << tr("保留余料(m)") + tab + Metres(plan.totals.keptMm);
  if (plan.totals.weightKg) lines << tr("重量(kg)") + tab + Trimmed(*plan.totals.weightKg, 2);
  if (plan.totals.cost) lines << tr("金额(元)") + tab + Money(*plan.totals.cost);
  lines << tr("下界") + tab + BoundLine(plan, sheet.request);
  lines << QString();
  lines << QStringList{tr("方案"), tr("原料(mm)"), tr("根数"), tr("下料(mm)"), tr("余料(mm)"), tr("余料处理")}.join(tab);
  for (std::size_t i = 0; i < plan.patterns.size(); ++i) {
    const Pattern& p = plan.patterns[i];
    const QStringList labels = CutLabels(plan, sheet.request, p);
    QStringList cuts;
    for (std::size_t c = 0; c < p.cuts.size(); ++c) {
      const QString& label = labels[static_cast<qsizetype>(c)];
      cuts << (label.isEmpty() ? Mm(p.cuts[c]) : tr("%1（%2）").arg(Mm(p.cuts[c]), label));
    }
    const QString fate = p.offcut <= 0 ? QString() : p.kept ? tr("保留") : tr("废料");
    lines << QStringList{QString::number(i + 1), Mm(p.stockLength), QString::number(p.count),
                         cuts.join(QStringLiteral(" + ")), Mm(p.offcut), fate}
                 .join(tab);
  }
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace zelvik::print
