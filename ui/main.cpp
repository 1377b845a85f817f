#include <QApplication>

#include "store/card_database.h"
#include "ui/main_form.h"
#include "ui/qt_messages.h"
#include "ui/startup.h"

int main(int, char** argv) {
  static CardDatabase db;  // the card table exists before the windows
  // The program takes no arguments: not even Qt's own options reach the application.
  int argc = 1;
  char* args[] = {argv[0], nullptr};
  QApplication app(argc, args);
  ApplyLook(app);
  QtMessageBox messages;
  return RunProgram(db, messages, [&](TForm1& form, TReadForm&) {
    messages.SetOwner(&form);
    const int status = QApplication::exec();
    messages.SetOwner(nullptr);
    return status;
  });
}
