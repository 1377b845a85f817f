#include <gtest/gtest.h>
#include <unistd.h>

#include <QSaveFile>
#include <QTemporaryDir>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "tests/support/database_files.h"
#include "tests/support/recording_messages.h"

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kRecord = sizeof(CardRecord);
constexpr std::size_t kTemplate = sizeof(KoConfigImage);

class DatabaseFile : public testing::Test {
 protected:
  QTemporaryDir dir;
  RecordingMessages messages;
  CardDatabase db;
  fs::path file;

  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    file = fs::path(dir.path().toStdString()) / kDatabaseFileName;
    db.FilePath = file;
    db.Messages = &messages;
  }

  const uint8_t* SlotBytes(int slot) { return reinterpret_cast<const uint8_t*>(&db.Card(slot)); }
  bool SlotIsZero(int slot) {
    for (std::size_t i = 0; i < kRecord; ++i)
      if (SlotBytes(slot)[i] != 0) return false;
    return true;
  }
  bool TemplateIsZero() {
    const auto* t = reinterpret_cast<const uint8_t*>(&db.TemplateImage);
    for (std::size_t i = 0; i < kTemplate; ++i)
      if (t[i]) return false;
    return true;
  }
  void ExpectNoStrayFiles() {
    for (const auto& e : fs::directory_iterator(file.parent_path()))
      EXPECT_EQ(e.path().filename(), kDatabaseFileName) << "left behind: " << e.path();
  }
};

TEST_F(DatabaseFile, MissingFileLeavesEmptyTableAndFirstSaveCreatesFullFile) {
  EXPECT_FALSE(db.LoadDatabase());
  EXPECT_TRUE(SlotIsZero(0));
  EXPECT_TRUE(SlotIsZero(999));
  EXPECT_TRUE(TemplateIsZero());
  db.StampSlotCodes();
  EXPECT_EQ(db.Card(0).Image.KoCode, 32000u);
  EXPECT_EQ(db.Card(999).Image.KoCode, 63968u);
  ASSERT_TRUE(db.SaveDatabase());
  EXPECT_EQ(fs::file_size(file), 9'328'248u);
  EXPECT_TRUE(messages.Shown.empty());
  ExpectNoStrayFiles();
}

TEST_F(DatabaseFile, SizeTestRejectsWithoutTouchingTheTable) {
  for (std::size_t size : {std::size_t(0), std::size_t(1), std::size_t(247), std::size_t(249),
                           kTemplate + kRecord - 1, kTemplate + kRecord + 1,
                           kDatabaseFileSize + 5}) {
    WriteAll(file, PatternBytes(size));
    CardDatabase fresh;
    fresh.FilePath = file;
    EXPECT_FALSE(fresh.LoadDatabase()) << size;
    const auto* b = reinterpret_cast<const uint8_t*>(&fresh.Card(0));
    EXPECT_EQ(std::count(b, b + kRecord, 0), long(kRecord)) << size;
  }
}

TEST_F(DatabaseFile, FileOfExactlyTheTemplateSizeLandsInSlotZeroWhichStaysEmpty) {
  const auto bytes = PatternBytes(kTemplate, 3);
  WriteAll(file, bytes);
  EXPECT_FALSE(db.LoadDatabase());
  EXPECT_EQ(std::memcmp(SlotBytes(0), bytes.data(), kTemplate), 0);
  EXPECT_FALSE(HasCard(db.Card(0)));
  EXPECT_TRUE(TemplateIsZero());
}

TEST_F(DatabaseFile, ShortFile500RecordsFillsThoseAndSpillsTheTrailerIntoTheNext) {
  auto bytes = PatternBytes(kTemplate + 500 * kRecord, 5);
  for (int s = 0; s < 500; ++s) {  // every record holds a card
    double one = 100.0 + s;
    std::memcpy(&bytes[s * kRecord + offsetof(CardRecord, LastChange)], &one, sizeof one);
  }
  WriteAll(file, bytes);
  EXPECT_FALSE(db.LoadDatabase());
  EXPECT_EQ(std::memcmp(SlotBytes(0), bytes.data(), 500 * kRecord), 0);
  EXPECT_TRUE(HasCard(db.Card(499)));
  EXPECT_EQ(std::memcmp(SlotBytes(500), bytes.data() + 500 * kRecord, kTemplate), 0);
  EXPECT_FALSE(HasCard(db.Card(500)));
  EXPECT_TRUE(SlotIsZero(501));
  EXPECT_TRUE(SlotIsZero(999));
  EXPECT_TRUE(TemplateIsZero());
}

TEST_F(DatabaseFile, OversizedFileLoadsFirst1000RecordsAndTakesTheNext248AsTemplate) {
  const auto bytes = PatternBytes(kTemplate + 1002 * kRecord, 9);
  WriteAll(file, bytes);
  EXPECT_TRUE(db.LoadDatabase());
  EXPECT_EQ(std::memcmp(SlotBytes(999), bytes.data() + 999 * kRecord, kRecord), 0);
  EXPECT_EQ(std::memcmp(&db.TemplateImage, bytes.data() + 1000 * kRecord, kTemplate), 0);
}

