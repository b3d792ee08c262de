// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <thread>

namespace zelvik {
class CFtpGet;
}

namespace zelvik::ui {

// The update check of the about box on a worker thread of its own. The worker touches no
// window: its two questions are put on the interface thread, which it waits for. One check
// at a time; destroying the runner cancels a check under way and waits for it to end.
class CUpdateRunner : public QObject {
  Q_OBJECT

 public:
  using AskFn = std::function<bool(const QString&)>;
  using TellFn = std::function<void(const QString&)>;
  using StartFn = std::function<bool(const std::filesystem::path&)>;

  explicit CUpdateRunner(QObject* parent = nullptr);
  ~CUpdateRunner() override;

  // Opens the file-download page and starts a check; false, doing nothing, while one runs.
  bool Start();
  bool isRunning() const { return running_; }
  // Ends a check under way as soon as it can; its questions are answered "no".
  void Cancel();

  // The copy to update: by default this program's own folder and file name.
  void SetCopy(const std::filesystem::path& folder, const std::string& selfName);
  // Replace the message boxes (tests); called on the interface thread either way.
  void SetQuestionBoxes(AskFn ask, TellFn tell);
  // How the new program is started, on the interface thread: HandOver by the main window;
  // by default it is merely started.
  void SetStarter(StartFn start) { start_ = std::move(start); }

 signals:
  void runningChanged(bool running);
  // result 1: the new program was started.
  void finished(int result);

 private:
  class Questions;
  void Work();
  void Done(int result, const std::filesystem::path& program);

  std::filesystem::path folder_;
  std::string selfName_;
  AskFn ask_;
  TellFn tell_;
  StartFn start_;
  bool running_ = false;
  std::thread worker_;
  std::atomic<bool> cancelled_{false};
  std::mutex ftpMutex_;
  CFtpGet* ftp_ = nullptr;  // the worker's, while it runs
};

// The clean-up after an update, at the main window's start: ends and deletes the copy that
// downloaded this one. Blocks for up to about 2 s when it ends a process.
void CleanUpAfterUpdateAtStart();

}  // namespace zelvik::ui
