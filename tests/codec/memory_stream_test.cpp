#include "remote/memory_stream.h"

#include <gtest/gtest.h>

namespace zorvat {
namespace {

TEST(ReceiveStreamTest, AcceptsOnlyTheAnnouncedLength) {
  struct Case {
    std::size_t size;
    std::int64_t announced;
    bool accepted;
  };
  const std::vector<Case> cases = {
      {0, 0, false},       {10, 0, false},      {1, 1, true},        {1023, 1023, true},
      {1024, 1024, true},  {1025, 1025, true},  {2048, 2048, true},  {5000, 5000, true},
      {2048, 2047, false}, {2048, 2049, false}, {100, -1, false},
  };
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bytes(c.size);
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
    MemoryStream stream(bytes);
    stream.Seek(c.size / 2);  // the receiver reads from the start whatever the position
    const auto received = ReceiveStream(&stream, c.announced);
    EXPECT_EQ(received.has_value(), c.accepted) << c.size << " / " << c.announced;
    if (received) {
      EXPECT_EQ(*received, bytes);
    }
  }
}

TEST(ReceiveStreamTest, NoStreamIsNothing) { EXPECT_FALSE(ReceiveStream(nullptr, 10)); }

}  // namespace
}  // namespace zorvat
