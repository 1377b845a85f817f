#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget w;
  w.setWindowTitle(QStringLiteral("Утилита программирования KО R и УОО 3ZU (Версия 1.13)"));
  w.show();
  return app.exec();
}
