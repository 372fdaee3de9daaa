#include "InOutError.h"

#include <cerrno>

#include <gtest/gtest.h>

using namespace tolkar;

#ifndef _WIN32 // Windows reports these codes itself
TEST(InOutError, SystemErrorsMapOntoTheProgramsCodesAndMessages)
{
    struct Case
    {
        int errnoValue;
        int code;
        const char* message;
    };
    const Case cases[] = {
        {ENOENT, 2, "File not found"},
        {ENOTDIR, 3, "Invalid filename"},
        {ENAMETOOLONG, 3, "Invalid filename"},
        {EMFILE, 4, "Too many open files"},
        {ENFILE, 4, "Too many open files"},
        {EACCES, 5, "File access denied"},
        {EPERM, 5, "File access denied"},
        {EISDIR, 5, "File access denied"},
        {EROFS, 5, "File access denied"},
        {ETXTBSY, 32, "I/O error 32"},
        {ENOSPC, 112, "I/O error 112"},
        {EDQUOT, 112, "I/O error 112"},
        {EIO, 31, "I/O error 31"},
        {EFBIG, EFBIG, "I/O error 27"},
    };
    for (const Case& c : cases) {
        const int code = InOutErrorCodeFromErrno(c.errnoValue);
        EXPECT_EQ(code, c.code) << c.errnoValue;
        EXPECT_EQ(InOutErrorMessage(code), c.message) << c.errnoValue;
        EXPECT_STREQ(EInOutError(code).what(), c.message);
    }
}

#endif

TEST(InOutError, TheFixedMessagesOfTheOtherCodes)
{
    EXPECT_EQ(InOutErrorMessage(100), "Read beyond end of file");
    EXPECT_EQ(InOutErrorMessage(101), "Disk full");
    EXPECT_EQ(InOutErrorMessage(106), "Invalid numeric input");
    EXPECT_EQ(InOutErrorMessage(1), "I/O error 1");
}
