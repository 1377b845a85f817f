#include "store/card_database.h"

#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <string>
#include <system_error>

#include "store/ole_date.h"

bool HasCard(const CardRecord& card) { return !DateNone(card.LastChange); }
bool HasUooData(const UooRecord& entry) { return !DateNone(entry.UooLastChange); }

CardDatabase::CardDatabase()
    // every record starts as all zero bytes: no card in any slot
    : Cards(new (AllocateZeroedTable(sizeof(CardTable))) CardTable),
      WriteChunk([](QSaveFile& f, const char* data, qint64 size) { return f.write(data, size); }) {}

namespace {

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};
using FileHandle = std::unique_ptr<std::FILE, FileCloser>;

std::FILE* OpenForReading(const std::filesystem::path& path) {
#ifdef _WIN32
  return _wfopen(path.c_str(), L"rb");
#else
  return std::fopen(path.c_str(), "rb");
#endif
}

}  // namespace

bool CardDatabase::LoadDatabase() {
  std::error_code ec;
  if (!std::filesystem::exists(FilePath, ec)) return false;

  // A directory opens on some systems but can never be read as the table.
  FileHandle file(std::filesystem::is_directory(FilePath, ec) ? nullptr
                                                               : OpenForReading(FilePath));
  if (!file) {
    const int err = std::filesystem::is_directory(FilePath, ec) ? EISDIR : errno;
    throw std::runtime_error("Не удалось открыть файл базы данных \"" + FilePath.string() +
                             "\" для чтения: " + std::strerror(err));
  }
  std::setvbuf(file.get(), nullptr, _IONBF, 0);  // the reads go straight into the table

  if (std::fseek(file.get(), 0, SEEK_END) != 0) return false;
  const long size = std::ftell(file.get());
  if (size < 0 || std::fseek(file.get(), 0, SEEK_SET) != 0) return false;
  // Unsigned 32-bit as the format always had it: sizes 1 to 247 wrap and fail too.
  const uint32_t size32 = static_cast<uint32_t>(size);
  if (size32 == 0 || (size32 - uint32_t(sizeof(KoConfigImage))) % sizeof(CardRecord) != 0)
    return false;

  // The slots lie back to back, so one read fills them in slot order; a short file leaves
  // the bytes it had at the start of the first incomplete slot and later slots empty.
  const std::size_t tableBytes = sizeof(CardRecord) * kCardSlots;
  if (std::fread(Cards->data(), 1, tableBytes, file.get()) != tableBytes) return false;
  return std::fread(&TemplateImage, 1, sizeof TemplateImage, file.get()) == sizeof TemplateImage;
}

bool CardDatabase::SaveDatabase() {
  // A temporary file beside the database, synced and then renamed over it: the old file
  // survives any failure byte for byte.
  QSaveFile file(QString::fromStdU16String(FilePath.u16string()));
  bool ok = file.open(QIODevice::WriteOnly);
  const auto put = [&](const void* data, qint64 size) {
    ok = ok && WriteChunk(file, static_cast<const char*>(data), size) == size;
  };
  put(Cards->data(), qint64(sizeof(CardRecord) * kCardSlots));
  put(&TemplateImage, qint64(sizeof TemplateImage));
  if (ok) ok = file.commit();
  if (!ok) {
    file.cancelWriting();
    if (Messages)
      Messages->Show(QStringLiteral("Ошибка"), QStringLiteral("Ошибка записи на диск"),
                     MessageButtons::Ok);
  }
  return ok;
}

void CardDatabase::StampSlotCodes() {
  for (int slot = 0; slot < kCardSlots; ++slot) Card(slot).Image.KoCode = SlotCode(slot);
}
