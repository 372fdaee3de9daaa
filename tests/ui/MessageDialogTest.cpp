#include "MessageDialog.h"

#include <QClipboard>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ErrorGuard.h"
#include "InOutError.h"
#include "TestSuites.h"

Q_DECLARE_METATYPE(MessageDialog::Kind)

// The program's message boxes and its error box.
class MessageDialogTest : public QObject
{
    Q_OBJECT

  private slots:
    void cleanup() { MessageDialog::TakeAnswered(); }

    void boxOfEachKind_data()
    {
        QTest::addColumn<MessageDialog::Kind>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QMessageBox::Icon>("icon");
        QTest::newRow("warning") << MessageDialog::Kind::Warning << "Warning"
                                 << QMessageBox::Warning;
        QTest::newRow("information")
            << MessageDialog::Kind::Information << "Information" << QMessageBox::Information;
        QTest::newRow("error") << MessageDialog::Kind::Error << QStringLiteral("Vorkast Толкарь")
                               << QMessageBox::Critical;
    }

    void boxOfEachKind()
    {
        QFETCH(MessageDialog::Kind, kind);
        QFETCH(QString, caption);
        QFETCH(QMessageBox::Icon, icon);
        const auto box = MessageDialog::Build(kind, "first\rsecond\r\nthird");
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(box->icon(), icon);
        QCOMPARE(box->text(), QStringLiteral("first\nsecond\nthird"));
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->buttons().size(), 1);
        QCOMPARE(box->standardButtons(), QMessageBox::Ok);
        QVERIFY(box->defaultButton() == box->button(QMessageBox::Ok));
        QCOMPARE(box->escapeButton(), box->button(QMessageBox::Ok));
        QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    }

    void boxIsCentredOnTheScreen()
    {
        const auto box = MessageDialog::Build(MessageDialog::Kind::Information, "centred");
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        const QPoint offset = box->frameGeometry().center() -
                              QGuiApplication::primaryScreen()->availableGeometry().center();
        QVERIFY2(offset.manhattanLength() <= 2,
                 qPrintable(QString::number(offset.manhattanLength())));
    }

    void copyKeyPutsTheWholeBoxOnTheClipboard()
    {
        const auto box = MessageDialog::Build(MessageDialog::Kind::Error, "I/O error 112.\rsecond");
        box->show();
        QVERIFY(QTest::qWaitForWindowExposed(box.get()));
        QGuiApplication::clipboard()->setText("before");
        QTest::keyClick(box.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("---------------------------\n"
                                "Vorkast Толкарь\n"
                                "---------------------------\n"
                                "I/O error 112.\nsecond\n"
                                "---------------------------\n"
                                "OK   \n"
                                "---------------------------\n"));
        QVERIFY(box->isVisible()); // copying does not close the box
    }

    void queuedAnswersAreGivenInTurn()
    {
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        MessageDialog::QueueAnswer(QMessageBox::Cancel);
        QCOMPARE(MessageDialog::Show(MessageDialog::Kind::Warning, "one"), QMessageBox::Ok);
        QCOMPARE(MessageDialog::Show(MessageDialog::Kind::Information, "two"), QMessageBox::Cancel);
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 2u);
        QCOMPARE(answered[1].kind, MessageDialog::Kind::Information);
        QCOMPARE(answered[1].text, QStringLiteral("two"));
        QVERIFY(MessageDialog::TakeAnswered().empty());
    }

    void errorText_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("digit") << "I/O error 32"
                               << "I/O error 32.";
        QTest::newRow("Cyrillic") << QStringLiteral("Ошибка") << QStringLiteral("Ошибка.");
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("comma sorts before") << "Wait,"
                                            << "Wait,";
        QTest::newRow("space sorts before") << "Trailing "
                                            << "Trailing ";
        QTest::newRow("empty") << ""
                               << "";
    }

    void errorText()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(ApplicationErrorText(message), shown);
    }

    void guardShowsTheErrorAndGoesOn()
    {
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        bool afterThrow = false;
        RunGuarded([&afterThrow] {
            throw tolkar::EInOutError(101);
            afterThrow = true;
        });
        QVERIFY(!afterThrow);
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].kind, MessageDialog::Kind::Error);
        QCOMPARE(answered[0].text, QStringLiteral("Disk full."));

        bool ran = false;
        RunGuarded([&ran] { ran = true; });
        QVERIFY(ran);
        QVERIFY(MessageDialog::TakeAnswered().empty());
    }
};

static RegisterTestSuite<MessageDialogTest> registerMessageDialogTest;

#include "MessageDialogTest.moc"
