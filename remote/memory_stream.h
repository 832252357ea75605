// Byte streams: a stream result arrives as a MemoryStream owned by its command; callers
// drain it into bytes of their own with ReceiveStream.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace zorvat {

class MemoryStream {
 public:
  MemoryStream() = default;
  explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}

  std::size_t Size() const { return bytes_.size(); }
  std::size_t Position() const { return position_; }
  void Seek(std::size_t position) { position_ = position < bytes_.size() ? position : bytes_.size(); }
  // Copies up to count bytes from the position on; returns how many were copied.
  std::size_t Read(std::uint8_t* buffer, std::size_t count);
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

// Drains a stream result announced with the given length: length 0 (or no stream) means
// nothing; otherwise the stream is read from its start in 1024-byte chunks until a chunk
// comes back short, and the bytes count only when their total equals the announced length.
std::optional<std::vector<std::uint8_t>> ReceiveStream(MemoryStream* stream, std::int64_t announced);

}  // namespace zorvat
