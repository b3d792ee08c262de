// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_pdf.h"

#include <QDate>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

#include "cut_print.h"
#include "list_print.h"

namespace zelvik::cli {

namespace {

// Qt's notes on its environment (no runtime folder and the like) are not for a script's
// standard error; its errors still are.
void QuietHandler(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg) fprintf(stderr, "zelvik-cli: %s\n", qPrintable(message));
}

// Fonts and painting need an application object, but no display.
std::optional<std::string> WithGui(const std::function<std::optional<QString>()>& write) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietHandler);
  int argc = 1;
  char name[] = "zelvik-cli";
  char* argv[] = {name, nullptr};
  const QGuiApplication app(argc, argv);
  if (const auto failed = write()) return failed->toStdString();
  return std::nullopt;
}

}  // namespace

bool PdfAvailable() { return true; }

std::optional<std::string> WriteListPdfFile(const ListDocument& doc, const std::string& path) {
  return WithGui([&] { return print::WriteListPdf(doc, QString::fromStdString(path)); });
}

std::optional<std::string> WriteCutPdfFile(const cutting::CutRequest& request, const cutting::CutPlan& plan,
                                           const std::string& spec, const std::string& path) {
  return WithGui([&] {
    print::CutSheet sheet{request, plan, QString()};
    if (!spec.empty()) sheet.spec = print::CutTexts::SpecText(QString::fromStdString(spec), request.unitWeight);
    return print::WriteCutPdf(sheet, QDate::currentDate().toString(Qt::ISODate), QString::fromStdString(path));
  });
}

}  // namespace zelvik::cli
