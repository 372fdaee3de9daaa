#pragma once

#include <stdexcept>
#include <string>

namespace tolkar {

// A failed file operation: carries the error code of the program's file
// routines and the message that goes with it ("File not found", "I/O error 112", ...).
// It abandons the rest of the handler; the window shows it in its error box.
class EInOutError : public std::runtime_error
{
  public:
    explicit EInOutError(int errorCode);

    int ErrorCode() const { return errorCode_; }

  private:
    int errorCode_;
};

// The message for an error code.
std::string InOutErrorMessage(int errorCode);

#ifndef _WIN32
// Maps a system errno onto the codes the program reports (Windows reports them itself).
int InOutErrorCodeFromErrno(int errnoValue);

// Raises the error for errno as it stands after a failed system call.
[[noreturn]] void RaiseInOutErrorFromErrno();
#endif

} // namespace tolkar
