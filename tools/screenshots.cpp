// Renders both windows with a sample database into PNG files, for looking at them.
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "tests/support/recording_messages.h"
#include "tests/support/sample_cards.h"
#include "ui/main_form.h"
#include "ui/read_form.h"
#include "ui/startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ApplyLook(app);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(out);

  QTemporaryDir dir;
  CardDatabase sample;
  sample.FilePath = dir.filePath(kDatabaseFileName).toStdString();
  MakeSampleDatabase(sample, 12, 31);
  sample.SaveDatabase();

  CardDatabase db;
  db.FilePath = sample.FilePath;
  RecordingMessages messages;
  TForm1 form(db, messages);
  form.show();
  QApplication::processEvents();
  form.grab().save(out + "/main-ko-page.png");
  form.PageControl2->setCurrentIndex(1);
  QApplication::processEvents();
  form.grab().save(out + "/main-uoo-page.png");

  TReadForm read(&form);
  KoConfigImage image = db.Card(3).Image;
  const uint8_t stamp[6] = {9, 12, 26, 14, 5, 7};
  std::memcpy(image.ProgStamp, stamp, 6);
  read.FillFromImage(image);
  read.show();
  QApplication::processEvents();
  read.grab().save(out + "/read-result.png");
  std::printf("written to %s\n", qPrintable(out));
  return 0;
}
