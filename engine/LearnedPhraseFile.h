#pragma once

#include <string>
#include <string_view>

#include "RandomSource.h"

namespace tolkar {

// The learned-phrase file: the user's phrases, one Windows-1251 line each, ended
// by CR LF. A line ends at CR LF or at a lone CR; the first byte 26 ends the text.
// Every operation opens the file by name, so it follows the current directory.
class LearnedPhraseFile
{
  public:
    explicit LearnedPhraseFile(std::string fileName = "user.vrk");

    // Makes sure the file exists (creates it empty if missing). Never reports a failure.
    void FileCheck() const noexcept;

    // Appends the phrase as one line. Throws EInOutError; never leaves a partial line.
    void Record(std::string_view phrase) const;

    // Draws line PickIndex(line count) into recalledPhrase; an empty file gives an
    // empty text. Reads the file anew each time, since it may be edited outside.
    // Throws EInOutError, leaving recalledPhrase as it was.
    void Recall(RandomSource& random, std::string& recalledPhrase) const;

    const std::string& FileName() const { return fileName_; }

  private:
    std::string fileName_;
};

} // namespace tolkar
