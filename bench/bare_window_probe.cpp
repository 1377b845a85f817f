// The reference: a bare Qt window program that shows one window and ends.
#include <QApplication>
#include <QWidget>

#include "bench/shown_mark.h"

int main(int, char** argv) {
  int argc = 1;
  char* args[] = {argv[0], nullptr};
  QApplication app(argc, args);
  QWidget w;
  w.resize(766, 610);
  w.show();
  QApplication::processEvents();
  PrintShownMark();
  return 0;
}
