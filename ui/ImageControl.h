#pragma once

#include <QAccessible>
#include <QPixmap>
#include <QWidget>

// A picture on a window, drawn unscaled at its top-left corner; without a picture
// it is an invisible hot spot. It takes every mouse press that reaches it and
// reports it, so a press on it never falls through to what lies beneath.
class ImageControl : public QWidget
{
    Q_OBJECT

  public:
    explicit ImageControl(QWidget* parent = nullptr);

    void SetPicture(const QPixmap& picture);
    const QPixmap& Picture() const { return picture_; }

    // What a screen reader calls it: a picture unless its window says otherwise.
    QAccessible::Role AccessibleRole() const { return accessibleRole_; }
    void SetAccessibleRole(QAccessible::Role role) { accessibleRole_ = role; }

  signals:
    void mouseDown(QMouseEvent* event);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QPixmap picture_;
    QAccessible::Role accessibleRole_ = QAccessible::Graphic;
};
