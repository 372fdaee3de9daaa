#include "GifAnimator.h"

#include <QPainter>
#include <QTest>

#include "FireTimer.h"
#include "Pictures.h"
#include "TestSuites.h"

// The animator plays the head pictures: eight frames of 250 ms each.
class GifAnimatorTest : public QObject
{
    Q_OBJECT

  private slots:
    void init()
    {
        parent_ = std::make_unique<QWidget>();
        animator_ = new GifAnimator(parent_.get());
        animator_->LoadImage(Pictures::kHead2);
        animator_->SetLoop(false);
        parent_->show();
        QVERIFY(QTest::qWaitForWindowExposed(parent_.get()));
    }

    void cleanup() { parent_.reset(); }

    void loadsEveryFrame()
    {
        QCOMPARE(animator_->FrameCount(), 8);
        QCOMPARE(animator_->size(), QSize(388, 194));
        QCOMPARE(animator_->CurrentFrame(), 0);
        QVERIFY(!animator_->Animate());
        QVERIFY(!FrameTimer()->isActive());
    }

    void playGoesOnceRoundAndStops_data()
    {
        QTest::addColumn<bool>("loop");
        QTest::addColumn<bool>("animatesAfterRound");
        QTest::newRow("looping off") << false << false;
        QTest::newRow("looping on") << true << true;
    }

    void playGoesOnceRoundAndStops()
    {
        QFETCH(bool, loop);
        QFETCH(bool, animatesAfterRound);
        animator_->SetLoop(loop);
        animator_->SetAnimate(true);
        QList<int> shown;
        for (int step = 0; step < 8; ++step) {
            QVERIFY(FrameTimer()->isActive());
            QCOMPARE(FrameTimer()->interval(), 250);
            Fire(FrameTimer());
            shown << animator_->CurrentFrame();
        }
        QCOMPARE(shown, QList<int>({1, 2, 3, 4, 5, 6, 7, 0}));
        QCOMPARE(animator_->Animate(), animatesAfterRound);
        QCOMPARE(FrameTimer()->isActive(), animatesAfterRound);
    }

    void replaysFromTheFirstFrame()
    {
        PlayRound();
        animator_->SetAnimate(true);
        Fire(FrameTimer());
        QCOMPARE(animator_->CurrentFrame(), 1);
    }

    void startingAPlayingAnimatorChangesNothing()
    {
        animator_->SetAnimate(true);
        Fire(FrameTimer());
        Fire(FrameTimer());
        animator_->SetAnimate(true);
        QCOMPARE(animator_->CurrentFrame(), 2);
        Fire(FrameTimer());
        QCOMPARE(animator_->CurrentFrame(), 3);
    }

    void hiddenIsFrozen()
    {
        animator_->SetAnimate(true);
        Fire(FrameTimer());
        animator_->setVisible(false);
        QVERIFY(animator_->Animate());
        QVERIFY(!FrameTimer()->isActive());
        animator_->setVisible(true);
        QVERIFY(FrameTimer()->isActive());
        QCOMPARE(animator_->CurrentFrame(), 1);
        Fire(FrameTimer());
        QCOMPARE(animator_->CurrentFrame(), 2);
    }

    void drawsTheCurrentFrame()
    {
        animator_->SetAnimate(true);
        Fire(FrameTimer());
        QImage shown = animator_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected(animator_->size(), QImage::Format_RGB32);
        expected.fill(shown.pixel(0, 0)); // the parent's background behind the see-through parts
        {
            QPainter painter(&expected);
            painter.drawImage(0, 0, animator_->CurrentImage());
        }
        QCOMPARE(shown, expected);
    }

  private:
    QTimer* FrameTimer() { return animator_->findChild<QTimer*>("frameTimer"); }

    void PlayRound()
    {
        animator_->SetAnimate(true);
        for (int step = 0; step < 8; ++step) {
            Fire(FrameTimer());
        }
    }

    std::unique_ptr<QWidget> parent_;
    GifAnimator* animator_ = nullptr;
};

static RegisterTestSuite<GifAnimatorTest> registerGifAnimatorTest;

#include "GifAnimatorTest.moc"
