// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace zelvik {

// Starting the program with the user's desktop session.
class AutostartControl {
 public:
  virtual ~AutostartControl() = default;
  // Arranges for the executable to start with the session; false when that failed (the
  // reason is on stderr).
  virtual bool Enable(const std::filesystem::path& executable) = 0;
  // Undoes Enable; true when nothing is left to start.
  virtual bool Disable() = 0;
};

// $XDG_CONFIG_HOME/autostart/Zelvik.desktop (by default ~/.config/autostart/); empty when
// there is no home folder.
std::filesystem::path DefaultAutostartEntryPath();

// The Exec value that starts exactly this file: the path in double quotes with the quote,
// backtick, dollar and backslash escaped and % doubled, then escaped as a desktop-entry string. nullopt for a path that is not
// UTF-8, which a desktop entry cannot hold.
std::optional<std::string> DesktopExecValue(std::string_view path);

// The whole entry: Type=Application, Name=Zelvik, Exec=….
std::optional<std::string> AutostartEntryText(std::string_view executable);

// A per-user XDG autostart entry, the desktop's counterpart of a "Run" key.
class XdgAutostart : public AutostartControl {
 public:
  explicit XdgAutostart(std::filesystem::path entry = DefaultAutostartEntryPath());

  const std::filesystem::path& entry() const { return entry_; }

  // Writes the entry (through a temporary file renamed into place), creating the folder.
  bool Enable(const std::filesystem::path& executable) override;
  bool Disable() override;

  // After an update: an entry that starts exactly `from` is made to start `to`; another
  // entry, or none, stays as it is. False when it named `from` and could not be rewritten.
  bool Retarget(const std::filesystem::path& from, const std::filesystem::path& to);

 private:
  std::filesystem::path entry_;
};

}  // namespace zelvik
