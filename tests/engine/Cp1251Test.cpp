#include "Cp1251.h"

#include <string>

#include <gtest/gtest.h>

using tolkar::Cp1251ToUtf8;
using tolkar::Utf8ToCp1251;

TEST(Cp1251, EveryByteRoundTripsThroughUtf8)
{
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1251, KnownLetters)
{
    struct Case
    {
        const char* utf8;
        std::string cp1251;
    };
    const Case cases[] = {
        {"А", "\xC0"}, {"я", "\xFF"}, {"Ё", "\xA8"}, {"ё", "\xB8"}, {"№", "\xB9"},
        {"€", "\x88"}, {"—", "\x97"}, {"Ґ", "\xA5"}, {"ї", "\xBF"}, {"ТЫ: ", "\xD2\xDB: "},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251) << c.utf8;
        EXPECT_EQ(Cp1251ToUtf8(c.cp1251), c.utf8) << c.utf8;
    }
}

TEST(Cp1251, WhatTheCodePageCannotHoldBecomesQuestionMarkAndTheRestStays)
{
    struct Case
    {
        std::string utf8;
        std::string cp1251;
    };
    const Case cases[] = {
        {"a😀b", "a?b"}, // emoji: one mark for the whole character
        {"中文!", "?"
                  "?!"},   // CJK
        {"é", "?"},        // Latin letter outside the code page
        {"x\xFFy", "x?y"}, // a byte that never starts UTF-8
        {"\xD0", "?"},     // cut short at the end
        {"\xD0"
         "A",
         "?A"},                                           // cut short before an ASCII letter
        {"\xC0\xAF", "??"},                               // overlong slash
        {"\xED\xA0\x80", "???"},                          // a UTF-16 surrogate written as UTF-8
        {"\xF4\x90\x80\x80", "????"},                     // beyond U+10FFFF
        {std::string("a\0b", 3), std::string("a\0b", 3)}, // NUL is a character like any other
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Utf8ToCp1251(c.utf8), c.cp1251);
    }
}
