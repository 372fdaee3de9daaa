#pragma once

#include <optional>

#include <QWidget>

#include "DialogView.h"
#include "Dialogue.h"
#include "RandomSource.h"

class ConsoleMemo;
class FlatButton;
class GifAnimator;
class ImageControl;
class QFrame;
class QLineEdit;
class QTimer;
class SaveDialog;

// The main window: a frameless painted console with the conversation view, the
// input line, the talking head and the flat buttons over their painted faces.
// It shows what the dialogue does and hands it the user's actions.
class TfmMain : public QWidget, public tolkar::DialogView
{
    Q_OBJECT

  public:
    explicit TfmMain(tolkar::RandomSource& random, QWidget* parent = nullptr);
    ~TfmMain() override;

    // What the dialogue does to the window; texts are Windows-1251.
    void AppendLine(const std::string& line) override;
    void ClearLines() override;
    void EnableView() override;
    std::string InputText() const override;
    void ClearInputText() override;
    void SetInputEnabled(bool enabled) override;
    void FocusInput() override;
    void EnableSay() override;
    void EnableSave() override;
    void StartTimer() override;
    void ShowWarning(const std::string& text) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Presses that pass through a disabled control lying over the skin end here.
    void mousePressEvent(QMouseEvent* event) override;

  private:
    void btnSayClick();
    void btnSaveClick();
    void btnNewClick();
    void FormCreate();
    void TimerHeadTimer();
    void btnAboutClick();
    void edTextKeyDown(int key, Qt::KeyboardModifiers shift);
    void btnHelpClick();
    void btnCloseClick();
    void imgBGMouseDown(QMouseEvent* event);

    QTimer* TimerHead;
    ImageControl* imgBG;
    FlatButton* btnSay;
    FlatButton* btnNew;
    FlatButton* btnSave;
    FlatButton* btnHelp;
    FlatButton* btnAbout;
    ImageControl* imgSound;
    FlatButton* btnClose;
    ConsoleMemo* memoText;
    QLineEdit* edText;
    QFrame* Panel1;
    GifAnimator* Animator1;
    GifAnimator* Animator2;
    SaveDialog* SaveDialog1;

    tolkar::RandomSource& random_;
    std::optional<tolkar::Dialogue> dialogue_;
};
