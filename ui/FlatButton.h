#pragma once

#include <QWidget>

// A flat, transparent push button with no caption: it lies over a face painted
// on the skin and draws nothing but a one-pixel frame while the pointer is over it
// (raised) or while it is held down (sunken). It never takes the keyboard focus.
class FlatButton : public QWidget
{
    Q_OBJECT

  public:
    explicit FlatButton(QWidget* parent = nullptr);

    enum class Frame
    {
        None,
        Raised,
        Sunken
    };
    // The frame the button draws in its present state.
    Frame CurrentFrame() const;

    // Clicks an enabled button as the left mouse button does; for screen readers.
    void click();

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    bool PointerOver() const;

    bool held_ = false;     // the left button went down on us and is still down
    bool heldOver_ = false; // ... and the pointer is over us now
};
