// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/page_test_host.h"

#include <QAbstractButton>
#include <QTest>

namespace zelvik::ui::test {

void PageTestHost::AddRow(int kind, const QString& model, const QString& unitWeight, const QString& spec) {
  const CustomKind& k = kCustomKinds[static_cast<size_t>(kind)];
  rows[static_cast<size_t>(kind)].push_back(
      CustomRow{kind, k.typeName, model.toStdString(), spec.toStdString(), unitWeight.toStdString()});
}

QLineEdit* Field(QWidget* page, const char* id) {
  auto* field = page->findChild<QLineEdit*>(QString::fromUtf8(id));
  if (!field) qFatal("no field %s", id);
  return field;
}

QComboBox* List(QWidget* page, const char* id) {
  auto* list = page->findChild<QComboBox*>(QString::fromUtf8(id));
  if (!list) qFatal("no list %s", id);
  return list;
}

QString Text(QWidget* page, const char* id) { return Field(page, id)->text(); }

void Type(QWidget* page, const char* id, const QString& text) {
  QLineEdit* field = Field(page, id);
  field->setFocus();
  field->selectAll();
  if (text.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
  } else {
    QTest::keyClicks(field, text);
  }
}

void Choose(QWidget* page, const char* id, int index) {
  QComboBox* list = List(page, id);
  list->setCurrentIndex(index);
  emit list->activated(index);
}

void Click(QWidget* page, const char* id) {
  auto* button = page->findChild<QAbstractButton*>(QString::fromUtf8(id));
  if (!button) qFatal("no button %s", id);
  QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace zelvik::ui::test
