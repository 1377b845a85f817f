#include "sim/ko_model.h"

#include <algorithm>
#include <cstring>

namespace {

// Written here from the wire description, independently of the program's own code.
uint8_t SumComplement(const uint8_t* p, std::size_t n) {
  unsigned sum = 0;
  for (std::size_t i = 0; i < n; ++i) sum += p[i];
  return uint8_t(256 - (sum & 0xFF));
}

uint16_t Kermit(const uint8_t* p, std::size_t n) {
  uint16_t crc = 0;
  for (std::size_t i = 0; i < n; ++i) {
    crc ^= p[i];
    for (int k = 0; k < 8; ++k) crc = (crc & 1) ? uint16_t((crc >> 1) ^ 0x8408) : uint16_t(crc >> 1);
  }
  return crc;
}

constexpr int kSplitGapMs = 250;
constexpr int kReadyToNextMs = 300;  // more than the chip's latency and a poll apart

}  // namespace

void KoModel::Answer(SimLine& line, const std::vector<uint8_t>& bytes) {
  if (!b_.GarbageBefore.empty()) line.Send(b_.GarbageBefore, b_.ReplyDelayMs);
  line.Send(bytes, b_.ReplyDelayMs);
}

void KoModel::Answer(SimLine& line, const std::string& text) {
  if (b_.SplitTokens && text.size() > 1) {
    if (!b_.GarbageBefore.empty()) line.Send(b_.GarbageBefore, b_.ReplyDelayMs);
    const std::size_t half = text.size() / 2;
    line.Send(text.substr(0, half), b_.ReplyDelayMs);
    line.Send(text.substr(half), b_.ReplyDelayMs + kSplitGapMs);
    return;
  }
  Answer(line, std::vector<uint8_t>(text.begin(), text.end()));
}

bool KoModel::TakeToken(const std::string& tok) {
  if (in_.size() < tok.size() || !std::equal(tok.begin(), tok.end(), in_.begin())) return false;
  in_.erase(in_.begin(), in_.begin() + long(tok.size()));
  return true;
}

void KoModel::Receive(const std::vector<uint8_t>& bytes, SimLine& line) {
  in_.insert(in_.end(), bytes.begin(), bytes.end());
  for (std::size_t before = SIZE_MAX; !in_.empty() && in_.size() != before;) {
    before = in_.size();
    switch (state_) {
      case State::Idle: ParseIdle(line); break;
      case State::TakingFrames: ParseFrames(line); break;
      case State::Serving:
      case State::AwaitingVerdict: ParseServing(line); break;
      case State::Finished:
      case State::Silent: in_.clear(); break;
    }
  }
}

void KoModel::ParseIdle(SimLine& line) {
  if (TakeToken("WRITE")) {
    if (++WriteRequests < b_.AnswerOnRequest) return;
    if (b_.ErrorInHandshake) return Answer(line, std::string("ERROR"));
    Programmed.assign(248, 0);
    state_ = State::TakingFrames;
    if (b_.AnswerReadyNext) return Answer(line, std::string("READYNEXT"));
    Answer(line, std::string("READY"));
    // its first "NEXT" comes well after "READY", so that the two never share a poll
    line.Send(std::string("NEXT"), b_.ReplyDelayMs + kReadyToNextMs);
    return;
  }
  if (TakeToken("READ")) {
    if (++ReadRequests < b_.AnswerOnRequest) return;
    if (b_.ErrorInHandshake) return Answer(line, std::string("ERROR"));
    state_ = State::Serving;
    if (b_.StampImageCrc) {
      auto* img = reinterpret_cast<uint8_t*>(&b_.Image);
      const uint16_t crc = Kermit(img, 246);
      img[246] = uint8_t(crc & 0xFF);
      img[247] = uint8_t(crc >> 8);
    }
    return Answer(line, std::string("READY"));
  }
  in_.erase(in_.begin());  // anything else is not for us
}

