#include "PhraseTables.h"

#include <algorithm>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "Cp1251.h"

using tolkar::PhraseTable;
using tolkar::PhraseTables;

namespace {

struct TableSize
{
    const char* name;
    const PhraseTable PhraseTables::*table;
    int size;
};

const TableSize kTables[] = {
    {"Greetings", &PhraseTables::Greetings, 10},
    {"Introductions", &PhraseTables::Introductions, 5},
    {"SelfReplies", &PhraseTables::SelfReplies, 30},
    {"BookReplies", &PhraseTables::BookReplies, 10},
    {"ComputerReplies", &PhraseTables::ComputerReplies, 10},
    {"MusicReplies", &PhraseTables::MusicReplies, 10},
    {"FilmReplies", &PhraseTables::FilmReplies, 10},
    {"GameReplies", &PhraseTables::GameReplies, 30},
    {"WomenReplies", &PhraseTables::WomenReplies, 10},
    {"AbuseWords", &PhraseTables::AbuseWords, 60},
    {"AbuseReplies", &PhraseTables::AbuseReplies, 10},
};

} // namespace

TEST(PhraseTables, SizesAndEntryShapes)
{
    const PhraseTables tables = tolkar::FillPhraseTables();
    for (const TableSize& t : kTables) {
        const PhraseTable& table = tables.*t.table;
        ASSERT_EQ(table.Size(), t.size) << t.name;
        const bool keywords = t.table == &PhraseTables::AbuseWords;
        for (int i = 1; i <= table.Size(); ++i) {
            const std::string& entry = table[i];
            if (keywords && (i == 10 || i == 11)) {
                EXPECT_TRUE(entry.empty()) << t.name << " " << i;
                continue;
            }
            if (keywords) {
                EXPECT_TRUE(!entry.empty() && entry.size() <= 8) << t.name << " " << i;
            } else {
                EXPECT_GE(entry.size(), 12u) << t.name << " " << i;
            }
            EXPECT_NE(entry.front(), ' ') << t.name << " " << i;
            EXPECT_NE(entry.back(), ' ') << t.name << " " << i;
            EXPECT_EQ(entry.find("  "), std::string::npos) << t.name << " " << i;
            EXPECT_EQ(entry.find_first_of("\r\n"), std::string::npos) << t.name << " " << i;
        }
    }
}

TEST(PhraseTables, NoTextRepeatsAcrossTables)
{
    const PhraseTables tables = tolkar::FillPhraseTables();
    std::set<std::string> seen;
    for (const TableSize& t : kTables) {
        for (const std::string& entry : (tables.*t.table).Entries()) {
            if (!entry.empty()) {
                EXPECT_TRUE(seen.insert(entry).second)
                    << t.name << ": " << tolkar::Cp1251ToUtf8(entry);
            }
        }
    }
}

TEST(PhraseTables, EntriesAreHeldAsWindows1251Bytes)
{
    const PhraseTables tables = tolkar::FillPhraseTables();
    // Spot checks against bytes written out by hand.
    EXPECT_EQ(tables.Greetings[1],
              "\xCF\xF0\xE8\xE2\xE5\xF2\xF1\xF2\xE2\xF3\xFE \xF2\xE5\xE1\xFF.");
    EXPECT_EQ(tables.AbuseWords[30], "fuck");
    EXPECT_EQ(tables.AbuseWords[60], "\xF3\xF8\xE0\xF1\xF2");
    EXPECT_EQ(tables.Introductions[5].substr(0, 11), "\xC4\xE0\xE2\xE0\xE9\xF2\xE5 \xE7\xED\xE0");
    EXPECT_EQ(tables.Introductions[5].back(), '?');
    // Every character of the texts is in the code page: a letter that was not
    // would have turned into a question mark, and the texts hold exactly 83.
    int questionMarks = 0;
    for (const TableSize& t : kTables) {
        for (const std::string& entry : (tables.*t.table).Entries()) {
            questionMarks += static_cast<int>(std::count(entry.begin(), entry.end(), '?'));
        }
    }
    EXPECT_EQ(questionMarks, 83);
}