TEST_F(DatabaseFile, LoadThenSaveKeepsEveryByteButTheSlotCodes) {
  const auto original = RandomBytes(kDatabaseFileSize, 42);
  WriteAll(file, original);
  ASSERT_TRUE(db.LoadDatabase());
  db.StampSlotCodes();
  ASSERT_TRUE(db.SaveDatabase());
  const auto saved = ReadAll(file);
  ASSERT_EQ(saved.size(), original.size());
  for (std::size_t i = 0; i < saved.size(); ++i) {
    const std::size_t inRecord = i % kRecord;
    const bool codeByte = i < kCardSlots * kRecord && inRecord >= 239 && inRecord < 243;
    if (!codeByte) {
      ASSERT_EQ(saved[i], original[i]) << "byte " << i;
    }
  }
  uint32_t code;
  std::memcpy(&code, &saved[7 * kRecord + 239], 4);
  EXPECT_EQ(code, 32000u + 32 * 7);
}

TEST_F(DatabaseFile, DamagedDatesCountAsEmptySlots) {
  CardRecord& c = db.Card(3);
  c.LastChange = std::nan("");
  EXPECT_FALSE(HasCard(c));
  c.Uoo[2].UooLastChange = -std::numeric_limits<double>::infinity();
  EXPECT_FALSE(HasUooData(c.Uoo[2]));
  c.LastChange = 0.0005;
  EXPECT_FALSE(HasCard(c));
  c.LastChange = 0.001;
  EXPECT_TRUE(HasCard(c));
  EXPECT_EQ(UooCode(SlotCode(2), 4), 32069u);
}

TEST_F(DatabaseFile, FileThatCannotBeOpenedEscapesWithAClearError) {
  fs::create_directory(file);  // exists, but is no file that can be read
  try {
    db.LoadDatabase();
    FAIL() << "expected an error";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find(kDatabaseFileName), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("для чтения"), std::string::npos) << e.what();
  }
}

class FailingSave : public DatabaseFile {
 protected:
  std::vector<uint8_t> before;
  void SetUp() override {
    DatabaseFile::SetUp();
    before = RandomBytes(kDatabaseFileSize, 7);
    WriteAll(file, before);
    ASSERT_TRUE(db.LoadDatabase());
    db.Card(0).LastChange = 12345.0;  // an edit that must not reach the disk half-written
  }
  void ExpectFailureReportedAndOldFileKept() {
    ASSERT_EQ(messages.Shown.size(), 1u);
    EXPECT_EQ(messages.Shown[0].Caption, QString("Ошибка"));
    EXPECT_EQ(messages.Shown[0].Text, QString("Ошибка записи на диск"));
    EXPECT_EQ(messages.Shown[0].Buttons, MessageButtons::Ok);
    EXPECT_TRUE(ReadAll(file) == before) << "the previous file was changed";
    ExpectNoStrayFiles();
  }
};

TEST_F(FailingSave, ShortWriteIsReportedAndLaterSaveSucceeds) {
  bool shortOnce = true;
  db.WriteChunk = [&](QSaveFile& f, const char* data, qint64 size) {
    if (shortOnce) {
      shortOnce = false;
      return f.write(data, size / 2);  // as a full disk would
    }
    return f.write(data, size);
  };
  EXPECT_FALSE(db.SaveDatabase());
  ExpectFailureReportedAndOldFileKept();
  EXPECT_TRUE(db.SaveDatabase());
  const auto after = ReadAll(file);
  ASSERT_EQ(after.size(), kDatabaseFileSize);
  double d;
  std::memcpy(&d, &after[offsetof(CardRecord, LastChange)], sizeof d);
  EXPECT_EQ(d, 12345.0);
}

TEST_F(FailingSave, WriteErrorInTheTemplateIsReported) {
  db.WriteChunk = [](QSaveFile& f, const char* data, qint64 size) {
    return size == qint64(kTemplate) ? qint64(-1) : f.write(data, size);
  };
  EXPECT_FALSE(db.SaveDatabase());
  ExpectFailureReportedAndOldFileKept();
}

TEST_F(FailingSave, ReadOnlyDirectoryIsReported) {
  const fs::path dirPath = file.parent_path();
  fs::permissions(dirPath, fs::perms::owner_read | fs::perms::owner_exec);
  const bool dirStopsUs = ::access(dirPath.c_str(), W_OK) != 0;
  if (dirStopsUs) {
    EXPECT_FALSE(db.SaveDatabase());
    ExpectFailureReportedAndOldFileKept();
  }
  fs::permissions(dirPath, fs::perms::owner_all);
  if (!dirStopsUs) {
    // Running as root: permissions do not stop us, a kernel file system does.
    db.FilePath = fs::path("/proc") / kDatabaseFileName;
    EXPECT_FALSE(db.SaveDatabase());
    ExpectFailureReportedAndOldFileKept();
  }
}

TEST_F(FailingSave, RenameOntoADirectoryFailsAndLeavesNoTemporaryFile) {
  fs::remove(file);
  fs::create_directory(file);
  before.clear();
  EXPECT_FALSE(db.SaveDatabase());
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_TRUE(fs::is_directory(file));
  ExpectNoStrayFiles();
}

TEST_F(DatabaseFile, MissingDirectoryIsReported) {
  db.FilePath = file.parent_path() / "absent" / kDatabaseFileName;
  EXPECT_FALSE(db.SaveDatabase());
  ASSERT_EQ(messages.Shown.size(), 1u);
  EXPECT_EQ(messages.Shown[0].Text, QString("Ошибка записи на диск"));
}

}  // namespace
