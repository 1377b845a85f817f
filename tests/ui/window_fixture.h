// A main window over a database file built in the test, with recorded messages.
#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QTemporaryDir>
#include <filesystem>
#include <memory>

#include "tests/support/database_files.h"
#include "tests/support/qt_printers.h"
#include "tests/ui/widget_state.h"
#include "tests/support/recording_messages.h"
#include "tests/support/sample_cards.h"
#include "ui/main_form.h"
#include "ui/widgets.h"

class WindowTest : public testing::Test {
 protected:
  QTemporaryDir dir;
  std::filesystem::path file;
  CardDatabase db;
  RecordingMessages messages;
  std::unique_ptr<TForm1> form;

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = std::filesystem::path(dir.path().toStdString()) / kDatabaseFileName;
    db.FilePath = file;
    db.Messages = &messages;
  }

  // Writes `content` as the database file (the table of `content` itself is what lands).
  void WriteDatabase(CardDatabase& content) {
    content.FilePath = file;
    ASSERT_TRUE(content.SaveDatabase());
  }

  void Open() {
    form = std::make_unique<TForm1>(db, messages);
    form->show();
  }

  template <typename T = LimitedEdit>
  T* W(const char* name) {
    T* w = form->findChild<T*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  QString Text(const char* name) { return W<LimitedEdit>(name)->text(); }
  void ClickRow(int row);   // grid row as the card list numbers it (1 = slot 0)
  void ClickUooTab(int index);
};
