// Fixed binary layout of a card: shared by the database file, the windows and the wire.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <ostream>
#include <type_traits>

static_assert(std::endian::native == std::endian::little,
              "the card layout is stored little-endian and read in place");

// A multi-byte field at any offset: read and written by value, so no reference to a
// misaligned integer or double is ever formed.
template <typename T>
struct Unaligned {
  uint8_t Bytes[sizeof(T)];

  operator T() const {
    T v;
    std::memcpy(&v, Bytes, sizeof v);
    return v;
  }
  Unaligned& operator=(T v) {
    std::memcpy(Bytes, &v, sizeof v);
    return *this;
  }
  friend std::ostream& operator<<(std::ostream& os, const Unaligned& u) { return os << T(u); }
};
using U16 = Unaligned<uint16_t>;
using U32 = Unaligned<uint32_t>;
using Date = Unaligned<double>;

#pragma pack(push, 1)

// The 248-byte block that travels to and from a KO.
struct KoConfigImage {
  char ImageName[12];
  uint8_t ProgStamp[6];  // day, month, year - 2000, hour, minute, second
  uint8_t Gateway1[4];
  uint8_t Gateway2[4];
  uint8_t MacAddress[6];
  uint8_t SubnetMask[4];
  uint8_t KoIp[4];
  uint8_t KoPort[2];  // big-endian
  uint8_t DestIp1[4];
  uint8_t DestIp2[4];
  uint8_t DestPort1[2];  // big-endian
  uint8_t DestPort2[2];  // big-endian
  char SimPin1[5];
  char SimPin2[5];
  char GsmDestIp1[16];
  char GsmDestIp2[16];
  char GsmDestPort1[6];
  char GsmDestPort2[6];
  char Apn1[25];
  char Apn2[25];
  char GsmLogin1[20];
  char GsmLogin2[20];
  char GsmPassword1[20];
  char GsmPassword2[20];
  uint8_t BackupInterval;
  U32 KoCode;
  uint8_t ModeFlags;
  uint8_t RandomPad[2];
  U16 ImageCrc;
};

// The 8-byte block sent to a UOO.
struct UooBlock {
  uint8_t RandomPad[2];
  uint8_t UooFlags;
  uint8_t UooNumber;
  uint8_t GuardLoops;
  uint8_t FireLoops;
  U16 Check;  // Crc16 of bytes 0..5 in the sent copy
};

struct UooRecord {
  UooBlock Block;
  Date UooLastChange;
  Date UooLastProgrammed;
  U16 UooProgId;
  U16 UooPrevProgId;
  char UooObjectName[100];
  char UooObjectAddress[100];
  char UooRemark[40];
  char UooCardName[11];
};

inline constexpr int kUooPerCard = 31;

struct CardRecord {
  KoConfigImage Image;
  char CardName[11];
  char ObjectName[100];
  char ObjectAddress[100];
  char Remark[40];
  char Puk1[20];
  char SimPhone1[15];
  char SimId1[25];
  Date LastChange;
  Date LastProgrammed;
  U16 ProgId;
  U16 PrevProgId;
  uint8_t SimUse;  // 0 none, 1 SIM 1, 2 SIM 2, 3 both
  char Puk2[20];
  char SimPhone2[15];
  char SimId2[25];
  UooRecord Uoo[kUooPerCard];
  uint8_t Reserved[39];
};

#pragma pack(pop)

// ModeFlags bits
inline constexpr uint8_t kModeIndicatorOff = 0x01;
inline constexpr uint8_t kModeBatteryCheckOff = 0x02;
// UooFlags bits
inline constexpr uint8_t kUooIndicatorOff = 0x20;
inline constexpr uint8_t kUooBatteryCheckOff = 0x08;

// Big-endian port fields of the image.
inline uint16_t GetPort(const uint8_t (&p)[2]) { return uint16_t(p[0] << 8 | p[1]); }
inline void SetPort(uint8_t (&p)[2], uint16_t v) {
  p[0] = uint8_t(v >> 8);
  p[1] = uint8_t(v & 0xFF);
}

