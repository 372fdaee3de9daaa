#include <QFrame>
#include <QTimer>

#include "GifAnimator.h"
#include "MainWindowFixture.h"
#include "Pictures.h"
#include "TestSuites.h"
#include "UnitAbout.h"

namespace {

constexpr int kRatio = 2;

// The first device pixel, if any, where a picture drawn at 96 pixels per inch does
// not show as whole squares of kRatio × kRatio device pixels of its own colour.
// The picture's top-left lies at origin (logical pixels of the grabbed window), and
// it shows only inside clip, the control that draws it. A see-through picture pixel
// must show seeThrough, or is not looked at without one; nor are pixels inside a
// covering control.
std::optional<QString> PictureMismatch(const QImage& grab, const QImage& picture, QPoint origin,
                                       QRect clip, const QList<QRect>& covered,
                                       std::optional<QRgb> seeThrough)
{
    const QRect shown = clip & QRect(QPoint(0, 0), grab.size() / kRatio);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QPoint at = origin + QPoint(x, y);
            const QRgb source = picture.pixel(x, y);
            const bool opaque = qAlpha(source) == 255;
            if (!shown.contains(at) || (!opaque && !seeThrough) ||
                std::any_of(covered.begin(), covered.end(),
                            [at](const QRect& rect) { return rect.contains(at); })) {
                continue;
            }
            const QRgb wanted = (opaque ? source : *seeThrough) & 0xFFFFFF;
            for (int dy = 0; dy < kRatio; ++dy) {
                for (int dx = 0; dx < kRatio; ++dx) {
                    const QPoint device = at * kRatio + QPoint(dx, dy);
                    const QRgb seen = grab.pixel(device) & 0xFFFFFF;
                    if (seen != wanted) {
                        return QStringLiteral("picture (%1, %2) at device (%3, %4): %5, not %6")
                            .arg(x)
                            .arg(y)
                            .arg(device.x())
                            .arg(device.y())
                            .arg(seen, 6, 16, QChar('0'))
                            .arg(wanted, 6, 16, QChar('0'));
                    }
                }
            }
        }
    }
    return std::nullopt;
}

// Aligned kRatio × kRatio squares of device pixels that hold more than one colour:
// none where a picture made for one density was blown up, many where text is drawn
// at the device's own resolution.
int SquaresOfMixedColour(const QImage& image)
{
    int mixed = 0;
    for (int y = 0; y + kRatio <= image.height(); y += kRatio) {
        for (int x = 0; x + kRatio <= image.width(); x += kRatio) {
            const QRgb first = image.pixel(x, y);
            bool same = true;
            for (int dy = 0; dy < kRatio && same; ++dy) {
                for (int dx = 0; dx < kRatio && same; ++dx) {
                    same = image.pixel(x + dx, y + dy) == first;
                }
            }
            mixed += same ? 0 : 1;
        }
    }
    return mixed;
}

QImage Picture(const QString& resource)
{
    return QImage(resource).convertToFormat(QImage::Format_ARGB32);
}

