// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "list/list_document.h"
#include "list/spec_resolver.h"

class QWidget;

namespace zelvik::ui {

class ListTableModel;

// What the list window does with files: 新建, 打开, 保存, 另存为 (CSV), 导出 Excel, 导出 PDF
// and 打印. Each failure is said in a message box over the window; a file that cannot be
// read never replaces the list. 新建 and 打开 replace the list as one step that 撤销 takes
// back, so nothing is asked before them.
class ListFileActions : public QObject {
  Q_OBJECT

 public:
  // header: the 客户 and 工程 of the window, for the printout.
  ListFileActions(QWidget* window, ListTableModel& model, const SpecResolver& resolver,
                  std::function<ListDocumentHeader()> header);

  // The list file now being edited; empty for a list not saved to a file of its own.
  const QString& filePath() const { return path_; }

  void New();
  void Open();
  bool Save();
  bool SaveAs();
  void ExportXlsx();
  void ExportPdf();
  void Print();

  // Without their file dialogs.
  bool OpenFile(const QString& path);
  bool SaveTo(const QString& path);
  bool ExportXlsxTo(const QString& path);
  bool ExportPdfTo(const QString& path);

 signals:
  // The file being edited changed, or the list was saved to it.
  void fileChanged();
  // 新建 or 打开 replaced the rows.
  void listReplaced();
  void status(const QString& text);

 private:
  ListDocument Document() const;
  QString AskSavePath(const QString& caption, const QString& filter, const QString& suffix);
  void Refuse(const QString& caption, const QString& text);

  QWidget* window_;
  ListTableModel& model_;
  const SpecResolver& resolver_;
  std::function<ListDocumentHeader()> header_;
  QString path_;
  QString folder_;  // where the last file dialog ended, for this session only
};

}  // namespace zelvik::ui
