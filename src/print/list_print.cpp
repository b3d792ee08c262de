// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_print.h"

#include <QCoreApplication>

#include <algorithm>
#include <functional>
#include <vector>

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

  // The units and the pricing as the reader's language has them: "kg/件", not the file's
  // "kg/piece".
  static QString ItemText(ListColumn column, const SheetCell& cell) {
    if (column == ListColumn::kUnitWeight && cell.number && cell.suffix == " kg/piece") {
      return QString::fromStdString(FormatRounded(*cell.number, cell.decimals)) + tr(" kg/件");
    }
    if (column == ListColumn::kPriceBasis) {
      if (const auto basis = ParsePriceBasis(cell.text)) return Basis(*basis);
    }
    return QString::fromStdString(cell.text);
  }

  static QString Basis(PriceBasis basis) {
    switch (basis) {
      case PriceBasis::kPerTonne: return tr("元/吨");
      case PriceBasis::kPerKg: return tr("元/千克");
      case PriceBasis::kPerMetre: return tr("元/米");
      case PriceBasis::kPerPiece: return tr("元/件");
    }
    return {};
  }

  static QString Total() { return tr("合计"); }
  static QString Title() { return tr("材料清单"); }
  static QString SummarySheet() { return tr("汇总"); }
  static QString SummaryCaption() { return tr("汇总（按品名、规格、材质）"); }
  static QString Customer() { return tr("客户："); }
  static QString Project() { return tr("工程："); }
  static XlsxTexts Workbook() {
    XlsxTexts t;
    t.summaryTitle = tr("按品名、规格、材质汇总").toStdString();
    t.date = tr("日期：").toStdString();
    t.customer = Customer().toStdString();
    t.project = Project().toStdString();
    t.footer = tr("&C第 &P 页 / 共 &N 页").toStdString();
    return t;
  }
  static QString TotalsLine(const ListDocument& doc) {
    const ListTotals& t = doc.totals;
    return tr("合计：%1 件，总重 %2 kg（%3 t），金额 %4 元")
        .arg(t.pieces)
        .arg(QString::fromStdString(FormatRounded(t.totalKg, doc.display.decimals)))
        .arg(QString::fromStdString(FormatRounded(t.totalT, 3)))
        .arg(QString::fromStdString(FormatRounded(t.amount, kAmountDecimals)));
  }
};

// How a sheet's columns print: their headers, which are centred, which text columns keep
// their lines whole (a spec "-10×1000×2000" broken inside a number reads wrongly).
struct ColumnStyle {
  std::function<QString(int)> header;
  std::function<QString(int, const SheetCell&)> text;
  std::vector<int> centred;
  std::vector<int> whole;
};

bool Among(const std::vector<int>& ids, int id) { return std::find(ids.begin(), ids.end(), id) != ids.end(); }

QStringList Texts(const Sheet& sheet, const std::vector<SheetCell>& cells, const ColumnStyle& style) {
  QStringList out;
  out.reserve(static_cast<qsizetype>(cells.size()));
  for (std::size_t c = 0; c < cells.size(); ++c) {
    const int id = c < sheet.columns.size() ? sheet.columns[c].id : -1;
    out << (style.text ? style.text(id, cells[c]) : QString::fromStdString(cells[c].text));
  }
  return out;
}

// A product or pricing name of the core ("角钢(热轧)", "元/吨") as shown; a typed one as it is.
std::string Shown(const std::string& text) {
  return QCoreApplication::translate("Data", text.c_str()).toStdString();
}

// The cells of the column with that id in every row.
template <class F>
void EachCell(Sheet& sheet, int id, F&& f) {
  for (std::size_t c = 0; c < sheet.columns.size(); ++c) {
    if (sheet.columns[c].id != id) continue;
    for (auto& row : sheet.rows) {
      if (c < row.size()) f(row[c]);
    }
  }
}

// The sheet's columns under the given headers, its rows and its totals row.
PrintTable TableOf(const Sheet& sheet, const ColumnStyle& style) {
  PrintTable table;
  for (const SheetColumn& col : sheet.columns) {
    PrintColumn pc{style.header(col.id)};
    pc.wrap = !col.numeric && !Among(style.whole, col.id);
    pc.align = Among(style.centred, col.id) ? Qt::AlignHCenter : col.numeric ? Qt::AlignRight : Qt::AlignLeft;
    table.columns << pc;
  }
  table.rows.reserve(static_cast<qsizetype>(sheet.rows.size()));
  for (const auto& row : sheet.rows) table.rows << Texts(sheet, row, style);
  table.totals = Texts(sheet, sheet.totals, style);
  if (!table.totals.isEmpty()) table.totals[0] = ListPrint::Total();
  return table;
}

}  // namespace

