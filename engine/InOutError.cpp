#include "InOutError.h"

#include <cerrno>

namespace tolkar {

EInOutError::EInOutError(int errorCode)
    : std::runtime_error(InOutErrorMessage(errorCode)), errorCode_(errorCode)
{
}

std::string InOutErrorMessage(int errorCode)
{
    switch (errorCode) {
    case 2:
        return "File not found";
    case 3:
        return "Invalid filename";
    case 4:
        return "Too many open files";
    case 5:
        return "File access denied";
    case 100:
        return "Read beyond end of file";
    case 101:
        return "Disk full";
    case 106:
        return "Invalid numeric input";
    default:
        return "I/O error " + std::to_string(errorCode);
    }
}

#ifndef _WIN32
int InOutErrorCodeFromErrno(int errnoValue)
{
    // The codes are those of the original platform, whose messages users know.
    constexpr int kSharingViolation = 32;
    constexpr int kDiskFull = 112;
    // EIO's own number is the code of "File access denied"; a failing device is
    // a general failure there.
    constexpr int kGeneralFailure = 31;
    switch (errnoValue) {
    case ENOENT:
        return 2;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return 3;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
        return 5;
    case ETXTBSY:
    case EBUSY:
        return kSharingViolation;
    case ENOSPC:
    case EDQUOT:
        return kDiskFull;
    case EIO:
        return kGeneralFailure;
    default:
        return errnoValue;
    }
}

void RaiseInOutErrorFromErrno()
{
    throw EInOutError(InOutErrorCodeFromErrno(errno));
}
#endif

} // namespace tolkar
