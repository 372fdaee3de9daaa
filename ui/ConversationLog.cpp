#include "ConversationLog.h"

#include <cerrno>

#include <QFileInfo>
#include <QSaveFile>

#include "Cp1251.h"
#include "InOutError.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

void AppendLine(std::string& bytes, const QString& line)
{
    bytes += tolkar::Utf8ToCp1251(line.toStdString());
    bytes += kLineEnd;
}

// errno as it stood after the failed call, or a general I/O failure if none was set.
[[noreturn]] void RaiseFileError(int savedErrno, bool creating)
{
    // A file being created cannot be missing: a missing part of its path is a bad name.
    if (creating && savedErrno == ENOENT) {
        constexpr int kInvalidFilename = 3;
        throw tolkar::EInOutError(kInvalidFilename);
    }
    throw tolkar::EInOutError(tolkar::InOutErrorCodeFromErrno(savedErrno != 0 ? savedErrno : EIO));
}

} // namespace

std::string ConversationLogBytes(const QStringList& lines, const QString& date)
{
    std::string bytes;
    AppendLine(bytes, QStringLiteral("LOG разговора с программой \"VORKAST Толкарь\" за ") + date);
    AppendLine(bytes, QStringLiteral(">>>"));
    AppendLine(bytes, QString());
    for (const QString& line : lines) {
        AppendLine(bytes, line);
    }
    return bytes;
}

void WriteConversationLog(const QString& fileName, const QStringList& lines, const QString& date)
{
    const std::string bytes = ConversationLogBytes(lines, date);
    // The save file refuses a folder's name without a system error of its own.
    if (QFileInfo(fileName).isDir()) {
        RaiseFileError(EISDIR, true);
    }
    QSaveFile file(fileName);
    file.setDirectWriteFallback(true);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        RaiseFileError(errno, true);
    }
    errno = 0;
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
        static_cast<qint64>(bytes.size())) {
        const int writeErrno = errno;
        file.cancelWriting();
        RaiseFileError(writeErrno, false);
    }
    errno = 0;
    if (!file.commit()) {
        RaiseFileError(errno, false);
    }
}