ListDocument ShownListDocument(ListDocument doc, const std::function<std::string(const std::string&)>& name) {
  doc.title = ListPrint::Title().toStdString();
  doc.items.name = doc.title;
  doc.summary.name = ListPrint::SummarySheet().toStdString();
  for (SheetColumn& c : doc.items.columns) {
    c.header = ListPrint::ItemHeader(static_cast<ListColumn>(c.id), doc.display).toStdString();
  }
  for (SheetColumn& c : doc.summary.columns) {
    c.header = ListPrint::SummaryHeader(static_cast<SummaryColumn>(c.id), doc.display).toStdString();
  }
  for (Sheet* sheet : {&doc.items, &doc.summary}) {
    if (!sheet->totals.empty()) sheet->totals[0].text = ListPrint::Total().toStdString();
  }
  auto show = [&name](SheetCell& cell) { cell.text = name ? name(cell.text) : Shown(cell.text); };
  EachCell(doc.items, static_cast<int>(ListColumn::kProduct), show);
  EachCell(doc.summary, static_cast<int>(SummaryColumn::kProduct), show);
  if (name) {
    auto size = [&name](SheetCell& cell) { cell.text = name(cell.text); };
    EachCell(doc.items, static_cast<int>(ListColumn::kSpec), size);
    EachCell(doc.summary, static_cast<int>(SummaryColumn::kSpec), size);
  }
  EachCell(doc.items, static_cast<int>(ListColumn::kPriceBasis), [](SheetCell& cell) {
    if (const auto basis = ParsePriceBasis(cell.text)) cell.text = ListPrint::Basis(*basis).toStdString();
  });
  return doc;
}

XlsxTexts ShownXlsxTexts() { return ListPrint::Workbook(); }

QString ListColumnTitle(ListColumn column, const ListDisplay& display) { return ListPrint::ItemHeader(column, display); }

QString SummaryColumnTitle(SummaryColumn column, const ListDisplay& display) {
  return ListPrint::SummaryHeader(column, display);
}

QString PriceBasisTitle(PriceBasis basis) { return ListPrint::Basis(basis); }

PagedDocument ListPrintDocument(const ListDocument& source) {
  const ListDocument doc = ShownListDocument(source);
  PageHeader header;
  header.title = ListPrint::Title();
  header.date = QString::fromStdString(doc.header.date);
  header.fields = {{ListPrint::Customer(), QString::fromStdString(doc.header.customer)},
                   {ListPrint::Project(), QString::fromStdString(doc.header.project)}};
  PagedDocument paged(header);
  const ListDisplay& d = doc.display;
  ColumnStyle items;
  items.header = [&](int id) { return ListPrint::ItemHeader(static_cast<ListColumn>(id), d); };
  items.text = [](int id, const SheetCell& cell) { return ListPrint::ItemText(static_cast<ListColumn>(id), cell); };
  items.centred = {static_cast<int>(ListColumn::kNo), static_cast<int>(ListColumn::kPriceBasis)};
  items.whole = {static_cast<int>(ListColumn::kSpec), static_cast<int>(ListColumn::kPriceBasis)};
  paged.AddTable(TableOf(doc.items, items));
  paged.AddText(ListPrint::TotalsLine(doc), true);
  paged.AddSpace(4);
  ColumnStyle lines;
  lines.header = [&](int id) { return ListPrint::SummaryHeader(static_cast<SummaryColumn>(id), d); };
  lines.whole = {static_cast<int>(SummaryColumn::kSpec)};
  PrintTable summary = TableOf(doc.summary, lines);
  summary.caption = ListPrint::SummaryCaption();
  paged.AddTable(std::move(summary));
  return paged;
}

int PrintList(const ListDocument& doc, QPagedPaintDevice& device) { return ListPrintDocument(doc).Print(device); }

std::optional<QString> WriteListPdf(const ListDocument& doc, const QString& path) {
  return WritePdf(ListPrintDocument(doc), ListPrint::Title(), path);
}

}  // namespace zelvik::print
