// Exceptions that leave a remote call. Everything a call can fail with derives from
// RemoteError, the general error class that the connection test catches.
#pragma once

#include <stdexcept>
#include <string>

namespace zorvat {

class RemoteError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The server's method raised an error, or the server refused the request; the message is
// the server's own text.
class ServerError : public RemoteError {
 public:
  using RemoteError::RemoteError;
};

// The answer reached us but is not what the protocol promises.
class ProtocolError : public RemoteError {
 public:
  using RemoteError::RemoteError;
};

// No answer: the server could not be reached or the connection broke. The message names
// the host and the port.
class TransportError : public RemoteError {
 public:
  using RemoteError::RemoteError;
};

}  // namespace zorvat
