// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_pdf.h"

#include <QGuiApplication>

#include <cstdio>

#include "list_print.h"

namespace zelvik::cli {

namespace {

// Qt's notes on its environment (no runtime folder and the like) are not for a script's
// standard error; its errors still are.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "zelvik-cli: %s\n", qPrintable(message));
}

}  // namespace

bool PdfAvailable() { return true; }

std::optional<std::string> WriteListPdfFile(const ListDocument& doc, const std::string& path) {
  // Fonts and painting need an application object, but no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietHandler);
  int argc = 1;
  char name[] = "zelvik-cli";
  char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  if (const auto failed = print::WriteListPdf(doc, QString::fromStdString(path))) return failed->toStdString();
  return std::nullopt;
}

}  // namespace zelvik::cli
