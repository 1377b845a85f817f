// The process-wide table of 1000 cards and the template, persisted whole in one file.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "store/card_record.h"
#include "store/message_sink.h"
#include "store/table_memory.h"

inline constexpr int kCardSlots = 1000;
inline constexpr const char* kDatabaseFileName = "ProgrammInfo.RUTA";
inline constexpr uint32_t kFirstSlotCode = 32000;
inline constexpr uint32_t kSlotCodeStep = 32;
inline constexpr std::size_t kDatabaseFileSize =
    kCardSlots * sizeof(CardRecord) + sizeof(KoConfigImage);

inline uint32_t SlotCode(int slot) { return kFirstSlotCode + kSlotCodeStep * uint32_t(slot); }
// The code of UOO entry n (0..30) of a card; shown and searched, never stored.
inline uint32_t UooCode(uint32_t koCode, int entry) { return koCode + uint32_t(entry) + 1; }

bool HasCard(const CardRecord& card);
bool HasUooData(const UooRecord& entry);

class QSaveFile;

class CardDatabase {
 public:
  // The table is large; keep it in one contiguous block on the heap.
  using CardTable = std::array<CardRecord, kCardSlots>;
  std::unique_ptr<CardTable, ZeroedTableDeleter<CardTable>> Cards;
  KoConfigImage TemplateImage{};
  bool DatabaseChanged = false;
  int CurrentCard = -1;
  int CurrentUooSlot = 0;

  // Relative to the working directory of each load and save, as the program always used it.
  std::filesystem::path FilePath = kDatabaseFileName;
  MessageSink* Messages = nullptr;
  // Seam for tests: every write of a save goes through it.
  std::function<qint64(QSaveFile&, const char*, qint64)> WriteChunk;

  CardDatabase();
  CardRecord& Card(int slot) { return (*Cards)[std::size_t(slot)]; }
  const CardRecord& Card(int slot) const { return (*Cards)[std::size_t(slot)]; }

  // True when every slot and the template were read. A file that exists but cannot be
  // opened throws std::runtime_error.
  bool LoadDatabase();
  // True when the whole file was written; otherwise the old file stays as it was and the
  // operator is told "Ошибка записи на диск".
  bool SaveDatabase();
  // Every slot gets its position-derived code, empty slots too.
  void StampSlotCodes();
};
