// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/save_failure.h"

#include <QFile>

#include "common/message_box.h"

namespace zelvik::ui {

QString SaveFailure::Text(const std::filesystem::path& file) {
  return tr("无法保存到配置文件：%1").arg(QFile::decodeName(file.c_str()));
}

void SaveFailure::Tell(QWidget* parent, const std::filesystem::path& file) {
  ShowNotice(parent, tr("提示"), Text(file));
}

}  // namespace zelvik::ui
