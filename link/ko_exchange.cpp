#include "link/ko_exchange.h"

#include <cstdio>
#include <cstring>

#include "link/protocol.h"

namespace {

const uint8_t (&ImageBytes(const KoConfigImage& image))[kImageSize] {
  return *reinterpret_cast<const uint8_t(*)[kImageSize]>(&image);
}

bool Running(const ExchangeContext& ctx) { return !ctx.Job.Stopped() && !ctx.Job.JobFailed; }

bool WriteToken(CableLink& link, std::string_view tok) {
  return link.Write(tok.data(), uint32_t(tok.size()));
}

enum class Answer { None, Ready, ReadyNext };

Answer ProgrammingHandshake(ExchangeContext& ctx) {
  uint8_t poll[kPollBufferSize];
  int pass = 0;
  while (Running(ctx)) {
    if (pass == 0 && !WriteToken(ctx.Link, token::kWrite)) ctx.Job.Fail(ctx.Texts.HandshakeWrite);
    ctx.Time.SleepMs(kProgrammingPassMs);
    if (++pass >= kWriteRepeatPasses) pass = 0;
    if (!ctx.Link.PollRead(poll).Ok()) {
      ctx.Job.Fail(ctx.Texts.HandshakePoll);  // its text stands for this pass
      continue;
    }
    if (PollHolds(poll, token::kError)) ctx.Job.Fail(kKoReportedError);
    if (PollHolds(poll, token::kReady)) return Answer::Ready;
    if (PollHolds(poll, token::kReadyNext)) return Answer::ReadyNext;
  }
  return Answer::None;
}

}  // namespace

void ProgrammingExchange(ExchangeContext& ctx, const KoConfigImage& image) {
  const Answer answer = ProgrammingHandshake(ctx);
  if (answer == Answer::None) return;

  const auto& bytes = ImageBytes(image);
  Frame frame = ChunkFrame(bytes, 0);
  std::size_t offset = 0;
  int quiet = 0;
  bool frameWaiting = answer == Answer::ReadyNext;
  bool done = false;
  uint8_t poll[kPollBufferSize];
  while (Running(ctx) && !done) {
    if (frameWaiting) {
      if (!ctx.Link.Write(frame.Bytes, frame.Size)) ctx.Job.Fail(ctx.Texts.TransferWrite);
      offset += kChunkSize;  // also after the short chunk and after end frames
      frameWaiting = false;
      quiet = 0;
    } else {
      if (!ctx.Link.PollRead(poll).Ok()) ctx.Job.Fail(ctx.Texts.TransferPoll);
      if (PollHolds(poll, token::kNext)) {
        frame = ChunkFrame(bytes, offset);
        frameWaiting = true;
      } else if (PollHolds(poll, token::kOk)) {
        done = true;
      } else if (PollHolds(poll, token::kError)) {
        ctx.Job.Fail(kKoReportedError);
      }
    }
    if (!frameWaiting) {
      ctx.Time.SleepMs(kProgrammingPassMs);
      if (++quiet > kProgrammingQuietLimit) ctx.Job.Fail(kTimeoutText);
    }
  }
  if (done && !ctx.Job.JobFailed) ctx.Job.JobSucceeded = true;
}

namespace {

bool ReadingHandshake(ExchangeContext& ctx) {
  uint8_t poll[kPollBufferSize];
  while (Running(ctx)) {
    if (ctx.Link.WriteStatus(token::kRead.data(), uint32_t(token::kRead.size())) != FT_OK)
      ctx.Job.Fail(ctx.Texts.HandshakeWrite);
    ctx.Time.SleepMs(kReadHandshakePassMs);
    if (!ctx.Link.PollRead(poll).Ok()) {
      ctx.Job.Fail(ctx.Texts.HandshakePoll);
      continue;
    }
    if (PollHolds(poll, token::kError)) ctx.Job.Fail(kKoReportedError);
    if (PollHolds(poll, token::kReady)) return true;
  }
  return false;
}

std::string CrcMismatchText(uint16_t stored, uint16_t computed) {
  char text[160];
  std::snprintf(text, sizeof text, "Несоответсвие подсчитанной CRC: \nСчитано %04X\nПодсчитано %04X",
                stored, computed);
  return text;
}

}  // namespace

void ReadingExchange(ExchangeContext& ctx, KoConfigImage& readImage) {
  auto& image = *reinterpret_cast<uint8_t(*)[kImageSize]>(&readImage);
  bool done = false;
  if (ReadingHandshake(ctx)) {
    bool replyWaiting = true;
    std::size_t received = 0;
    int quiet = 0;
    uint8_t poll[kPollBufferSize];
    while (Running(ctx) && !done) {
      if (replyWaiting) {
        if (!WriteToken(ctx.Link, token::kNext)) ctx.Job.Fail(ctx.Texts.TransferWrite);
        replyWaiting = false;
        quiet = 0;
      } else {
        const PollResult r = ctx.Link.PollRead(poll);
        if (!r.Ok()) ctx.Job.Fail(ctx.Texts.TransferPoll);
        if (poll[0] == kFrameStart) {
          const std::size_t n = poll[1];
          if (n == 0 && poll[2] == kEndFrame[2] && r.Queued == kEndFrame.size()) {
            done = true;
            break;
          }
          if (n <= kMaxReadFrameData) {
            // n + 2 is at most 37: inside the poll buffer
            if (poll[n + 2] == FrameChecksum(poll, n + 2)) {
              replyWaiting = true;
              if (received + n > kImageSize) {
                ctx.Job.Fail(kImageTooLargeText);
              } else {
                std::memcpy(image + received, poll + 2, n);
                received += n;
              }
            } else {
              ctx.Job.Fail(kChecksumMismatchText);
            }
          }
        }
      }
      if (!replyWaiting) {
        ctx.Time.SleepMs(kReadTransferPassMs);
        if (++quiet > kReadingQuietLimit) ctx.Job.Fail(kTimeoutText);
      }
    }
  }
  if (done) {
    const uint16_t computed = Crc16(image, kImageCrcOffset);
    const uint16_t stored = uint16_t(image[kImageCrcOffset] | image[kImageCrcOffset + 1] << 8);
    if (computed != stored) {
      done = false;
      ctx.Job.Fail(CrcMismatchText(stored, computed));
    }
  }
  if (ctx.Job.JobFailed) {
    ctx.Link.WriteStatus(token::kError.data(), uint32_t(token::kError.size()));
  } else if (done) {
    ctx.Link.WriteStatus(token::kOk.data(), uint32_t(token::kOk.size()));
    ctx.Job.JobSucceeded = true;
  }
}
