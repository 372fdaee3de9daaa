#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include <QDate>
#include <QFile>
#include <QFileDialog>
#include <QLocale>
#include <QScrollBar>

#include "MainWindowFixture.h"
#include "SaveDialog.h"
#include "TestSuites.h"

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QString FromCp1251(const QByteArray& bytes)
{
    return QString::fromStdString(tolkar::Cp1251ToUtf8(bytes.toStdString()));
}

// The index of the longest entry of a table.
int LongestEntry(const tolkar::PhraseTable& table)
{
    int longest = 1;
    for (int index = 2; index <= table.Size(); ++index) {
        if (table[index].size() > table[longest].size()) {
            longest = index;
        }
    }
    return longest;
}

// Files may grow no larger than this while it lives, as on a full disk.
class FileSizeLimit
{
  public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, SIG_DFL);
    }

  private:
    rlimit saved_{};
};

} // namespace

// Writing the conversation view to a file through the save dialog.
class ConversationLogTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
        fixture_->Random().Script({1});
        fixture_->Click("btnNew");
    }

    void cleanup() { fixture_.reset(); }

    void saveDialogSettings()
    {
        auto* saveDialog = fixture_->Find<SaveDialog>("SaveDialog1");
        const auto dialog = saveDialog->Build(nullptr);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Сохранить разговор"));
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog->defaultSuffix().isEmpty());
        QVERIFY(saveDialog->FileName().isEmpty());
    }

    void logHoldsTheViewAsItIsWrapped()
    {
        MainWindowFixture& f = *fixture_;
        const tolkar::PhraseTables& tables = MainWindowFixture::Tables();
        const int longest = LongestEntry(tables.SelfReplies);
        constexpr int kShortIntroduction = 4;
        f.Random().Script({kShortIntroduction, 0, longest});
        f.Say(QStringLiteral("Привет"));
        f.Say(QStringLiteral("кто ты такой"));

        const QString path = f.PathOf("log");
        SaveDialog::QueueAnswer(path);
        f.Click("btnSave");

        const QByteArray bytes = ReadAll(path);
        QVERIFY(bytes.endsWith("\r\n"));
        QList<QByteArray> fileLines = bytes.split('\n');
        QVERIFY(fileLines.takeLast().isEmpty());
        QStringList lines;
        for (QByteArray line : fileLines) {
            QVERIFY2(line.endsWith('\r'), line.constData());
            line.chop(1);
            QVERIFY(!line.contains('\r'));
            lines << FromCp1251(line);
        }
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        const QStringList head = {
            QStringLiteral("LOG разговора с программой \"VORKAST Толкарь\" за ") + date,
            ">>>",
            "",
            f.Entry(tables.Greetings, 1),
            "",
            QStringLiteral("ТЫ: Привет"),
            "",
            f.Entry(tables.Introductions, kShortIntroduction),
            "",
            QStringLiteral("ТЫ: кто ты такой"),
            "",
        };
        QCOMPARE(lines.mid(0, head.size()), head);
        QCOMPARE(lines.last(), QString());

        // The reply fills the lines between, each no wider than the view shows.
        const QStringList replyLines = lines.mid(head.size(), lines.size() - head.size() - 1);
        QVERIFY2(replyLines.size() >= 2, "the longest reply should not fit on one line");
        QCOMPARE(replyLines.join(QString()), f.Entry(tables.SelfReplies, longest));
        const QFontMetrics metrics(f.View()->font());
        const int textWidth = f.View()->viewport()->width();
        for (const QString& line : replyLines) {
            QVERIFY2(metrics.horizontalAdvance(line.trimmed()) <= textWidth, qPrintable(line));
        }
    }

    // A line with LFs (a recalled file written with LF alone) is shown broken at each
    // LF, exactly as if each piece had been a line of its own, however long it is.
    void lineFeedsBreakTheLineOnScreen_data()
    {
        QTest::addColumn<QString>("line");
        const QString row = QStringLiteral("Ж строка ").repeated(7);
        QTest::newRow("two rows") << QStringLiteral("один\nдва");
        QTest::newRow("LF first and last") << QStringLiteral("\nодин\n");
        QTest::newRow("empty rows") << QStringLiteral("\n\nа\n\n\nб");
        QTest::newRow("wrapped rows") << row + u'\n' + row + row;
        QTest::newRow("many rows") << QString(row + u'\n').repeated(300);
        QTest::newRow("LFs only") << QString(5000, u'\n');
        QTest::newRow("long row among rows")
            << QString(row + u'\n').repeated(40) + QString(9000, u'щ') + u'\n' + row;
        QTest::newRow("no LF") << QString(row).repeated(80);
    }

    void lineFeedsBreakTheLineOnScreen()
    {
        QFETCH(QString, line);
        ConsoleMemo whole(13);
        ConsoleMemo pieces(13);
        for (ConsoleMemo* view : {&whole, &pieces}) {
            view->resize(437, 171);
            view->show();
            view->AppendLine(QStringLiteral("before"));
        }
        whole.AppendLine(line);
        for (const QString& piece : line.split(u'\n')) {
            pieces.AppendLine(piece);
        }
        whole.AppendLine(QStringLiteral("after"));
        pieces.AppendLine(QStringLiteral("after"));
        QCOMPARE(whole.DisplayLines(), pieces.DisplayLines());
        QCOMPARE(whole.toPlainText(), pieces.toPlainText());
    }

    void recalledFileOfTenMegabytesKeepsTheDocumentSmall()
    {
        ConsoleMemo view(13);
        const QString rows = QString(QString(60, u'Ж') + u'\n').repeated(10 * 1024 * 1024 / 61);
        view.AppendLine(rows);
        // A block for each of its 170,000 rows took the document seconds to build.
        QVERIFY2(view.document()->blockCount() < 3000,
                 qPrintable(QString::number(view.document()->blockCount())));
        QVERIFY(view.toPlainText() == rows + u'\n');
    }

    void secondSaveOffersTheNameAndReplacesTheLog()
    {
        MainWindowFixture& f = *fixture_;
        auto* saveDialog = f.Find<SaveDialog>("SaveDialog1");
        const QString path = f.PathOf("log.txt");
        WriteAll(path, QByteArray(5000, 'x'));
        SaveDialog::QueueAnswer(path);
        f.Click("btnSave");
        QCOMPARE(saveDialog->FileName(), path);
        QCOMPARE(saveDialog->Build(nullptr)->selectedFiles(), QStringList({path}));
        const QByteArray first = ReadAll(path);
        QVERIFY(first.startsWith("LOG "));

        f.Random().Script({1});
        f.Say(QStringLiteral("Привет"));
        SaveDialog::QueueAnswer(path);
        f.Click("btnSave");
        const QByteArray second = ReadAll(path);
        QVERIFY(second.startsWith(first));
        QVERIFY(second.size() > first.size());
        QVERIFY(!second.contains('x'));
    }

    void cancellingWritesNothing()
    {
        MainWindowFixture& f = *fixture_;
        SaveDialog::QueueAnswer(std::nullopt);
        f.Click("btnSave");
        QCOMPARE(QDir(f.PathOf("")).entryList(QDir::Files), QStringList({"user.vrk"}));
        QVERIFY(f.Find<SaveDialog>("SaveDialog1")->FileName().isEmpty());
    }

    void failedSaveKeepsTheOldLog()
    {
        MainWindowFixture& f = *fixture_;
        const QString path = f.PathOf("old.log");
        const QByteArray old("old log\r\n");
        WriteAll(path, old);
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        SaveDialog::QueueAnswer(path);
        {
            const FileSizeLimit limit(40); // less than the header line
            f.Click("btnSave");
        }
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].caption, QStringLiteral("Vorkast Толкарь"));
        QCOMPARE(answered[0].text, QStringLiteral("I/O error 27.")); // EFBIG
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(QDir(f.PathOf("")).entryList(QDir::Files), QStringList({"old.log", "user.vrk"}));
        QCOMPARE(f.Find<SaveDialog>("SaveDialog1")->FileName(), path);
    }

    void fileThatCannotBeCreated_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("folder missing") << "missing/log.txt"
                                        << "Invalid filename.";
        QTest::newRow("folder is a file") << "user.vrk/log.txt"
                                          << "Invalid filename.";
        QTest::newRow("name of a folder") << "folder"
                                          << "File access denied.";
    }

    void fileThatCannotBeCreated()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        MainWindowFixture& f = *fixture_;
        QVERIFY(QDir(f.PathOf("")).mkdir("folder"));
        const QStringList linesBefore = f.ViewLines();
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        SaveDialog::QueueAnswer(f.PathOf(name));
        f.Click("btnSave");
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].text, message);
        QCOMPARE(f.ViewLines(), linesBefore);
    }

    void folderWithoutWritePermissionIsWrittenInPlace()
    {
        if (geteuid() == 0) {
            QSKIP("folder permissions do not bind the superuser");
        }
        MainWindowFixture& f = *fixture_;
        QVERIFY(QDir(f.PathOf("")).mkdir("locked"));
        const QString path = f.PathOf("locked/log.txt");
        WriteAll(path, "old");
        QVERIFY(QFile::setPermissions(f.PathOf("locked"), QFile::ReadOwner | QFile::ExeOwner));
        SaveDialog::QueueAnswer(path);
        f.Click("btnSave");
        QFile::setPermissions(f.PathOf("locked"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(ReadAll(path).startsWith("LOG "));
        QVERIFY(MessageDialog::TakeAnswered().empty());
    }

  private:
    std::unique_ptr<MainWindowFixture> fixture_;
};

static RegisterTestSuite<ConversationLogTest> registerConversationLogTest;

#include "ConversationLogTest.moc"
