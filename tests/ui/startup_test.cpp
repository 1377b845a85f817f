#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QSysInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/support/database_files.h"
#include "tests/support/recording_messages.h"
#include "ui/main_form.h"
#include "ui/qt_messages.h"
#include "ui/read_form.h"
#include "ui/startup.h"

namespace fs = std::filesystem;

namespace {

class StartupTest : public testing::Test {
 protected:
  QTemporaryDir dir;
  CardDatabase db;
  RecordingMessages messages;
  fs::path file;
  void SetUp() override {
    file = fs::path(dir.path().toStdString()) / kDatabaseFileName;
    db.FilePath = file;
  }
};

TEST_F(StartupTest, RunsBothWindowsAndReturnsTheLoopStatus) {
  bool ran = false;
  const int status = RunProgram(db, messages, [&](TForm1& form, TReadForm& read) {
    ran = true;
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(read.isVisible());
    EXPECT_EQ(db.CurrentCard, 0);
    EXPECT_TRUE(fs::exists(LockPathFor(file)));
    return 0;
  });
  EXPECT_TRUE(ran);
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(messages.Shown.empty());
  EXPECT_FALSE(fs::exists(LockPathFor(file))) << "the lock goes with the program";
}

TEST_F(StartupTest, UnreadableFileIsShownAndTheProgramEndsWithAnError) {
  fs::create_directory(file);
  bool ran = false;
  const int status = RunProgram(db, messages, [&](TForm1&, TReadForm&) {
    ran = true;
    return 0;
  });
  EXPECT_FALSE(ran);
  EXPECT_NE(status, 0);
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Caption, "Ошибка");
  EXPECT_TRUE(messages.Shown[0].Text.contains(kDatabaseFileName)) << messages.Shown[0].Text.toStdString();
}

TEST_F(StartupTest, SecondCopyRefusesWithoutTouchingTheFile) {
  WriteAll(file, PatternBytes(kDatabaseFileSize));
  const auto before = ReadAll(file);
  RunProgram(db, messages, [&](TForm1&, TReadForm&) {
    CardDatabase second;
    second.FilePath = file;
    RecordingMessages secondMessages;
    bool ran = false;
    const int status = RunProgram(second, secondMessages, [&](TForm1&, TReadForm&) {
      ran = true;
      return 0;
    });
    EXPECT_FALSE(ran);
    EXPECT_NE(status, 0);
    EXPECT_EQ(second.Card(0).Image.Gateway1[0], 0) << "the second copy read nothing";
    EXPECT_EQ(secondMessages.Shown.size(), 1u);
    if (!secondMessages.Shown.empty()) {
      EXPECT_EQ(secondMessages.Shown[0].Caption, "Внимание");
      EXPECT_EQ(secondMessages.Shown[0].Text,
                "Программа уже запущена с этой базой данных.\nЗакройте другую копию программы.");
    }
    return 0;
  });
  EXPECT_TRUE(ReadAll(file) == before);
}

TEST_F(StartupTest, StaleLockOfAFinishedCopyIsTakenOver) {
  // A lock as a crashed copy leaves it: a process id that no longer runs, on this host.
  QFile lock(QString::fromStdString(LockPathFor(file).string()));
  ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
  lock.write(QByteArray::number(0x3FFFFFF) + "\nruta\n" + QSysInfo::machineHostName().toUtf8() + "\n");
  lock.close();
  bool ran = false;
  RunProgram(db, messages, [&](TForm1&, TReadForm&) {
    ran = true;
    return 0;
  });
  EXPECT_TRUE(ran);
  EXPECT_TRUE(messages.Shown.empty());
}

TEST(QtMessageBoxTest, ShowsCaptionTextAndRussianButtonsWithoutIcon) {
  QWidget owner;
  QtMessageBox box(&owner);
  MessageAnswer answer = MessageAnswer::Ok;
  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->windowTitle(), "Внимание");
    EXPECT_EQ(shown->text(), "Все изменения будут утеряны.\nОтменить редактирование?");
    EXPECT_EQ(shown->icon(), QMessageBox::NoIcon);
    QStringList captions;
    QPushButton* yes = nullptr;
    for (QAbstractButton* b : shown->buttons()) {
      captions << b->text();
      if (b->text() == "Да") yes = qobject_cast<QPushButton*>(b);
    }
    captions.sort();
    EXPECT_EQ(captions, (QStringList{"Да", "Нет"}));
    ASSERT_NE(yes, nullptr);
    yes->click();
  });
  answer = box.Show("Внимание", "Все изменения будут утеряны.\nОтменить редактирование?",
                    MessageButtons::YesNo);
  EXPECT_EQ(answer, MessageAnswer::Yes);

  QTimer::singleShot(0, [&] {
    auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(shown, nullptr);
    ASSERT_EQ(shown->buttons().size(), 1);
    EXPECT_EQ(shown->buttons()[0]->text(), "OK");
    shown->buttons()[0]->click();
  });
  EXPECT_EQ(box.Show("Ошибка", "Ошибка записи на диск", MessageButtons::Ok), MessageAnswer::Ok);
}

}  // namespace
