#include <QClipboard>
#include <QFrame>
#include <QTimer>

#include "GifAnimator.h"
#include "ImageControl.h"
#include "MainWindowFixture.h"
#include "TestSuites.h"

// The main window as it first shows: its settings, its controls and how the mouse
// and the keyboard reach them.
class MainWindowTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
    }

    void cleanup() { fixture_.reset(); }

    void windowSettings()
    {
        TfmMain& window = fixture_->Window();
        QCOMPARE(window.windowTitle(), QStringLiteral("VORKAST Толкарь - 1.0 beta"));
        QCOMPARE(window.windowHandle()->title(), QStringLiteral("VORKAST Толкарь - 1.0 beta"));
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Vorkast Толкарь"));
        QVERIFY(window.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(window.geometry(), QRect(93, 26, 640, 479));
        QCOMPARE(window.minimumSize(), window.maximumSize());
        QCOMPARE(window.grab().toImage().pixel(639, 478), qRgb(0, 0, 0));
        QVERIFY(!window.windowIcon().isNull());
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("imgBG") << "imgBG" << QRect(-1, -1, 641, 478) << true;
        QTest::newRow("btnSay") << "btnSay" << QRect(8, 313, 68, 39) << false;
        QTest::newRow("btnNew") << "btnNew" << QRect(7, 371, 68, 40) << true;
        QTest::newRow("btnSave") << "btnSave" << QRect(7, 438, 69, 38) << false;
        QTest::newRow("btnHelp") << "btnHelp" << QRect(576, 324, 48, 28) << true;
        QTest::newRow("btnAbout") << "btnAbout" << QRect(576, 400, 49, 28) << true;
        QTest::newRow("imgSound") << "imgSound" << QRect(528, 96, 105, 97) << true;
        QTest::newRow("btnClose") << "btnClose" << QRect(568, 442, 65, 25) << true;
        QTest::newRow("memoText") << "memoText" << QRect(101, 299, 437, 171) << false;
        QTest::newRow("edText") << "edText" << QRect(143, 242, 361, 24) << true;
        QTest::newRow("Panel1") << "Panel1" << QRect(126, 12, 388, 199) << true;
        QTest::newRow("Animator1 in Panel1") << "Animator1" << QRect(1, 1, 388, 194) << true;
        QTest::newRow("Animator2 in Panel1") << "Animator2" << QRect(1, 1, 388, 194) << true;
    }

    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(bool, enabled);
        QWidget* control = fixture_->Find<QWidget>(qPrintable(name));
        QVERIFY(control != nullptr);
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->isEnabled(), enabled);
        QVERIFY(control->isVisible());
    }

    void zOrderFollowsTheTable()
    {
        const QStringList bottomFirst = {"imgBG",    "btnSay",   "btnNew",   "btnSave",
                                         "btnHelp",  "btnAbout", "imgSound", "btnClose",
                                         "memoText", "edText",   "Panel1"};
        QStringList stacked;
        for (QObject* child : fixture_->Window().children()) {
            if (child->isWidgetType() && bottomFirst.contains(child->objectName())) {
                stacked << child->objectName();
            }
        }
        QCOMPARE(stacked, bottomFirst);
        const QObjectList inPanel = fixture_->Find<QFrame>("Panel1")->children();
        QCOMPARE(inPanel.indexOf(fixture_->Find<GifAnimator>("Animator2")),
                 inPanel.indexOf(fixture_->Find<GifAnimator>("Animator1")) + 1);
    }

    void initialStates()
    {
        ConsoleMemo* view = fixture_->View();
        QVERIFY(view->isReadOnly());
        QVERIFY(fixture_->ViewLines().isEmpty());
        QCOMPARE(view->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(view->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QCOMPARE(view->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QVERIFY(fixture_->Input()->text().isEmpty());
        QCOMPARE(QApplication::focusWidget(), fixture_->Input());
        auto* timer = fixture_->Find<QTimer>("TimerHead");
        QVERIFY(!timer->isActive());
        QCOMPARE(timer->interval(), 5000);
        for (const char* name : {"Animator1", "Animator2"}) {
            auto* animator = fixture_->Find<GifAnimator>(name);
            QVERIFY(animator->isVisible());
            QVERIFY(!animator->Animate());
            QVERIFY(!animator->Loop());
            QCOMPARE(animator->CurrentFrame(), 0);
            QCOMPARE(animator->FrameCount(), 8);
        }
    }

    void textLook_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("conversation view") << "memoText";
        QTest::newRow("input line") << "edText";
    }

    void textLook()
    {
        QFETCH(QString, name);
        QWidget* control = fixture_->Find<QWidget>(qPrintable(name));
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QCOMPARE(control->palette().color(group, QPalette::Text), QColor(0, 255, 0));
            QCOMPARE(control->palette().color(group, QPalette::Base), QColor(0, 0, 0));
        }
        QCOMPARE(control->font().pixelSize(), 13);
        QCOMPARE(control->font().bold(), false);
    }

    void hints()
    {
        QCOMPARE(fixture_->Find<FlatButton>("btnClose")->toolTip(),
                 QStringLiteral("Выйти из программы"));
        auto* sound = fixture_->Find<ImageControl>("imgSound");
        QCOMPARE(sound->toolTip(),
                 QStringLiteral("В данной бета-версии звука нет!\nЖдите обновлений!"));
        QCOMPARE(sound->cursor().shape(), Qt::PointingHandCursor);
        for (const char* name : {"btnSay", "btnNew", "btnSave", "btnHelp", "btnAbout"}) {
            QVERIFY2(fixture_->Find<QWidget>(name)->toolTip().isEmpty(), name);
        }
    }

    void tabOrder()
    {
        QLineEdit* input = fixture_->Input();
        QTest::keyClick(input, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), input); // the view is still disabled

        fixture_->Random().Script({1});
        fixture_->Click("btnNew");
        QCOMPARE(QApplication::focusWidget(), input);
        QTest::keyClick(input, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), fixture_->View());
        QTest::keyClick(fixture_->View(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), input);
    }

    void enterAnswers_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<bool>("answers");
        const Qt::KeyboardModifiers none;
        QTest::newRow("Enter") << int(Qt::Key_Return) << none << true;
        QTest::newRow("Shift+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier) << true;
        QTest::newRow("Ctrl+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier) << true;
        QTest::newRow("Alt+Enter")
            << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier) << true;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
        QTest::newRow("Ctrl+keypad Enter")
            << int(Qt::Key_Enter) << (Qt::KeypadModifier | Qt::ControlModifier) << true;
        QTest::newRow("Space") << int(Qt::Key_Space) << none << false;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << none << false;
    }

    void enterAnswers()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(bool, answers);
        fixture_->Random().Script({1, 1});
        fixture_->Click("btnNew");
        fixture_->Type(QStringLiteral("Привет"));
        QTest::keyClick(fixture_->Input(), Qt::Key(key), modifiers);
        QCOMPARE(fixture_->ViewLines().contains(QStringLiteral("ТЫ: Привет")), answers);
    }

    // A paste keeps the first line of the pasted text; what stood after the cursor stays.
    void pasteKeepsTheFirstLine_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("CR LF") << "" << 0 << "один\r\nдва"
                               << "один" << 4;
        QTest::newRow("LF") << "" << 0 << "один\nдва\nтри"
                            << "один" << 4;
        QTest::newRow("lone CR") << "" << 0 << "один\rдва"
                                 << "один" << 4;
        QTest::newRow("into the middle") << "abcd" << 2 << "XY\nZ"
                                         << "abXYcd" << 4;
        QTest::newRow("break first") << "ab" << 2 << "\nZ"
                                     << "ab" << 2;
        QTest::newRow("one line") << "ab" << 1 << "\tx"
                                  << "a\txb" << 3;
    }

    void pasteKeepsTheFirstLine()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, after);
        QFETCH(int, cursorAfter);
        QLineEdit* input = fixture_->Input();
        input->setText(before);
        input->setCursorPosition(cursor);
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(input, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(input->text(), after);
        QCOMPARE(input->cursorPosition(), cursorAfter);
    }

    // Where a press lands and whether it moves the window: presses pass through
    // disabled controls to the skin, which drags; enabled controls keep theirs.
    void pressMovesWindow_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<bool>("started");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("moves");
        const QPoint skin(300, 285), sayPad(40, 330), view(300, 380), input(300, 250);
        QTest::newRow("bare skin") << skin << false << Qt::LeftButton << true;
        QTest::newRow("bare skin, right button") << skin << false << Qt::RightButton << true;
        QTest::newRow("bare skin, middle button") << skin << false << Qt::MiddleButton << true;
        QTest::newRow("disabled Say pad") << sayPad << false << Qt::LeftButton << true;
        QTest::newRow("disabled Save pad") << QPoint(40, 455) << false << Qt::LeftButton << true;
        QTest::newRow("disabled view") << view << false << Qt::LeftButton << true;
        QTest::newRow("enabled Say pad") << sayPad << true << Qt::LeftButton << false;
        QTest::newRow("enabled Say pad, right button")
            << sayPad << true << Qt::RightButton << false;
        QTest::newRow("enabled view") << view << true << Qt::LeftButton << false;
        QTest::newRow("enabled input line") << input << false << Qt::LeftButton << false;
        QTest::newRow("loudspeaker") << QPoint(580, 140) << false << Qt::LeftButton << false;
        QTest::newRow("head screen") << QPoint(300, 100) << false << Qt::LeftButton << false;
        QTest::newRow("head screen margin") << QPoint(125, 100) << false << Qt::LeftButton << true;
        QTest::newRow("bottom rows") << QPoint(300, 477) << false << Qt::LeftButton << false;
    }

    void pressMovesWindow()
    {
        QFETCH(QPoint, at);
        QFETCH(bool, started);
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, moves);
        if (started) {
            fixture_->Random().Script({1});
            fixture_->Click("btnNew");
        }
        const bool clicksSay = started && at == QPoint(40, 330) && button == Qt::LeftButton;
        if (clicksSay) {
            // With nothing typed, Say answers with the warning.
            MessageDialog::QueueAnswer(QMessageBox::Ok);
        }
        TfmMain& window = fixture_->Window();
        QWindow* handle = window.windowHandle();
        // The pointer moves on the screen; where it is on the window depends on where
        // the window is at that moment.
        const auto local = [&window](QPoint onScreen) { return onScreen - window.pos(); };
        const QPoint before = window.pos();
        const QPoint pressed = before + at;
        const QPoint step(30, 20);
        QTest::mousePress(handle, button, {}, local(pressed));
        QTest::mouseMove(handle, local(pressed + step));
        QTest::mouseRelease(handle, button, {}, local(pressed + step));
        QCOMPARE(window.pos(), moves ? before + step : before);
        // After the release the window no longer follows the pointer.
        const QPoint after = window.pos();
        QTest::mouseMove(handle, local(pressed));
        QCOMPARE(window.pos(), after);
        QCOMPARE(MessageDialog::TakeAnswered().size(), clicksSay ? 1u : 0u);
    }

  private:
    std::unique_ptr<MainWindowFixture> fixture_;
};

static RegisterTestSuite<MainWindowTest> registerMainWindowTest;

#include "MainWindowTest.moc"
