#pragma once

#include <string>
#include <vector>

// The learned file's reading rules written as plainly as possible, byte by byte,
// to check the block reader against: a CR ends a line and takes an LF right
// after it along; any other LF is text; the first byte 26 ends the text; a last
// line without terminator counts if it holds anything.
inline std::vector<std::string> ReferenceLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::string line;
    bool open = false;
    for (std::size_t i = 0; i < bytes.size() && bytes[i] != 26; ++i) {
        if (bytes[i] == '\r') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n') {
                ++i;
            }
        } else {
            line += bytes[i];
            open = true;
        }
    }
    if (open) {
        lines.push_back(line);
    }
    return lines;
}
