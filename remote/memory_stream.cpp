#include "remote/memory_stream.h"

#include <algorithm>
#include <cstring>

namespace zorvat {

std::size_t MemoryStream::Read(std::uint8_t* buffer, std::size_t count) {
  const std::size_t available = bytes_.size() - position_;
  const std::size_t copied = std::min(count, available);
  if (copied > 0) std::memcpy(buffer, bytes_.data() + position_, copied);
  position_ += copied;
  return copied;
}

std::optional<std::vector<std::uint8_t>> ReceiveStream(MemoryStream* stream, std::int64_t announced) {
  if (announced <= 0 || stream == nullptr) return std::nullopt;
  constexpr std::size_t kChunk = 1024;
  std::vector<std::uint8_t> received;
  std::uint8_t chunk[kChunk];
  stream->Seek(0);
  for (;;) {
    const std::size_t got = stream->Read(chunk, kChunk);
    received.insert(received.end(), chunk, chunk + got);
    if (got < kChunk) break;
  }
  if (received.size() != static_cast<std::uint64_t>(announced)) return std::nullopt;
  return received;
}

}  // namespace zorvat
