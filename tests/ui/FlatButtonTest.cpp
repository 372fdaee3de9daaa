#include "FlatButton.h"

#include <QSignalSpy>
#include <QTest>

#include "TestSuites.h"

namespace {

// What a user does to the button, as a string of steps: "press", "release",
// "off" (pointer leaves while held), "on" (pointer comes back), "dclick",
// "rpress"/"rrelease" and "mpress"/"mrelease" for the right and middle buttons.
void Perform(FlatButton& button, const QString& steps)
{
    const QPoint inside(button.width() / 2, button.height() / 2);
    const QPoint outside(button.width() + 20, button.height() / 2);
    QPoint at = inside;
    for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
        if (step == "press") {
            QTest::mousePress(&button, Qt::LeftButton, {}, at);
        } else if (step == "release") {
            QTest::mouseRelease(&button, Qt::LeftButton, {}, at);
        } else if (step == "off" || step == "on") {
            at = step == "off" ? outside : inside;
            QTest::mouseMove(&button, at);
        } else if (step == "dclick") {
            QTest::mouseDClick(&button, Qt::LeftButton, {}, at);
        } else if (step == "rpress" || step == "rrelease") {
            step == "rpress" ? QTest::mousePress(&button, Qt::RightButton, {}, at)
                             : QTest::mouseRelease(&button, Qt::RightButton, {}, at);
        } else if (step == "mpress" || step == "mrelease") {
            step == "mpress" ? QTest::mousePress(&button, Qt::MiddleButton, {}, at)
                             : QTest::mouseRelease(&button, Qt::MiddleButton, {}, at);
        } else {
            QFAIL(qPrintable("unknown step " + step));
        }
    }
}

// The colour on screen at a point of the button, with the window beneath it.
QRgb PixelAt(FlatButton& button, QPoint point)
{
    return button.window()->grab().toImage().pixel(button.mapTo(button.window(), point));
}

const QRgb kWindowColour = qRgb(10, 20, 30);

} // namespace

class FlatButtonTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        window_ = std::make_unique<QWidget>();
        window_->resize(200, 100);
        QPalette colours = window_->palette();
        colours.setColor(QPalette::Window, QColor(10, 20, 30));
        window_->setPalette(colours);
        window_->setAutoFillBackground(true);
        button_ = new FlatButton(window_.get());
        button_->setGeometry(10, 10, 60, 30);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup()
    {
        // Let go of whatever a row left held, away from the button, so the next row
        // starts with the pointer outside it.
        const QPoint away(150, 80);
        for (const Qt::MouseButton held : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
            QTest::mouseRelease(window_.get(), held, {}, away);
        }
        QTest::mouseMove(window_.get(), away);
        window_.reset();
    }

    void clicks_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("clicks");
        QTest::newRow("press and release over it") << true << "press release" << 1;
        QTest::newRow("released off it") << true << "press off release" << 0;
        QTest::newRow("moved off and back") << true << "press off on release" << 1;
        QTest::newRow("double-click clicks twice") << true << "press release dclick release" << 2;
        QTest::newRow("right button") << true << "rpress rrelease" << 0;
        QTest::newRow("middle button") << true << "mpress mrelease" << 0;
        QTest::newRow("disabled") << false << "press release" << 0;
    }

    void clicks()
    {
        QFETCH(bool, enabled);
        QFETCH(QString, steps);
        QFETCH(int, clicks);
        button_->setEnabled(enabled);
        QSignalSpy clicked(button_, &FlatButton::clicked);
        Perform(*button_, steps);
        QCOMPARE(clicked.count(), clicks);
    }

    void frames_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("frame");
        using F = FlatButton::Frame;
        QTest::newRow("at rest") << true << "" << int(F::None);
        QTest::newRow("hovered") << true << "on" << int(F::Raised);
        QTest::newRow("held over it") << true << "on press" << int(F::Sunken);
        QTest::newRow("held, pointer off") << true << "on press off" << int(F::Raised);
        QTest::newRow("held, pointer back") << true << "on press off on" << int(F::Sunken);
        QTest::newRow("after the click") << true << "on press release" << int(F::Raised);
        QTest::newRow("right button held") << true << "on rpress" << int(F::Raised);
        QTest::newRow("disabled, hovered") << false << "on" << int(F::None);
        QTest::newRow("disabled, held") << false << "on press" << int(F::None);
    }

    void frames()
    {
        QFETCH(bool, enabled);
        QFETCH(QString, steps);
        QFETCH(int, frame);
        button_->setEnabled(enabled);
        QVERIFY(!button_->underMouse());
        Perform(*button_, steps);
        QCOMPARE(int(button_->CurrentFrame()), frame);
    }

    void paintsFrameInSystemColours_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QPalette::ColorRole>("topLeft");
        QTest::addColumn<QPalette::ColorRole>("bottomRight");
        QTest::newRow("raised") << "on" << QPalette::Light << QPalette::Dark;
        QTest::newRow("sunken") << "on press" << QPalette::Shadow << QPalette::Light;
    }

    void paintsFrameInSystemColours()
    {
        QFETCH(QString, steps);
        QFETCH(QPalette::ColorRole, topLeft);
        QFETCH(QPalette::ColorRole, bottomRight);
        Perform(*button_, steps);
        const QPalette& colours = button_->palette();
        const QPoint last(button_->width() - 1, button_->height() - 1);
        QCOMPARE(PixelAt(*button_, QPoint(0, 0)), colours.color(topLeft).rgb());
        QCOMPARE(PixelAt(*button_, QPoint(0, last.y() - 1)), colours.color(topLeft).rgb());
        QCOMPARE(PixelAt(*button_, last), colours.color(bottomRight).rgb());
        QCOMPARE(PixelAt(*button_, QPoint(last.x(), 1)), colours.color(bottomRight).rgb());
        // Inside the frame the window beneath shows through.
        QCOMPARE(PixelAt(*button_, QPoint(5, 5)), kWindowColour);
    }

    void drawsNothingAtRest()
    {
        for (const QPoint point : {QPoint(0, 0), QPoint(59, 29), QPoint(30, 15)}) {
            QCOMPARE(PixelAt(*button_, point), kWindowColour);
        }
    }

    void neverTakesFocus()
    {
        auto* other = new QWidget(window_.get());
        other->setFocusPolicy(Qt::StrongFocus);
        other->setGeometry(100, 10, 40, 20);
        other->show();
        other->setFocus();
        Perform(*button_, "press release");
        QCOMPARE(QApplication::focusWidget(), other);
        QCOMPARE(button_->focusPolicy(), Qt::NoFocus);
    }

  private:
    std::unique_ptr<QWidget> window_;
    FlatButton* button_ = nullptr;
};

static RegisterTestSuite<FlatButtonTest> registerFlatButtonTest;

#include "FlatButtonTest.moc"
