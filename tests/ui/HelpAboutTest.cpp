#include <QTimer>

#include "ImageControl.h"
#include "MainWindowFixture.h"
#include "TestSuites.h"
#include "UnitAbout.h"

namespace {

// What the test saw of an About box while it was open.
struct AboutSeen
{
    bool found = false;
    bool modal = false;
    bool frameless = false;
    QRect geometry;
    QRect draggedGeometry;
    QStringList text;
    bool textReadOnly = false;
    QRect picture, dragStrip, closeButton, textBox;
};

QRect GeometryOf(QWidget* box, const char* name)
{
    QWidget* control = box->findChild<QWidget*>(name);
    return control != nullptr ? control->geometry() : QRect();
}

// Looks at the open About box, drags it by its top strip, and closes it with its
// painted button; a box that cannot be closed that way is closed all the same, so
// the test never waits on it.
void LookAtAboutAndClose(AboutSeen& seen)
{
    auto* box = qobject_cast<TfmAbout*>(QApplication::activeModalWidget());
    if (box == nullptr) {
        return;
    }
    seen.found = box->objectName() == "fmAbout";
    seen.modal = box->isModal();
    seen.frameless = box->windowFlags().testFlag(Qt::FramelessWindowHint);
    seen.geometry = box->geometry();
    seen.picture = GeometryOf(box, "Image1");
    seen.dragStrip = GeometryOf(box, "imgDrag");
    seen.closeButton = GeometryOf(box, "btnClose");
    seen.textBox = GeometryOf(box, "memoAbout");
    if (auto* text = box->findChild<ConsoleMemo*>("memoAbout")) {
        seen.textReadOnly = text->isReadOnly();
        seen.text = text->toPlainText().split(u'\n');
    }

    QWindow* handle = box->windowHandle();
    const QPoint pressed = box->pos() + QPoint(100, 10);
    const QPoint step(-40, 25);
    QTest::mousePress(handle, Qt::LeftButton, {}, pressed - box->pos());
    QTest::mouseMove(handle, pressed + step - box->pos());
    QTest::mouseRelease(handle, Qt::LeftButton, {}, pressed + step - box->pos());
    seen.draggedGeometry = box->geometry();

    if (auto* close = box->findChild<FlatButton*>("btnClose")) {
        QTest::mouseClick(close, Qt::LeftButton);
    }
    if (box->isVisible()) {
        box->reject();
    }
}

} // namespace

// The Help message and the About box, which leave the conversation alone.
class HelpAboutTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
    }

    void cleanup() { fixture_.reset(); }

    void helpMessage()
    {
        MessageDialog::QueueAnswer(QMessageBox::Ok);
        fixture_->Click("btnHelp");
        const auto answered = MessageDialog::TakeAnswered();
        QCOMPARE(answered.size(), 1u);
        QCOMPARE(answered[0].kind, MessageDialog::Kind::Information);
        const QStringList lines = answered[0].text.split(u'\n');
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Встроенной помощи в бета-версии нет."));
        QCOMPARE(lines[1], QStringLiteral("Пожалуйста обратитесь к файлу помощи"));
        QCOMPARE(lines[2], QStringLiteral("README.TXT или к документации на сайте"));
        QVERIFY(lines[3].startsWith(QStringLiteral("разработчиков - http://")));
    }

    void aboutBoxLivesWhileItIsShown()
    {
        for (int showing = 0; showing < 2; ++showing) {
            AboutSeen seen;
            QTimer::singleShot(0, [&seen] { LookAtAboutAndClose(seen); });
            fixture_->Click("btnAbout");

            QVERIFY(seen.found);
            QVERIFY(seen.modal);
            QVERIFY(seen.frameless);
            // Every showing is a new box at its designed place, wherever the last went.
            QCOMPARE(seen.geometry, QRect(251, 173, 267, 227));
            QCOMPARE(seen.draggedGeometry, QRect(211, 198, 267, 227));
            QCOMPARE(seen.picture, QRect(0, 0, 267, 228));
            QCOMPARE(seen.dragStrip, QRect(0, 0, 265, 33));
            QCOMPARE(seen.closeButton, QRect(90, 183, 100, 25));
            QCOMPARE(seen.textBox, QRect(37, 54, 219, 124));
            QVERIFY(seen.textReadOnly);
            QCOMPARE(seen.text.size(), 9); // eight lines and the place after the last break
            QCOMPARE(seen.text.first(), QStringLiteral("Версия 1.0 бета."));
            QVERIFY(seen.text[3].isEmpty() && seen.text[5].isEmpty());
            QCOMPARE(fixture_->Window().findChildren<TfmAbout*>().size(), 0);
        }
    }

    void pressBelowTheStripDoesNotDrag()
    {
        QPoint before, after;
        QTimer::singleShot(0, [&before, &after] {
            QWidget* box = QApplication::activeModalWidget();
            if (box == nullptr) {
                return;
            }
            before = box->pos();
            QTest::mousePress(box->windowHandle(), Qt::LeftButton, {}, QPoint(100, 40));
            QTest::mouseMove(box->windowHandle(), QPoint(60, 80));
            QTest::mouseRelease(box->windowHandle(), Qt::LeftButton, {}, QPoint(60, 80));
            after = box->pos();
            box->close();
        });
        fixture_->Click("btnAbout");
        QCOMPARE(before, QPoint(251, 173));
        QCOMPARE(after, before);
    }

  private:
    std::unique_ptr<MainWindowFixture> fixture_;
};

static RegisterTestSuite<HelpAboutTest> registerHelpAboutTest;

#include "HelpAboutTest.moc"
