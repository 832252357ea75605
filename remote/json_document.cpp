#include "remote/json_document.h"

#include <mutex>
#include <string>
#include <vector>

#include "remote/errors.h"

namespace zorvat {

namespace {

// Parsed answers come and go with every call; keeping a couple of finished documents lets
// the next answer reuse their parser's buffers instead of allocating and faulting them in.
class DocumentPool {
 public:
  std::unique_ptr<JsonDocument> Take() {
    std::lock_guard lock(mutex_);
    if (idle_.empty()) return std::make_unique<JsonDocument>();
    auto document = std::move(idle_.back());
    idle_.pop_back();
    return document;
  }

  void Give(JsonDocument* document) {
    std::unique_ptr<JsonDocument> owned(document);
    std::lock_guard lock(mutex_);
    if (idle_.size() < kMaxIdle) idle_.push_back(std::move(owned));
  }

 private:
  static constexpr std::size_t kMaxIdle = 2;
  std::mutex mutex_;
  std::vector<std::unique_ptr<JsonDocument>> idle_;
};

DocumentPool& Pool() {
  static DocumentPool* pool = new DocumentPool;  // outlives every document, even at exit
  return *pool;
}

}  // namespace

JsonDocumentPtr ParseJson(std::string_view text) {
  std::unique_ptr<JsonDocument> document = Pool().Take();
  const auto error = document->parser.parse(text.data(), text.size()).get(document->root);
  if (error) {
    Pool().Give(document.release());
    throw ProtocolError(std::string("Geçersiz JSON: ") + simdjson::error_message(error));
  }
  return JsonDocumentPtr(document.release(), [](const JsonDocument* done) {
    Pool().Give(const_cast<JsonDocument*>(done));
  });
}

}  // namespace zorvat
