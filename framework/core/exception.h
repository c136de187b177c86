// The framework's exception classes. Structural failures (a broken stream, a file that cannot be
// opened, an owner of the wrong type) raise; everything else in the system degrades silently.
#pragma once

#include <stdexcept>
#include <string>

namespace framework {

// Base of every exception the framework and the layers above raise; carries the message text.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    std::string Message() const { return what(); }
};

// A stream operation that the stream does not allow, or a read or write that came up short.
class EStreamError : public Exception {
    using Exception::Exception;
};
class EReadError : public EStreamError {
    using EStreamError::EStreamError;
};
class EWriteError : public EStreamError {
    using EStreamError::EStreamError;
};

// The framework's file error: a file that cannot be opened or created.
class EFileStreamError : public EStreamError {
    using EStreamError::EStreamError;
};
class EFOpenError : public EFileStreamError {
    using EFileStreamError::EFileStreamError;
};
class EFCreateError : public EFileStreamError {
    using EFileStreamError::EFileStreamError;
};

// An object used as a type it is not (a frame component whose owner is not a form).
class EInvalidCast : public Exception {
    using Exception::Exception;
};

// A text that does not convert to the value asked for ("'x' is not a valid integer value").
class EConvertError : public Exception {
    using Exception::Exception;
};

// An operation that the object's state does not allow.
class EInvalidOperation : public Exception {
    using Exception::Exception;
};

// A component name that is not an identifier or is taken by a sibling.
class EComponentError : public Exception {
    using Exception::Exception;
};

}  // namespace framework
