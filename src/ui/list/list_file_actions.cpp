// SPDX-License-Identifier: GPL-3.0-or-later
#include "list/list_file_actions.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QWidget>
#include <optional>

#include "common/busy_task.h"
#include "common/core_message.h"
#include "common/display_text.h"
#include "common/message_box.h"
#include "list/list_store.h"
#include "list/list_table_model.h"
#include "list_print.h"
#include "list_xlsx.h"

namespace zelvik::ui {

namespace {

std::filesystem::path FsPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

QString WithSuffix(QString path, const QString& suffix) {
  if (QFileInfo(path).suffix().isEmpty()) path += QLatin1Char('.') + suffix;
  return path;
}

}  // namespace

ListFileActions::ListFileActions(QWidget* window, ListTableModel& model, const SpecResolver& resolver,
                                 std::function<ListDocumentHeader()> header)
    : QObject(window), window_(window), model_(model), resolver_(resolver), header_(std::move(header)) {}

void ListFileActions::Refuse(const QString& caption, const QString& text) { ShowNotice(window_, caption, text); }

ListDocument ListFileActions::Document() const {
  ListDocumentHeader header = header_ ? header_() : ListDocumentHeader{};
  header.date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")).toStdString();
  // Exported and printed as shown: in English "I20a" and "Angle (hot-rolled)"; in Chinese as stored.
  return print::ShownListDocument(MakeListDocument(model_.list().rows(), model_.display(), header),
                                  [](const std::string& text) { return CoreText(text).toStdString(); });
}

QString ListFileActions::AskSavePath(const QString& caption, const QString& filter, const QString& suffix) {
  const QString base = path_.isEmpty() ? tr("材料清单") : QFileInfo(path_).completeBaseName();
  const QString folder = !folder_.isEmpty() ? folder_ : !path_.isEmpty() ? QFileInfo(path_).absolutePath() : QDir::homePath();
  const QString chosen =
      QFileDialog::getSaveFileName(window_, caption, QDir(folder).filePath(base + QLatin1Char('.') + suffix), filter);
  if (chosen.isEmpty()) return {};
  folder_ = QFileInfo(chosen).absolutePath();
  return WithSuffix(chosen, suffix);
}

void ListFileActions::New() {
  model_.list().Reset({});
  model_.list().MarkClean();
  path_.clear();
  emit listReplaced();
  emit fileChanged();
  emit status(tr("新清单（撤销可回到原来的清单）"));
}

void ListFileActions::Open() {
  const QString folder = !folder_.isEmpty() ? folder_ : !path_.isEmpty() ? QFileInfo(path_).absolutePath() : QDir::homePath();
  const QString chosen = QFileDialog::getOpenFileName(window_, tr("打开材料清单"), folder,
                                                      tr("材料清单 (*.csv);;所有文件 (*)"));
  if (chosen.isEmpty()) return;
  folder_ = QFileInfo(chosen).absolutePath();
  OpenFile(chosen);
}

bool ListFileActions::OpenFile(const QString& path) {
  ListFileResult result;
  RunBusy(window_, tr("正在读取 %1…").arg(QFileInfo(path).fileName()),
          [&] { result = ReadListFile(FsPath(path), resolver_); });
  if (const auto* problem = std::get_if<ListFileProblem>(&result)) {
    const QString reason = CoreMessage(problem->reason);
    Refuse(tr("打开材料清单"), problem->line == 0
                                  ? tr("无法打开 %1：%2\n当前清单没有改动。").arg(path, reason)
                                  : tr("无法打开 %1：第 %2 行：%3\n当前清单没有改动。").arg(path).arg(problem->line).arg(reason));
    return false;
  }
  auto& rows = std::get<std::vector<ListRow>>(result);
  const std::size_t count = rows.size();
  model_.list().Reset(std::move(rows));
  model_.list().MarkClean();
  path_ = path;
  emit listReplaced();
  emit fileChanged();
  emit status(tr("已打开 %1，%2 行（撤销可回到原来的清单）").arg(QFileInfo(path).fileName()).arg(count));
  return true;
}

bool ListFileActions::Save() { return path_.isEmpty() ? SaveAs() : SaveTo(path_); }

bool ListFileActions::SaveAs() {
  const QString chosen = AskSavePath(tr("另存为"), tr("材料清单 (*.csv)"), QStringLiteral("csv"));
  return !chosen.isEmpty() && SaveTo(chosen);
}

bool ListFileActions::SaveTo(const QString& path) {
  bool ok = false;
  const std::vector<ListRow> rows(model_.list().rows().begin(), model_.list().rows().end());
  const int decimals = model_.display().decimals;
  RunBusy(window_, tr("正在保存…"), [&] { ok = WriteListFile(FsPath(path), rows, decimals); });
  if (!ok) {
    Refuse(tr("保存材料清单"), tr("无法保存 %1。\n请检查文件夹是否存在、是否可写、磁盘是否已满。").arg(path));
    return false;
  }
  model_.list().MarkClean();
  path_ = path;
  emit fileChanged();
  emit status(tr("已保存 %1").arg(QFileInfo(path).fileName()));
  return true;
}

void ListFileActions::ExportXlsx() {
  const QString chosen = AskSavePath(tr("导出 Excel"), tr("Excel 工作簿 (*.xlsx)"), QStringLiteral("xlsx"));
  if (!chosen.isEmpty()) ExportXlsxTo(chosen);
}

bool ListFileActions::ExportXlsxTo(const QString& path) {
  const ListDocument doc = Document();
  std::optional<std::string> failure;
  RunBusy(window_, tr("正在导出 Excel…"), [&] { failure = WriteListXlsx(doc, FsPath(path), print::ShownXlsxTexts()); });
  if (failure) {
    Refuse(tr("导出 Excel"), tr("无法导出 %1：%2").arg(path, QString::fromStdString(*failure)));
    return false;
  }
  emit status(tr("已导出 %1").arg(QFileInfo(path).fileName()));
  return true;
}

void ListFileActions::ExportPdf() {
  const QString chosen = AskSavePath(tr("导出 PDF"), tr("PDF 文件 (*.pdf)"), QStringLiteral("pdf"));
  if (!chosen.isEmpty()) ExportPdfTo(chosen);
}

bool ListFileActions::ExportPdfTo(const QString& path) {
  const ListDocument doc = Document();
  std::optional<QString> failure;
  RunBusy(window_, tr("正在导出 PDF…"), [&] { failure = print::WriteListPdf(doc, path); });
  if (failure) {
    Refuse(tr("导出 PDF"), *failure);
    return false;
  }
  emit status(tr("已导出 %1").arg(QFileInfo(path).fileName()));
  return true;
}

void ListFileActions::Print() {
  QPrinter printer(QPrinter::HighResolution);
  print::SetUpPage(printer);
  printer.setDocName(path_.isEmpty() ? tr("材料清单") : QFileInfo(path_).completeBaseName());
  QPrintDialog dialog(&printer, window_);
  dialog.setWindowTitle(tr("打印材料清单"));
  if (dialog.exec() != QDialog::Accepted) return;
  const ListDocument doc = Document();
  int pages = 0;
  RunBusy(window_, tr("正在打印…"), [&] { pages = print::PrintList(doc, printer); });
  if (pages == 0) {
    Refuse(tr("打印材料清单"), tr("无法打印：打印机没有接受文档。"));
    return;
  }
  emit status(tr("已送出打印，共 %1 页").arg(pages));
}

}  // namespace zelvik::ui
