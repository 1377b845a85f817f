// Starts the real program path on the database in the working directory and ends as soon as
// the main window has been shown once.
#include <QApplication>

#include "bench/shown_mark.h"
#include "store/card_database.h"
#include "tests/support/recording_messages.h"
#include "ui/main_form.h"
#include "ui/startup.h"

int main(int, char** argv) {
  static CardDatabase db;
  int argc = 1;
  char* args[] = {argv[0], nullptr};
  QApplication app(argc, args);
  ApplyLook(app);
  RecordingMessages messages;
  return RunProgram(db, messages, [](TForm1&, TReadForm&) {
    QApplication::processEvents();
    PrintShownMark();
    return 0;
  });
}
