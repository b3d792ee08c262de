// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>

#include <memory>
#include <optional>
#include <vector>

#include "cut_texts.h"
#include "tools/cutting_job.h"
#include "tools/tool_window.h"

class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QTimer;

namespace zelvik::ui {

class CEntryTable;
class CPlanView;
class CutRunner;
class PageHost;

// "下料优化": pieces and stock lengths in, the bars to buy and the cutting plan out, drawn for
// the saw, printed, saved as PDF and copied as text. The optimiser runs on a thread of its own
// and can be stopped; it then shows its best plan so far. Nothing is stored in the
// configuration file.
class CCuttingDlg : public CToolWindow, public CuttingJobTarget {
  Q_OBJECT

 public:
  // host: the density and the user's own sizes for the spec field; may be null (7.85, none).
  CCuttingDlg(QWidget* owner, const PageHost* host);
  ~CCuttingDlg() override;

  // The pieces of the job replace those in the table, and the plan is computed at once.
  void LoadJob(const CuttingJob& job) override;

  // "计算": reads the fields, and starts the optimiser unless something cannot be read.
  void Compute();
  // "停止": the optimiser ends with its best plan so far.
  void Stop();
  bool computing() const;

  // The plan shown, null while there is none.
  const print::CutSheet* sheet() const { return sheet_.get(); }
  int patternCount() const;

  void CopyPlan() const;
  void PrintPlan();
  void ExportPdf();
  // The reason when the file cannot be written.
  std::optional<QString> WritePdf(const QString& path) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* BuildInputs();
  QWidget* BuildPlan();
  void ShowSpecReading();
  // The spec's canonical text and unit weight (kg/m); false with the reason in the note when
  // the text is not a spec cut by length.
  bool ReadSpec(QString* canonical, double* unitWeight) const;
  double Density() const;

  void OnProgress(const cutting::CutProgress& progress);
  void OnFinished(const cutting::CutPlan& plan);
  void OnFailed(cutting::CutErrorKind kind, int index, const QString& detail);
  void ShowPlan(std::shared_ptr<const print::CutSheet> sheet);
  void ShowStatus(const QString& text, bool problem);
  void SetRunning(bool running);

  const PageHost* host_;
  std::optional<double> jobDensity_;

  QLineEdit* spec_ = nullptr;
  QLabel* specNote_ = nullptr;
  CEntryTable* pieces_ = nullptr;
  CEntryTable* stocks_ = nullptr;
  QDoubleSpinBox* kerf_ = nullptr;
  QDoubleSpinBox* trim_ = nullptr;
  QDoubleSpinBox* keep_ = nullptr;
  QDoubleSpinBox* limit_ = nullptr;
  QPushButton* compute_ = nullptr;
  QPushButton* stop_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QLabel* status_ = nullptr;
  QLabel* summary_ = nullptr;
  QScrollArea* scroll_ = nullptr;
  CPlanView* view_ = nullptr;
  QPushButton* copy_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* pdf_ = nullptr;

  // The job being computed, and the plan shown with what it was asked for.
  std::shared_ptr<print::CutSheet> pending_;
  std::vector<int> pendingRows_;  // the pieces table's row of each piece of the request
  std::shared_ptr<const print::CutSheet> sheet_;
  QElapsedTimer clock_;
  QTimer* tick_ = nullptr;  // moves the progress bar while the optimiser works
  long long limitMs_ = 1;
  bool fitted_ = false;  // to the screen, at the first show
  QString pdfFolder_;
  CutRunner* runner_ = nullptr;
};

}  // namespace zelvik::ui
