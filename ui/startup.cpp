#include "ui/startup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLockFile>
#include <QTranslator>
#include <exception>
#include <memory>

#include "store/card_database.h"
#include "ui/main_form.h"
#include "ui/read_form.h"

void ApplyLook(QApplication& app) {
  auto* qtTexts = new QTranslator(&app);
  if (qtTexts->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                    QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtTexts);
  QFont font = QApplication::font();
  font.setPixelSize(11);
  QApplication::setFont(font);
}

std::filesystem::path LockPathFor(const std::filesystem::path& database) {
  std::filesystem::path p = database;
  p += ".lock";
  return p;
}

int RunProgram(CardDatabase& db, MessageSink& messages,
               const std::function<int(TForm1&, TReadForm&)>& loop) {
  // Two copies on one working directory would overwrite each other's cards. A lock left by a
  // copy that no longer runs is taken over.
  QLockFile lock(QString::fromStdU16String(LockPathFor(db.FilePath).u16string()));
  lock.setStaleLockTime(0);
  if (!lock.tryLock(0)) {
    messages.Show(QStringLiteral("Внимание"), QString::fromUtf8(kAlreadyRunningText),
                  MessageButtons::Ok);
    return 1;
  }
  db.Messages = &messages;
  try {
    TForm1 form(db, messages);
    TReadForm readForm(&form);
    form.show();
    return loop(form, readForm);
  } catch (const std::exception& e) {
    messages.Show(QStringLiteral("Ошибка"), QString::fromUtf8(e.what()), MessageButtons::Ok);
  } catch (...) {
    messages.Show(QStringLiteral("Ошибка"), QString(), MessageButtons::Ok);
  }
  db.Messages = nullptr;
  return 1;
}
