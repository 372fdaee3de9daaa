#include <optional>

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include "Cp1251.h"
#include "PhraseTables.h"

// The real program under an X server with no window manager, driven by xdotool as
// a user would: start, a few phrases, a log saved through the dialog, close.
namespace {

constexpr int kWaitMs = 10000;

QString Xdotool(const QStringList& arguments)
{
    QProcess tool;
    tool.start("xdotool", arguments);
    tool.waitForFinished(kWaitMs);
    return QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
}

// Waits until the condition holds, or the time is up.
template <class Condition> bool WaitFor(Condition condition)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > kWaitMs) {
            return false;
        }
        QThread::msleep(50);
    }
    return true;
}

// Offers the text on the clipboard while it lives, as xclip serves it. Pasting
// delivers every character whatever the keyboard layout, where typing Cyrillic
// through xdotool loses letters on a busy machine.
class ClipboardText
{
  public:
    explicit ClipboardText(const QString& text)
    {
        server_.start("xclip", {"-quiet", "-selection", "clipboard", "-i"});
        // No event loop runs here, so the text is pushed through the pipe by hand.
        server_.waitForStarted(kWaitMs);
        server_.write(text.toUtf8());
        server_.waitForBytesWritten(kWaitMs);
        server_.closeWriteChannel();
        ready_ = WaitFor([&] { return Clipboard() == text; });
    }
    ~ClipboardText()
    {
        server_.kill();
        server_.waitForFinished(kWaitMs);
    }
    ClipboardText(const ClipboardText&) = delete;
    ClipboardText& operator=(const ClipboardText&) = delete;

    bool Ready() const { return ready_; }

  private:
    static QString Clipboard()
    {
        QProcess reader;
        reader.start("xclip", {"-o", "-selection", "clipboard"});
        reader.waitForFinished(kWaitMs);
        return QString::fromUtf8(reader.readAllStandardOutput());
    }

    QProcess server_;
    bool ready_ = false;
};

QString WindowNamed(const QString& title)
{
    const QString pattern = "^" + QRegularExpression::escape(title) + "$";
    return Xdotool({"search", "--onlyvisible", "--name", pattern}).section(u'\n', 0, 0);
}

QPoint WindowPosition(const QString& window)
{
    const QString shape = Xdotool({"getwindowgeometry", "--shell", window});
    const QRegularExpressionMatch x = QRegularExpression("X=(-?\\d+)").match(shape);
    const QRegularExpressionMatch y = QRegularExpression("Y=(-?\\d+)").match(shape);
    return {x.captured(1).toInt(), y.captured(1).toInt()};
}

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Cp1251(const QString& text)
{
    return QByteArray::fromStdString(tolkar::Utf8ToCp1251(text.toStdString()));
}

QStringList Entries(const tolkar::PhraseTable& table)
{
    QStringList entries;
    for (const std::string& entry : table.Entries()) {
        entries << QString::fromStdString(tolkar::Cp1251ToUtf8(entry));
    }
    return entries;
}

// Matches the log's lines against the lines the dialogue appended, each of which
// the view may have wrapped over several log lines; each appended line is one of
// a set of texts. Returns what went wrong, or nothing.
QString MatchWrapped(const QStringList& logLines, const QList<QStringList>& expected)
{
    qsizetype at = 0;
    for (const QStringList& texts : expected) {
        bool matched = false;
        for (const QString& text : texts) {
            QString joined;
            qsizetype next = at;
            while (next < logLines.size() && text.startsWith(joined + logLines[next]) &&
                   joined.size() < text.size()) {
                joined += logLines[next++];
            }
            if (text.isEmpty() && at < logLines.size() && logLines[at].isEmpty()) {
                next = at + 1;
                joined = text;
            }
            if (joined == text && next > at) {
                at = next;
                matched = true;
                break;
            }
        }
        if (!matched) {
            return QString("log line %1 (\"%2\") is none of: %3")
                .arg(at)
                .arg(at < logLines.size() ? logLines[at] : "end of log")
                .arg(texts.mid(0, 3).join(" | "));
        }
    }
    return at == logLines.size() ? QString() : QString("more lines than expected at %1").arg(at);
}

} // namespace

class EndToEndTest : public QObject
{
    Q_OBJECT

