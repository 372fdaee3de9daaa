#include "AccessibleControls.h"

#include <QAccessibleWidget>
#include <QToolTip>

#include "FlatButton.h"
#include "ImageControl.h"

namespace {

// A flat button is a push button whose press action clicks it, as the left mouse
// button does; a disabled one is reported disabled and does nothing.
class FlatButtonAccessible : public QAccessibleWidget
{
  public:
    explicit FlatButtonAccessible(FlatButton* button)
        : QAccessibleWidget(button, QAccessible::Button)
    {
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override
    {
        if (actionName == pressAction()) {
            static_cast<FlatButton*>(widget())->click();
        }
    }
};

// An image control in the role its window gave it. One that stands for a button
// (the loudspeaker) answers a press with its hint, which is all that pointing at it
// shows a sighted user.
class ImageControlAccessible : public QAccessibleWidget
{
  public:
    explicit ImageControlAccessible(ImageControl* image) : QAccessibleWidget(image) {}

    // Read at each query: the interface may be made before the window sets the role.
    QAccessible::Role role() const override
    {
        return static_cast<const ImageControl*>(widget())->AccessibleRole();
    }

    QStringList actionNames() const override
    {
        return role() == QAccessible::Button ? QStringList{pressAction()} : QStringList{};
    }

    void doAction(const QString& actionName) override
    {
        QWidget* const image = widget();
        if (actionName == pressAction() && role() == QAccessible::Button &&
            !image->toolTip().isEmpty()) {
            QToolTip::showText(image->mapToGlobal(image->rect().center()), image->toolTip(), image);
        }
    }
};

QAccessibleInterface* MakeInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("FlatButton")) {
        return new FlatButtonAccessible(static_cast<FlatButton*>(object));
    }
    if (className == QLatin1String("ImageControl")) {
        return new ImageControlAccessible(static_cast<ImageControl*>(object));
    }
    return nullptr;
}

} // namespace

void InstallAccessibleControls()
{
    static const bool installed = [] {
        QAccessible::installFactory(MakeInterface);
        return true;
    }();
    (void)installed;
}
