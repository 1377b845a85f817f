// A KO at the far end of the cable, from the KO's side of both exchanges: it answers "WRITE"
// with "READY" or "READYNEXT", paces frames with "NEXT" and ends with "OK" or "ERROR"; it
// answers "READ" with "READY" and hands out its image a frame per "NEXT".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/sim_driver.h"
#include "store/card_record.h"

struct KoBehaviour {
  bool AnswerReadyNext = false;    // "READYNEXT" instead of "READY" to "WRITE"
  int AnswerOnRequest = 1;         // answers only the n-th "WRITE"/"READ"
  int ReplyDelayMs = 2;            // the KO's own think time before each answer
  bool ErrorInHandshake = false;   // "ERROR" instead of accepting
  int ErrorAfterFrame = -1;        // programming: "ERROR" instead of "NEXT" after frame k (0-based)
  int SilentAfterFrame = -1;       // stops answering after frame k
  bool SplitTokens = false;        // each token in two halves, far enough apart to need two polls
  bool DoubledNext = false;        // "NEXTNEXT" in one burst after the first frame
  std::string GarbageBefore;       // sent in its own burst before every answer
  bool RejectImage = false;        // programming: "ERROR" instead of "OK" at the end
  int ExtraNextAfterEnd = 0;       // programming: more "NEXT"s after the end frame before "OK"

  // reading
  KoConfigImage Image{};           // what the KO holds
  bool StampImageCrc = true;       // put the right Crc16 into the image it sends
  int FrameData = 32;              // data bytes per frame it sends (up to 35 is accepted)
  int CorruptChecksumFrame = -1;   // frame k goes out with a wrong checksum
  int DropChecksumFrame = -1;      // frame k goes out without its checksum byte
  int ExtraFrames = 0;             // frames of zeros after the image, before the end frame
  int ErrorMidTransfer = -1;       // "ERROR" instead of frame k
  bool EndFrameWithTrailer = false; // end frame followed by more bytes in the same burst
};

class KoModel : public SimPeer {
 public:
  explicit KoModel(KoBehaviour behaviour = {}) : b_(behaviour) {}

  void Receive(const std::vector<uint8_t>& bytes, SimLine& line) override;

  KoBehaviour& Behaviour() { return b_; }
  // what the KO took while being programmed
  std::vector<uint8_t> Programmed;
  std::vector<int> FrameSizes;       // data bytes of each frame it accepted, end frame as 0
  std::vector<uint64_t> FrameTimesUs;  // when each frame arrived
  int WriteRequests = 0, ReadRequests = 0, NextsReceived = 0;
  bool ProgrammingComplete = false;  // end frame arrived with a correct image
  std::string FinalReply;            // "OK" or "ERROR" from the computer after a read
  int BadFrames = 0;

 private:
  enum class State { Idle, TakingFrames, Serving, AwaitingVerdict, Finished, Silent };
  void Answer(SimLine& line, const std::string& text);
  void Answer(SimLine& line, const std::vector<uint8_t>& bytes);
  void ParseIdle(SimLine& line);
  void ParseFrames(SimLine& line);
  void ParseServing(SimLine& line);
  bool TakeToken(const std::string& tok);
  std::vector<uint8_t> NextReadFrame();

  KoBehaviour b_;
  State state_ = State::Idle;
  std::vector<uint8_t> in_;
  int framesServed_ = 0;
  std::size_t served_ = 0;
  bool endSent_ = false;
  int extraNextLeft_ = 0;
};

// A UOO at the far end: answers a 0x92 packet with the packet's two CRC bytes.
struct UooBehaviour {
  int AnswerDelayMs = 50;
  int AnswerOnPacket = 1;     // answers only from the n-th packet on
  bool TrailingByte = false;  // a third byte after the CRC
  bool WrongCrc = false;
};

class UooModel : public SimPeer {
 public:
  explicit UooModel(UooBehaviour behaviour = {}) : b_(behaviour) {}
  void Receive(const std::vector<uint8_t>& bytes, SimLine& line) override;
  std::vector<std::vector<uint8_t>> Packets;
  std::vector<uint64_t> PacketTimesUs;

 private:
  UooBehaviour b_;
  std::vector<uint8_t> in_;
};

// A peer whose answers a test writes itself.
class ScriptedPeer : public SimPeer {
 public:
  using Script = std::function<void(const std::vector<uint8_t>& bytes, SimLine& line)>;
  explicit ScriptedPeer(Script script) : script_(std::move(script)) {}
  void Receive(const std::vector<uint8_t>& bytes, SimLine& line) override { script_(bytes, line); }

 private:
  Script script_;
};
