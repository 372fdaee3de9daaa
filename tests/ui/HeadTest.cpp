#include <QTimer>

#include "FireTimer.h"
#include "GifAnimator.h"
#include "MainWindowFixture.h"
#include "TestSuites.h"

namespace {

// Records the order in which the animators are shown and hidden.
class VisibilityLog : public QObject
{
  public:
    QStringList entries;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            entries << (event->type() == QEvent::Show ? "show " : "hide ") + watched->objectName();
        }
        return false;
    }
};

} // namespace

// The head timer and the two head animations.
class HeadTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
    }

    void cleanup() { fixture_.reset(); }

    void tickPlaysOneHead_data()
    {
        QTest::addColumn<qint64>("draw");
        QTest::addColumn<QString>("played");
        QTest::addColumn<QString>("hidden");
        QTest::newRow("draw 1") << qint64(1) << "Animator1"
                                << "Animator2";
        QTest::newRow("draw 0") << qint64(0) << "Animator2"
                                << "Animator1";
    }

    void tickPlaysOneHead()
    {
        QFETCH(qint64, draw);
        QFETCH(QString, played);
        QFETCH(QString, hidden);
        MainWindowFixture& f = *fixture_;
        f.Random().Script({1, draw});
        f.Click("btnNew");
        f.Random().log.clear();
        Fire(Timer());
        QCOMPARE(f.Random().log, (std::vector<std::string>{"seed", "draw 2"}));
        auto* playing = f.Find<GifAnimator>(qPrintable(played));
        auto* other = f.Find<GifAnimator>(qPrintable(hidden));
        QVERIFY(playing->isVisible());
        QVERIFY(playing->Animate());
        QVERIFY(!other->isVisible());
        QVERIFY(!other->Animate());

        QTimer* frames = playing->findChild<QTimer*>("frameTimer");
        for (int step = 0; step < 8; ++step) {
            Fire(frames);
        }
        QCOMPARE(playing->CurrentFrame(), 0);
        QVERIFY(!playing->Animate());
    }

    void theChosenHeadIsShownBeforeTheOtherIsHidden()
    {
        MainWindowFixture& f = *fixture_;
        f.Random().Script({1, 1, 0});
        f.Click("btnNew");
        Fire(Timer()); // Animator1 alone is visible now
        VisibilityLog log;
        for (const char* name : {"Animator1", "Animator2"}) {
            f.Find<GifAnimator>(name)->installEventFilter(&log);
        }
        Fire(Timer());
        QCOMPARE(log.entries, QStringList({"show Animator2", "hide Animator1"}));
    }

    void timerRunsFromTheFirstStartOnAndIsNeverRestarted()
    {
        MainWindowFixture& f = *fixture_;
        QVERIFY(!Timer()->isActive());
        f.Random().Script({1, 1, 1, 1});
        f.Click("btnNew");
        QVERIFY(Timer()->isActive());
        QCOMPARE(Timer()->interval(), 5000);
        const int running = Timer()->timerId();
        f.Say(QStringLiteral("Пока"));
        f.Click("btnNew");
        QCOMPARE(Timer()->timerId(), running);
    }

  private:
    QTimer* Timer() { return fixture_->Find<QTimer>("TimerHead"); }

    std::unique_ptr<MainWindowFixture> fixture_;
};

static RegisterTestSuite<HeadTest> registerHeadTest;

#include "HeadTest.moc"