#define CARD_LAYOUT_AT(type, field, offset) \
  static_assert(offsetof(type, field) == (offset), #type "." #field " offset")

static_assert(sizeof(KoConfigImage) == 248);
CARD_LAYOUT_AT(KoConfigImage, ImageName, 0);
CARD_LAYOUT_AT(KoConfigImage, ProgStamp, 12);
CARD_LAYOUT_AT(KoConfigImage, Gateway1, 18);
CARD_LAYOUT_AT(KoConfigImage, Gateway2, 22);
CARD_LAYOUT_AT(KoConfigImage, MacAddress, 26);
CARD_LAYOUT_AT(KoConfigImage, SubnetMask, 32);
CARD_LAYOUT_AT(KoConfigImage, KoIp, 36);
CARD_LAYOUT_AT(KoConfigImage, KoPort, 40);
CARD_LAYOUT_AT(KoConfigImage, DestIp1, 42);
CARD_LAYOUT_AT(KoConfigImage, DestIp2, 46);
CARD_LAYOUT_AT(KoConfigImage, DestPort1, 50);
CARD_LAYOUT_AT(KoConfigImage, DestPort2, 52);
CARD_LAYOUT_AT(KoConfigImage, SimPin1, 54);
CARD_LAYOUT_AT(KoConfigImage, SimPin2, 59);
CARD_LAYOUT_AT(KoConfigImage, GsmDestIp1, 64);
CARD_LAYOUT_AT(KoConfigImage, GsmDestIp2, 80);
CARD_LAYOUT_AT(KoConfigImage, GsmDestPort1, 96);
CARD_LAYOUT_AT(KoConfigImage, GsmDestPort2, 102);
CARD_LAYOUT_AT(KoConfigImage, Apn1, 108);
CARD_LAYOUT_AT(KoConfigImage, Apn2, 133);
CARD_LAYOUT_AT(KoConfigImage, GsmLogin1, 158);
CARD_LAYOUT_AT(KoConfigImage, GsmLogin2, 178);
CARD_LAYOUT_AT(KoConfigImage, GsmPassword1, 198);
CARD_LAYOUT_AT(KoConfigImage, GsmPassword2, 218);
CARD_LAYOUT_AT(KoConfigImage, BackupInterval, 238);
CARD_LAYOUT_AT(KoConfigImage, KoCode, 239);
CARD_LAYOUT_AT(KoConfigImage, ModeFlags, 243);
CARD_LAYOUT_AT(KoConfigImage, RandomPad, 244);
CARD_LAYOUT_AT(KoConfigImage, ImageCrc, 246);

static_assert(sizeof(UooBlock) == 8);
CARD_LAYOUT_AT(UooBlock, RandomPad, 0);
CARD_LAYOUT_AT(UooBlock, UooFlags, 2);
CARD_LAYOUT_AT(UooBlock, UooNumber, 3);
CARD_LAYOUT_AT(UooBlock, GuardLoops, 4);
CARD_LAYOUT_AT(UooBlock, FireLoops, 5);
CARD_LAYOUT_AT(UooBlock, Check, 6);

static_assert(sizeof(UooRecord) == 279);
CARD_LAYOUT_AT(UooRecord, Block, 0);
CARD_LAYOUT_AT(UooRecord, UooLastChange, 8);
CARD_LAYOUT_AT(UooRecord, UooLastProgrammed, 16);
CARD_LAYOUT_AT(UooRecord, UooProgId, 24);
CARD_LAYOUT_AT(UooRecord, UooPrevProgId, 26);
CARD_LAYOUT_AT(UooRecord, UooObjectName, 28);
CARD_LAYOUT_AT(UooRecord, UooObjectAddress, 128);
CARD_LAYOUT_AT(UooRecord, UooRemark, 228);
CARD_LAYOUT_AT(UooRecord, UooCardName, 268);

static_assert(sizeof(CardRecord) == 9328);
CARD_LAYOUT_AT(CardRecord, Image, 0);
CARD_LAYOUT_AT(CardRecord, CardName, 248);
CARD_LAYOUT_AT(CardRecord, ObjectName, 259);
CARD_LAYOUT_AT(CardRecord, ObjectAddress, 359);
CARD_LAYOUT_AT(CardRecord, Remark, 459);
CARD_LAYOUT_AT(CardRecord, Puk1, 499);
CARD_LAYOUT_AT(CardRecord, SimPhone1, 519);
CARD_LAYOUT_AT(CardRecord, SimId1, 534);
CARD_LAYOUT_AT(CardRecord, LastChange, 559);
CARD_LAYOUT_AT(CardRecord, LastProgrammed, 567);
CARD_LAYOUT_AT(CardRecord, ProgId, 575);
CARD_LAYOUT_AT(CardRecord, PrevProgId, 577);
CARD_LAYOUT_AT(CardRecord, SimUse, 579);
CARD_LAYOUT_AT(CardRecord, Puk2, 580);
CARD_LAYOUT_AT(CardRecord, SimPhone2, 600);
CARD_LAYOUT_AT(CardRecord, SimId2, 615);
CARD_LAYOUT_AT(CardRecord, Uoo, 640);
CARD_LAYOUT_AT(CardRecord, Reserved, 9289);

static_assert(std::is_trivially_copyable_v<CardRecord> && std::is_standard_layout_v<CardRecord>,
              "cards are copied whole, byte for byte");

#undef CARD_LAYOUT_AT
