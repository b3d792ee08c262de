// SPDX-License-Identifier: GPL-3.0-or-later
#include "online/update_runner.h"

#include "common/display_text.h"
#include "common/message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>
#include <QUrl>
#include <chrono>
#include <future>
#include <iostream>

#include "platform/autostart.h"
#include "platform/ftp_get.h"
#include "platform/processes.h"
#include "platform/update_crypto.h"
#include "product.h"
#include "update/list_file.h"
#include "update/update_check.h"

namespace zelvik::ui {

namespace fs = std::filesystem;

namespace {

constexpr const char kTitle[] = "Zelvik";

bool AskWithBox(const QString& text) {
  QMessageBox box(QMessageBox::Question, QString::fromLatin1(kTitle), text, QMessageBox::Yes | QMessageBox::No);
  box.button(QMessageBox::Yes)->setText(YesText());
  box.button(QMessageBox::No)->setText(NoText());
  FitCaption(&box);
  return box.exec() == QMessageBox::Yes;
}

void TellWithBox(const QString& text) {
  QMessageBox box(QMessageBox::Information, QString::fromLatin1(kTitle), text, QMessageBox::Ok);
  box.button(QMessageBox::Ok)->setText(OkText());
  FitCaption(&box);
  box.exec();
}

// This program's folder and file name.
std::pair<fs::path, std::string> OwnCopy() {
  const fs::path exe(QFile::encodeName(QCoreApplication::applicationFilePath()).toStdString());
  return {exe.parent_path(), exe.filename().string()};
}

}  // namespace

// The questions, asked from the worker: posted to the interface thread, whose answer the
// worker waits for, giving up when the check is cancelled.
class CUpdateRunner::Questions : public update::Questions {
 public:
  explicit Questions(CUpdateRunner* runner) : runner_(runner) {}

  bool AskYesNo(const std::string& text) override {
    auto answer = std::make_shared<std::promise<bool>>();
    std::future<bool> result = answer->get_future();
    const QString q = CoreText(text);
    AskFn ask = runner_->ask_;
    QMetaObject::invokeMethod(runner_, [answer, q, ask] { answer->set_value(ask(q)); }, Qt::QueuedConnection);
    return Wait(result, false);
  }

  void Tell(const std::string& text) override {
    auto told = std::make_shared<std::promise<bool>>();
    std::future<bool> result = told->get_future();
    const QString q = CoreText(text);
    TellFn tell = runner_->tell_;
    QMetaObject::invokeMethod(runner_, [told, q, tell] {
      tell(q);
      told->set_value(true);
    }, Qt::QueuedConnection);
    Wait(result, false);
  }

 private:
  bool Wait(std::future<bool>& result, bool ifCancelled) {
    while (result.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
      if (runner_->cancelled_) return ifCancelled;
    }
    return result.get();
  }

  CUpdateRunner* runner_;
};

CUpdateRunner::CUpdateRunner(QObject* parent)
    : QObject(parent), ask_(&AskWithBox), tell_(&TellWithBox), start_([](const fs::path& program) {
        PosixProcesses processes;
        return processes.Start(program);
      }) {
  std::tie(folder_, selfName_) = OwnCopy();
}

CUpdateRunner::~CUpdateRunner() {
  Cancel();
  if (worker_.joinable()) worker_.join();
}

void CUpdateRunner::SetCopy(const fs::path& folder, const std::string& selfName) {
  folder_ = folder;
  selfName_ = selfName;
}

void CUpdateRunner::SetQuestionBoxes(AskFn ask, TellFn tell) {
  ask_ = std::move(ask);
  tell_ = std::move(tell);
}

bool CUpdateRunner::Start() {
  if (running_) return false;
  QDesktopServices::openUrl(QUrl(QString::fromLatin1(product::kDownloadPage)));
  if (worker_.joinable()) worker_.join();
  cancelled_ = false;
  running_ = true;
  emit runningChanged(true);
  worker_ = std::thread(&CUpdateRunner::Work, this);
  return true;
}

void CUpdateRunner::Cancel() {
  cancelled_ = true;
  std::lock_guard<std::mutex> lock(ftpMutex_);
  if (ftp_ != nullptr) ftp_->Cancel();
}

void CUpdateRunner::Work() {
  update::UpdateContext ctx{folder_, selfName_, product::RunningVersion(), product::UpdateServer(), &std::cerr};
  CFtpGet ftp;
  {
    std::lock_guard<std::mutex> lock(ftpMutex_);
    ftp_ = &ftp;
    if (cancelled_) ftp.Cancel();
  }
  update::Files files;
  const std::unique_ptr<update::Crypto> crypto = MakeReleaseCrypto(&std::cerr);
  Questions questions(this);
  update::CheckResult r = update::CheckForUpdate(ctx, ftp, files, *crypto, questions);
  {
    std::lock_guard<std::mutex> lock(ftpMutex_);
    ftp_ = nullptr;
  }
  fs::path program;
  if (r.result == 1 && !cancelled_) {
    // The program the list names, as the list now in the folder says.
    update::CIniFile list;
    std::string upexe;
    if (list.OpenIniFile(folder_ / product::kListFileName)) upexe = list.GetValue("upexe", "upexe").value_or("");
    list.CloseIniFile();
    if (!upexe.empty()) program = folder_ / upexe;
  }
  const int result = cancelled_ ? 0 : r.result;
  QMetaObject::invokeMethod(this, [this, result, program] { Done(result, program); }, Qt::QueuedConnection);
}

// The new program starts from the interface thread, which owns the marker it must release
// first.
void CUpdateRunner::Done(int result, const fs::path& program) {
  if (worker_.joinable()) worker_.join();
  if (result == 1 && (program.empty() || !start_(program))) {
    std::cerr << "zelvik: update: cannot start " << program.string() << "\n";
    result = 0;
  }
  running_ = false;
  emit runningChanged(false);
  emit finished(result);
}

void CleanUpAfterUpdateAtStart() {
  const auto [folder, self] = OwnCopy();
  update::UpdateContext ctx{folder, self, product::RunningVersion(), "", &std::cerr};
  update::Files files;
  PosixProcesses processes;
  const update::CleanUpOutcome out = update::CleanUpAfterUpdate(ctx, files, processes);
  // A session that started the old copy starts this one from now on.
  if (out.result == update::CleanUpResult::kCleaned) XdgAutostart().Retarget(folder / out.oldexe, folder / self);
}

}  // namespace zelvik::ui
