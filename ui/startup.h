// The program's start: lock the database, build both windows, run, show what escapes.
#pragma once

#include <QString>
#include <filesystem>
#include <functional>

class CardDatabase;
class MessageSink;
class QApplication;
class TForm1;
class TReadForm;

inline constexpr const char* kAlreadyRunningText =
    "Программа уже запущена с этой базой данных.\nЗакройте другую копию программы.";

// Russian texts of Qt's own dialogs and edit menus, and the window font.
void ApplyLook(QApplication& app);

// The lock beside the database file that keeps a second copy of the program away from it.
std::filesystem::path LockPathFor(const std::filesystem::path& database);

// Runs the whole program with the given database and message seam; `loop` stands for the
// message loop (the application's exec() in the program). Returns the exit status.
int RunProgram(CardDatabase& db, MessageSink& messages,
               const std::function<int(TForm1&, TReadForm&)>& loop);