QImage DeviceGrab(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// The window at twice the pixel density (this suite runs with QT_SCALE_FACTOR=2):
// twice the size in device pixels, each control over its painted place, the
// pictures as sharp squares and the text drawn at the device's resolution.
class HighDensityTest : public QObject
{
    Q_OBJECT

  private slots:
    void initTestCase() { QCOMPARE(qApp->devicePixelRatio(), qreal(kRatio)); }

    void init()
    {
        flashTime_ = QApplication::cursorFlashTime();
        fixture_ = std::make_unique<MainWindowFixture>();
        QVERIFY(fixture_->Shown());
    }

    void cleanup()
    {
        fixture_.reset();
        QApplication::setCursorFlashTime(flashTime_);
    }

    void windowIsTwiceTheSize()
    {
        TfmMain& window = fixture_->Window();
        QCOMPARE(window.devicePixelRatio(), kRatio);
        QCOMPARE(window.geometry(), QRect(93, 26, 640, 479));
        const QPixmap grab = window.grab();
        QCOMPARE(grab.size(), QSize(1280, 958));
        QCOMPARE(grab.devicePixelRatio(), qreal(kRatio));
        // The task bar gets a picture drawn at least as large as it shows.
        const QIcon icon = window.windowIcon();
        QCOMPARE(icon.pixmap(QSize(48, 48), kRatio).size(), QSize(96, 96));
        QVERIFY(icon.availableSizes().contains(QSize(128, 128)));
    }

    // The skin shows through the flat buttons and the loudspeaker, which draw
    // nothing at rest; only the view, the input line and the head screen cover it.
    void skinLiesOnItsPlace()
    {
        const QList<QRect> covered = {fixture_->View()->geometry(), fixture_->Input()->geometry(),
                                      fixture_->Find<QFrame>("Panel1")->geometry()};
        const QImage grab = DeviceGrab(fixture_->Window());
        const auto skin =
            PictureMismatch(grab, Picture(Pictures::kSkin), QPoint(-1, -1),
                            fixture_->Find<QWidget>("imgBG")->geometry(), covered, qRgb(0, 0, 0));
        QVERIFY2(!skin, qPrintable(skin.value_or(QString())));
        // Columns 638 and 639 and rows 477 and 478 lie beyond the picture: black.
        QImage column(QSize(2, 479), QImage::Format_ARGB32);
        column.fill(Qt::black);
        QImage row(QSize(640, 2), QImage::Format_ARGB32);
        row.fill(Qt::black);
        for (const auto& [strip, at] : {std::pair{column, QPoint(638, 0)}, {row, QPoint(0, 477)}}) {
            const auto black =
                PictureMismatch(grab, strip, at, QRect(at, strip.size()), {}, std::nullopt);
            QVERIFY2(!black, qPrintable(black.value_or(QString())));
        }
    }

    // Animator2 lies on top; where its frame is see-through Animator1 shows, so only
    // its opaque pixels are looked at. The head screen cuts off its last column.
    void headLiesOnItsPlace()
    {
        auto* top = fixture_->Find<GifAnimator>("Animator2");
        const QImage frame = top->CurrentImage().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(!frame.isNull());
        const QPoint origin = top->mapTo(&fixture_->Window(), QPoint(0, 0));
        QCOMPARE(origin, QPoint(127, 13));
        const auto head =
            PictureMismatch(DeviceGrab(fixture_->Window()), frame, origin,
                            fixture_->Find<QFrame>("Panel1")->geometry(), {}, std::nullopt);
        QVERIFY2(!head, qPrintable(head.value_or(QString())));
    }

    void aboutPictureLiesOnItsPlace()
    {
        std::optional<QString> mismatch = QStringLiteral("the About box did not open");
        QTimer::singleShot(0, [&mismatch] {
            auto* box = qobject_cast<TfmAbout*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            QWidget* text = box->findChild<QWidget*>("memoAbout");
            mismatch = PictureMismatch(DeviceGrab(*box), Picture(Pictures::kAbout), QPoint(0, 0),
                                       box->rect(), {text->geometry()}, qRgb(0, 0, 0));
            box->close();
        });
        fixture_->Click("btnAbout");
        QVERIFY2(!mismatch, qPrintable(mismatch.value_or(QString())));
    }

    // What the view, the input line and the head screen draw lands at twice their
    // place in the window, and the texts are drawn at the device's resolution.
    void controlsPaintAtTwiceTheirPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("text");
        QTest::newRow("conversation view") << "memoText" << true;
        QTest::newRow("input line") << "edText" << true;
        QTest::newRow("head screen") << "Panel1" << false;
    }

    void controlsPaintAtTwiceTheirPlace()
    {
        QFETCH(QString, name);
        QFETCH(bool, text);
        QApplication::setCursorFlashTime(0); // a steady caret: both grabs see the same
        fixture_->Random().Script({1, 1});
        fixture_->Click("btnNew");
        fixture_->Say(QStringLiteral("Привет"));
        fixture_->Type(QStringLiteral("Кто ты?"));

        QWidget* control = fixture_->Find<QWidget>(qPrintable(name));
        const QImage own = DeviceGrab(*control);
        QCOMPARE(own.size(), control->size() * kRatio);
        // Inside the 2-pixel frame: the input line's frame lets the skin show through
        // in the window but the plain window colour in a grab of its own.
        const QRect inner = QRect(QPoint(0, 0), control->size()).adjusted(2, 2, -2, -2);
        const QPoint place = control->mapTo(&fixture_->Window(), QPoint(0, 0));
        const QImage inWindow =
            DeviceGrab(fixture_->Window())
                .copy(QRect((place + inner.topLeft()) * kRatio, inner.size() * kRatio));
        QVERIFY(inWindow == own.copy(QRect(inner.topLeft() * kRatio, inner.size() * kRatio)));
        if (text) {
            QVERIFY2(SquaresOfMixedColour(own) > 50,
                     "the text looks blown up from a picture of half the size");
        }
    }

    // The hover frame of a flat button runs along its outer edge, one logical pixel
    // (two device pixels) wide, and nowhere else.
    void hoverFrameHugsTheButton()
    {
        auto* button = fixture_->Find<FlatButton>("btnNew");
        const QImage atRest = DeviceGrab(fixture_->Window());
        // Into the window over bare skin first, then onto the button.
        QTest::mouseMove(fixture_->Window().windowHandle(), QPoint(300, 285));
        QTest::mouseMove(fixture_->Window().windowHandle(), button->geometry().center());
        QCOMPARE(button->CurrentFrame(), FlatButton::Frame::Raised);
        const QImage hovered = DeviceGrab(fixture_->Window());

        const QRect device(button->geometry().topLeft() * kRatio, button->size() * kRatio);
        const QRect inside = device.adjusted(kRatio, kRatio, -kRatio, -kRatio);
        QRect changed;
        for (int y = 0; y < hovered.height(); ++y) {
            for (int x = 0; x < hovered.width(); ++x) {
                if (hovered.pixel(x, y) != atRest.pixel(x, y)) {
                    QVERIFY2(
                        !inside.contains(x, y),
                        qPrintable(
                            QStringLiteral("(%1, %2) changed inside the frame").arg(x).arg(y)));
                    changed |= QRect(x, y, 1, 1);
                }
            }
        }
        QCOMPARE(changed, device);
        const QRgb light = button->palette().color(QPalette::Light).rgb() & 0xFFFFFF;
        const int middle = device.center().x();
        for (int row = 0; row < kRatio; ++row) {
            QCOMPARE(hovered.pixel(middle, device.top() + row) & 0xFFFFFF, light);
        }
    }

  private:
    std::unique_ptr<MainWindowFixture> fixture_;
    int flashTime_ = 0;
};

static RegisterTestSuite<HighDensityTest> registerHighDensityTest;

#include "HighDensityTest.moc"
