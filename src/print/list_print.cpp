// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_print.h"

#include <QCoreApplication>

#include <functional>

namespace zelvik::print {

namespace {

class ListPrint {
  Q_DECLARE_TR_FUNCTIONS(ListPrint)

 public:
  static QString ItemHeader(ListColumn column, const ListDisplay& d) {
    const QString length = QString::fromLatin1(d.LengthUnit());
    const QString weight = QString::fromLatin1(d.WeightUnit());
    switch (column) {
      case ListColumn::kNo: return tr("序号");
      case ListColumn::kProduct: return tr("品名");
      case ListColumn::kSpec: return tr("规格");
      case ListColumn::kMaterial: return tr("材质");
      case ListColumn::kLength: return tr("长度(%1)").arg(length);
      case ListColumn::kQuantity: return tr("数量");
      case ListColumn::kUnitWeight: return tr("单重");
      case ListColumn::kPieceKg: return tr("单件重(%1)").arg(weight);
      case ListColumn::kTotalKg: return tr("总重(%1)").arg(weight);
      case ListColumn::kPrice: return tr("单价");
      case ListColumn::kPriceBasis: return tr("计价方式");
      case ListColumn::kAmount: return tr("金额(元)");
      case ListColumn::kNote: return tr("备注");
    }
    return {};
  }

  static QString SummaryHeader(SummaryColumn column, const ListDisplay& d) {
    switch (column) {
      case SummaryColumn::kProduct: return tr("品名");
      case SummaryColumn::kSpec: return tr("规格");
      case SummaryColumn::kMaterial: return tr("材质");
      case SummaryColumn::kPieces: return tr("数量");
      case SummaryColumn::kLengthM: return tr("总长(m)");
      case SummaryColumn::kTotalKg: return tr("总重(%1)").arg(QString::fromLatin1(d.WeightUnit()));
      case SummaryColumn::kAmount: return tr("金额(元)");
    }
    return {};
  }

  static QString Total() { return tr("合计"); }
  static QString Title() { return tr("材料清单"); }
  static QString SummaryCaption() { return tr("汇总（按品名、规格、材质）"); }
  static QString Customer() { return tr("客户："); }
  static QString Project() { return tr("工程："); }
  static QString TotalsLine(const ListDocument& doc) {
    const ListTotals& t = doc.totals;
    return tr("合计：%1 件，总重 %2 kg（%3 t），金额 %4 元")
        .arg(t.pieces)
        .arg(QString::fromStdString(FormatRounded(t.totalKg, doc.display.decimals)))
        .arg(QString::fromStdString(FormatRounded(t.totalT, 3)))
        .arg(QString::fromStdString(FormatRounded(t.amount, kAmountDecimals)));
  }
};

QStringList Texts(const std::vector<SheetCell>& cells) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(cells.size()));
  for (const SheetCell& c : cells) out << QString::fromStdString(c.text);
  return out;
}

// The sheet's columns under the given headers, its rows and its totals row.
PrintTable TableOf(const Sheet& sheet, const std::function<QString(int)>& header, int centred) {
  PrintTable table;
  for (const SheetColumn& col : sheet.columns) {
    PrintColumn pc{header(col.id)};
    pc.wrap = !col.numeric;
    pc.align = col.id == centred ? Qt::AlignHCenter : col.numeric ? Qt::AlignRight : Qt::AlignLeft;
    table.columns << pc;
  }
  table.rows.reserve(static_cast<qsizetype>(sheet.rows.size()));
  for (const auto& row : sheet.rows) table.rows << Texts(row);
  table.totals = Texts(sheet.totals);
  if (!table.totals.isEmpty()) table.totals[0] = ListPrint::Total();
  return table;
}

}  // namespace

PagedDocument ListPrintDocument(const ListDocument& doc) {
  PageHeader header;
  header.title = ListPrint::Title();
  header.date = QString::fromStdString(doc.header.date);
  header.fields = {{ListPrint::Customer(), QString::fromStdString(doc.header.customer)},
                   {ListPrint::Project(), QString::fromStdString(doc.header.project)}};
  PagedDocument paged(header);
  const ListDisplay& d = doc.display;
  paged.AddTable(TableOf(doc.items, [&](int id) { return ListPrint::ItemHeader(static_cast<ListColumn>(id), d); },
                         static_cast<int>(ListColumn::kNo)));
  paged.AddText(ListPrint::TotalsLine(doc), true);
  paged.AddSpace(4);
  PrintTable summary =
      TableOf(doc.summary, [&](int id) { return ListPrint::SummaryHeader(static_cast<SummaryColumn>(id), d); }, -1);
  summary.caption = ListPrint::SummaryCaption();
  paged.AddTable(std::move(summary));
  return paged;
}

int PrintList(const ListDocument& doc, QPagedPaintDevice& device) { return ListPrintDocument(doc).Print(device); }

std::optional<QString> WriteListPdf(const ListDocument& doc, const QString& path) {
  return WritePdf(ListPrintDocument(doc), ListPrint::Title(), path);
}

}  // namespace zelvik::print