  private slots:
    void conversationSavedAndClosed()
    {
        QTemporaryDir directory;
        QProcess program;
        program.setWorkingDirectory(directory.path());
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(TOLKAR_PROGRAM, QStringList());
        QVERIFY(program.waitForStarted());

        QString window;
        QVERIFY(WaitFor(
            [&] { return !(window = WindowNamed("VORKAST Толкарь - 1.0 beta")).isEmpty(); }));
        QVERIFY(WaitFor([&] { return WindowPosition(window) == QPoint(93, 26); }));
        QCOMPARE(Xdotool({"getwindowname", window}), QStringLiteral("VORKAST Толкарь - 1.0 beta"));

        // Dragging the bare skin moves the window.
        Xdotool({"mousemove", "393", "311", "mousedown", "1"});
        Xdotool({"mousemove", "413", "321"});
        Xdotool({"mouseup", "1"});
        QVERIFY(WaitFor([&] { return WindowPosition(window) == QPoint(113, 36); }));
        const QPoint origin = WindowPosition(window);
        const auto click = [&origin](int x, int y) {
            Xdotool({"mousemove", QString::number(origin.x() + x), QString::number(origin.y() + y),
                     "click", "1"});
        };
        // Each phrase stays on offer until the next one replaces it, so a slow paste
        // still finds it.
        std::optional<ClipboardText> pasted;
        const auto say = [&pasted](const QString& phrase) {
            pasted.reset();
            pasted.emplace(phrase);
            if (!pasted->Ready()) {
                return false;
            }
            Xdotool({"key", "ctrl+v", "Return"});
            QThread::msleep(500);
            return true;
        };

        const QString learned = directory.filePath("user.vrk");
        click(41, 391); // Начать
        QVERIFY(WaitFor([&] { return QFile::exists(learned); }));
        QVERIFY(say("Привет"));
        QVERIFY(say("кто ты такой"));
        QVERIFY(WaitFor([&] { return !ReadAll(learned).isEmpty(); }));
        QVERIFY(say("Да."));
        QVERIFY(say("Пока"));

        const QString logPath = directory.filePath("talk.log");
        click(41, 457); // В файл
        QString dialog;
        QVERIFY(WaitFor([&] { return !(dialog = WindowNamed("Сохранить разговор")).isEmpty(); }));
        // Typing goes where the keyboard focus is: wait until the dialog has it.
        QVERIFY(WaitFor([&] { return Xdotool({"getwindowfocus"}) == dialog; }));
        Xdotool({"type", "--delay", "20", logPath});
        Xdotool({"key", "Return"});
        QVERIFY(WaitFor([&] { return QFile::exists(logPath); }));

        click(600, 454); // the close emblem
        QVERIFY(program.waitForFinished(kWaitMs));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);

        QCOMPARE(ReadAll(learned), Cp1251("кто ты такой\r\n"));

        const QByteArray log = ReadAll(logPath);
        QVERIFY(log.endsWith("\r\n"));
        QStringList logLines = QString::fromStdString(tolkar::Cp1251ToUtf8(log.toStdString()))
                                   .split(QStringLiteral("\r\n"));
        logLines.removeLast(); // nothing follows the last line end
        for (const QString& line : logLines) {
            QVERIFY2(!line.contains(u'\r') && !line.contains(u'\n'), qPrintable(line));
        }
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        QCOMPARE(
            logLines.mid(0, 3),
            QStringList({"LOG разговора с программой \"VORKAST Толкарь\" за " + date, ">>>", ""}));

        const tolkar::PhraseTables tables = tolkar::FillPhraseTables();
        const QStringList empty = {""};
        const QString yes = R"(Что "Да"? Ты со мной согласен? Это приятно... Давай, все же, о )"
                            R"(чем-то более конкретном поговорим...)";
        const QString farewell = "Уже уходишь? Какая жалость! Только разговор начали! Ну ладно, "
                                 "ты возвращайся скорее!";
        const QList<QStringList> conversation = {
            Entries(tables.Greetings),
            empty,
            {"ТЫ: Привет"},
            empty,
            Entries(tables.Introductions),
            empty,
            {"ТЫ: кто ты такой"},
            empty,
            Entries(tables.SelfReplies) << "кто ты такой",
            empty,
            {"ТЫ: Да."},
            empty,
            {yes},
            {"ТЫ: Пока"},
            empty,
            {farewell},
        };
        const QString mismatch = MatchWrapped(logLines.mid(3), conversation);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }
};

QTEST_GUILESS_MAIN(EndToEndTest)

#include "EndToEndTest.moc"
