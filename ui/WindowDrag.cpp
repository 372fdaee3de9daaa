#include "WindowDrag.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

// Follows the pointer until every mouse button is up, eating the mouse events of
// the application meanwhile so nothing beneath starts a selection or a click.
class PointerFollower : public QObject
{
  public:
    PointerFollower(QWidget* window, QPoint pressGlobal)
        : QObject(window), window_(window), offset_(pressGlobal - window->pos())
    {
        qApp->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseMove:
            window_->move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - offset_);
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                deleteLater();
            }
            return true;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        default:
            return false;
        }
    }

  private:
    QWidget* window_;
    QPoint offset_;
};

} // namespace

void StartWindowDrag(QWidget* window, const QMouseEvent* press)
{
    QWindow* handle = window->windowHandle();
    if (handle != nullptr && handle->startSystemMove()) {
        return;
    }
    new PointerFollower(window, press->globalPosition().toPoint());
}
