#pragma once
// Exceptions that end a handler. The application's error handler shows an EError's
// message (code page 932 text); an EAbort ends the handler silently.
#include <stdexcept>
#include <string>

namespace porutena {

class EError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A value outside its allowed range.
class ERangeError : public EError {
public:
    ERangeError() : EError("範囲チェックエラー") {}
};

class EAbort : public std::exception {
public:
    const char* what() const noexcept override { return "Operation aborted"; }
};

} // namespace porutena
