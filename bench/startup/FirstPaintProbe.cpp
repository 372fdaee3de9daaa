// Linked into a program, reports the moment its first window has been painted:
// it prints "painted" on standard output and ends the program, whose peak memory
// the caller then reads.
#include <cstdio>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintProbe : public QObject
{
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            // Queued behind the rest of this repaint and its flush to the screen.
            QTimer::singleShot(0, [] {
                std::puts("painted");
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

void InstallFirstPaintProbe()
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintProbe);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstPaintProbe)
