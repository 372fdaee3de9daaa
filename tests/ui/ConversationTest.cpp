#include <QFile>
#include <QTimer>

#include "MainWindowFixture.h"
#include "TestSuites.h"

namespace {

QString Line(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

// Conversations driven through the window's own controls, with scripted draws.
class ConversationTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
    }

    void cleanup() { fixture_.reset(); }

    void wholeConversation()
    {
        MainWindowFixture& f = *fixture_;
        const tolkar::PhraseTables& tables = MainWindowFixture::Tables();
        f.Random().Script({3, 2, 0, 5});

        f.Click("btnNew");
        QStringList expected = {f.Entry(tables.Greetings, 3), ""};
        QCOMPARE(f.ViewLines(), expected);
        QVERIFY(f.View()->isEnabled());
        QVERIFY(f.Find<FlatButton>("btnSay")->isEnabled());
        QVERIFY(f.Find<FlatButton>("btnSave")->isEnabled());
        QVERIFY(f.Find<QTimer>("TimerHead")->isActive());
        QCOMPARE(QApplication::focusWidget(), f.Input());

        f.Say(Line("Привет"));
        f.Say(Line("кто ты такой"));
        expected << Line("ТЫ: Привет") << "" << f.Entry(tables.Introductions, 2) << ""
                 << Line("ТЫ: кто ты такой") << "" << f.Entry(tables.SelfReplies, 5) << "";
        QCOMPARE(f.ViewLines(), expected);
        QVERIFY(f.Input()->text().isEmpty());

        f.Say(Line("Да."));
        f.Say(Line("Пока"));
        expected << Line("ТЫ: Да.") << ""
                 << Line(R"(Что "Да"? Ты со мной согласен? Это приятно... )"
                         R"(Давай, все же, о чем-то более конкретном поговорим...)")
                 << Line("ТЫ: Пока") << ""
                 << Line("Уже уходишь? Какая жалость! Только разговор начали! Ну ладно, ты "
                         "возвращайся скорее!");
        QCOMPARE(f.ViewLines(), expected);
        QVERIFY(!f.Input()->isEnabled());
        QVERIFY(f.Find<FlatButton>("btnSay")->isEnabled());
        QVERIFY(f.Find<QTimer>("TimerHead")->isActive());

        QCOMPARE(f.Random().log,
                 (std::vector<std::string>{"seed", "draw 11", "seed", "draw 6", "seed", "draw 3",
                                           "draw 31", "seed", "seed"}));
        QFile learned(f.PathOf("user.vrk"));
        QVERIFY(learned.open(QIODevice::ReadOnly));
        QCOMPARE(learned.readAll(), QByteArray("\xEA\xF2\xEE \xF2\xFB \xF2\xE0\xEA\xEE\xE9\r\n"));
    }

    void guardBeforeTheFirstStart()
    {
        MainWindowFixture& f = *fixture_;
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        f.Say(Line("Привет"));
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].caption, QStringLiteral("Warning"));
        QCOMPARE(answered[0].text,
                 Line("Может все таки что-нибудь скажете,\nили начнете новый диалог?"));
        QVERIFY(f.ViewLines().isEmpty());
        QCOMPARE(f.Input()->text(), Line("Привет"));
    }

    // Which endings of an answer give the input line the focus back.
    void focusAfterAnswer_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QList<qint64>>("draws");
        QTest::addColumn<bool>("inputFocused");
        QTest::newRow("topic reply") << Line("кто ты") << QList<qint64>{0, 1} << true;
        QTest::newRow("fixed answer") << Line("Нет.") << QList<qint64>{} << false;
        QTest::newRow("recalled phrase") << Line("ну и ну") << QList<qint64>{1, 1} << false;
    }

    void focusAfterAnswer()
    {
        QFETCH(QString, phrase);
        QFETCH(QList<qint64>, draws);
        QFETCH(bool, inputFocused);
        MainWindowFixture& f = *fixture_;
        f.Random().Script({1, 1});
        f.Click("btnNew");
        f.Say(Line("Привет"));
        for (const qint64 draw : draws) {
            f.Random().Script({draw});
        }
        f.View()->setFocus();
        f.Say(phrase);
        QCOMPARE(QApplication::focusWidget() == f.Input(), inputFocused);
        QVERIFY(f.Random().script.empty());
    }

    void fileErrorIsShownAndTheProgramGoesOn()
    {
        MainWindowFixture& f = *fixture_;
        f.Random().Script({1, 1});
        f.Click("btnNew");
        f.Say(Line("Привет"));
        // The learned-phrase file cannot be written when its name is taken by a folder.
        QVERIFY(QFile::remove(f.PathOf("user.vrk")));
        QVERIFY(QDir(f.PathOf("")).mkdir("user.vrk"));
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        f.Say(Line("кто ты такой"));
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].kind, MessageDialog::Kind::Error);
        QCOMPARE(answered[0].caption, Line("Vorkast Толкарь"));
        QCOMPARE(answered[0].text, Line("File access denied."));
        QCOMPARE(f.ViewLines().mid(6), QStringList({Line("ТЫ: кто ты такой"), ""}));

        f.Say(Line("Да."));
        QCOMPARE(f.ViewLines().size(), 11);
    }

  private:
    std::unique_ptr<MainWindowFixture> fixture_;
};

static RegisterTestSuite<ConversationTest> registerConversationTest;

#include "ConversationTest.moc"
