#pragma once

#include <QDialog>

class ConsoleMemo;
class FlatButton;
class ImageControl;

// The About box: a frameless painted picture with the version and the credits,
// dragged by its top strip and closed by its painted "Закрыть" button.
class TfmAbout : public QDialog
{
    Q_OBJECT

  public:
    explicit TfmAbout(QWidget* owner);

  private:
    void imgDragMouseDown(QMouseEvent* event);
    void btnCloseClick();

    ImageControl* Image1;
    ImageControl* imgDrag;
    FlatButton* btnClose;
    ConsoleMemo* memoAbout;
};