void KoModel::ParseFrames(SimLine& line) {
  if (in_[0] != ':') {
    in_.erase(in_.begin());
    return;
  }
  if (in_.size() < 2 || in_.size() < std::size_t(in_[1]) + 3) return;  // wait for the rest
  const std::size_t n = in_[1];
  const bool good = SumComplement(in_.data(), n + 2) == in_[n + 2];
  const int frameIndex = int(FrameSizes.size());
  if (good && n <= 32) {
    const std::size_t at = std::size_t(frameIndex) * 32;
    if (n && at + n <= Programmed.size()) std::memcpy(&Programmed[at], &in_[2], n);
    FrameSizes.push_back(int(n));
    FrameTimesUs.push_back(line.NowUs());
  } else {
    ++BadFrames;
  }
  in_.erase(in_.begin(), in_.begin() + long(n + 3));
  if (b_.SilentAfterFrame >= 0 && frameIndex >= b_.SilentAfterFrame) {
    state_ = State::Silent;
    return;
  }
  if (b_.ErrorAfterFrame == frameIndex || !good) {
    state_ = State::Finished;
    return Answer(line, std::string("ERROR"));
  }
  if (n == 0) {
    if (extraNextLeft_ < b_.ExtraNextAfterEnd) {
      ++extraNextLeft_;
      return Answer(line, std::string("NEXT"));
    }
    const bool crcOk = Kermit(Programmed.data(), 246) == uint16_t(Programmed[246] | Programmed[247] << 8);
    state_ = State::Finished;
    ProgrammingComplete = crcOk && !b_.RejectImage;
    return Answer(line, std::string(ProgrammingComplete ? "OK" : "ERROR"));
  }
  if (b_.DoubledNext && frameIndex == 0) return Answer(line, std::string("NEXTNEXT"));
  Answer(line, std::string("NEXT"));
}

std::vector<uint8_t> KoModel::NextReadFrame() {
  const auto* img = reinterpret_cast<const uint8_t*>(&b_.Image);
  const std::size_t total = 248 + std::size_t(b_.ExtraFrames) * std::size_t(b_.FrameData);
  std::vector<uint8_t> f;
  if (served_ >= total) {
    endSent_ = true;
    f = {0x3A, 0x00, 0xC6};
    if (b_.EndFrameWithTrailer) f.push_back('x');
    return f;
  }
  const std::size_t n = std::min<std::size_t>(std::size_t(b_.FrameData), total - served_);
  f.push_back(':');
  f.push_back(uint8_t(n));
  for (std::size_t i = 0; i < n; ++i) f.push_back(served_ + i < 248 ? img[served_ + i] : 0);
  f.push_back(SumComplement(f.data(), f.size()));
  if (framesServed_ == b_.CorruptChecksumFrame) f.back() = uint8_t(f.back() + 1);
  if (framesServed_ == b_.DropChecksumFrame) f.pop_back();
  served_ += n;
  return f;
}

void KoModel::ParseServing(SimLine& line) {
  if (TakeToken("NEXT")) {
    ++NextsReceived;
    if (state_ == State::AwaitingVerdict) return;
    if (b_.SilentAfterFrame >= 0 && framesServed_ > b_.SilentAfterFrame) return;
    if (framesServed_ == b_.ErrorMidTransfer) {
      ++framesServed_;
      return Answer(line, std::string("ERROR"));
    }
    std::vector<uint8_t> f = NextReadFrame();
    ++framesServed_;
    if (endSent_) state_ = State::AwaitingVerdict;
    return Answer(line, f);
  }
  if (TakeToken("OK")) {
    FinalReply = "OK";
    state_ = State::Finished;
    return;
  }
  if (TakeToken("ERROR")) {
    FinalReply = "ERROR";
    state_ = State::Finished;
    return;
  }
  if (in_.size() >= 5 || (in_[0] != 'N' && in_[0] != 'O' && in_[0] != 'E')) in_.erase(in_.begin());
}

void UooModel::Receive(const std::vector<uint8_t>& bytes, SimLine& line) {
  in_.insert(in_.end(), bytes.begin(), bytes.end());
  while (!in_.empty()) {
    if (in_[0] != 0x92) {
      in_.erase(in_.begin());
      continue;
    }
    if (in_.size() < 9) return;
    std::vector<uint8_t> packet(in_.begin(), in_.begin() + 9);
    in_.erase(in_.begin(), in_.begin() + 9);
    Packets.push_back(packet);
    PacketTimesUs.push_back(line.NowUs());
    if (int(Packets.size()) < b_.AnswerOnPacket) continue;
    const uint16_t crc = Kermit(packet.data() + 1, 6);
    std::vector<uint8_t> answer = {uint8_t(crc & 0xFF), uint8_t(crc >> 8)};
    if (b_.WrongCrc) answer[0] ^= 0x55;
    if (b_.TrailingByte) answer.push_back(0x00);
    line.Send(answer, b_.AnswerDelayMs);
  }
}
