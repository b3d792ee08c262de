// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "pages/page_host.h"

namespace zelvik::ui::test {

// Stands in for the main window behind a weight page: settings and user-defined rows
// the test sets, and a record of what the page asked of the window.
class PageTestHost : public PageHost {
 public:
  const WeightSettings& Settings() const override { return settings; }
  const CustomRowSet& CustomRows() const override { return rows; }
  void SetPreview(const QString& text) override { previews.append(text); }
  void CollectWeight(const QString& resultText) override { collected.append(resultText); }

  // Appends a user-defined row of a kind (read by pages built afterwards).
  void AddRow(int kind, const QString& model, const QString& unitWeight, const QString& spec = {});

  QString lastPreview() const { return previews.isEmpty() ? QString() : previews.last(); }

  WeightSettings settings;
  CustomRowSet rows;
  QStringList previews;
  QStringList collected;
};

// Children are found within the page: identifiers repeat across the pages.
QLineEdit* Field(QWidget* page, const char* id);
QComboBox* List(QWidget* page, const char* id);
QString Text(QWidget* page, const char* id);

// Replaces a field's text by typing, as a user would (select all, then type).
void Type(QWidget* page, const char* id, const QString& text);
// Selects an item as a user would: the selection, then the list's activation.
void Choose(QWidget* page, const char* id, int index);
// Clicks a button (push or radio) with the mouse.
void Click(QWidget* page, const char* id);

}  // namespace zelvik::ui::test
