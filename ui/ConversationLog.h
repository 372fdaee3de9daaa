#pragma once

#include <string>

#include <QString>
#include <QStringList>

// The conversation log: a header with the program's title and the date, ">>>",
// an empty line, then the given lines; Windows-1251, every line ended by CR LF.
std::string ConversationLogBytes(const QStringList& lines, const QString& date);

// Writes the log to the file, replacing it. The old file stays whole until the new
// one is complete; only where no file can be created beside it is it overwritten
// in place. Throws tolkar::EInOutError when the file cannot be written.
void WriteConversationLog(const QString& fileName, const QStringList& lines, const QString& date);
