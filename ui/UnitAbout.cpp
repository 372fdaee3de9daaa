#include "UnitAbout.h"

#include "ConsoleLook.h"
#include "ConsoleMemo.h"
#include "ErrorGuard.h"
#include "FlatButton.h"
#include "ImageControl.h"
#include "Pictures.h"
#include "Placed.h"
#include "WindowDrag.h"

namespace {

constexpr int kTextPixelSize = 11;

const QStringList kAboutLines = {
    QStringLiteral("Версия 1.0 бета."),
    QStringLiteral("Авторы: Кир Ветров и Ян Полесский."),
    QStringLiteral("Группа \"Ржавый байт\", 2000 г."),
    QString(),
    QStringLiteral("Посвящается всем фанатам Vorkast."),
    QString(),
    QStringLiteral("E-mail: tolkar@example.org"),
    QStringLiteral("WWW: http://tolkar.example.org/"),
};

} // namespace

TfmAbout::TfmAbout(QWidget* owner) : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName("fmAbout");
    setWindowTitle(QStringLiteral("fmAbout"));
    setFixedSize(267, 227);
    move(251, 173);
    setFont(SansFont(kTextPixelSize));

    Image1 = Placed(new ImageControl(this), "Image1", 0, 0, 267, 228);
    Image1->SetPicture(QPixmap(Pictures::kAbout));
    imgDrag = Placed(new ImageControl(this), "imgDrag", 0, 0, 265, 33);
    imgDrag->SetAccessibleRole(QAccessible::TitleBar);
    btnClose = Placed(new FlatButton(this), "btnClose", 90, 183, 100, 25);
    btnClose->setAccessibleName(QStringLiteral("Закрыть"));
    memoAbout = Placed(new ConsoleMemo(kTextPixelSize, this), "memoAbout", 37, 54, 219, 124);
    memoAbout->setAccessibleName(QStringLiteral("О программе"));
    for (const QString& line : kAboutLines) {
        memoAbout->AppendLine(line);
    }
    memoAbout->moveCursor(QTextCursor::Start);

    connect(imgDrag, &ImageControl::mouseDown, this, &TfmAbout::imgDragMouseDown);
    connect(btnClose, &FlatButton::clicked, this, &TfmAbout::btnCloseClick);
}

void TfmAbout::imgDragMouseDown(QMouseEvent* event)
{
    RunGuarded([this, event] { StartWindowDrag(this, event); });
}

void TfmAbout::btnCloseClick()
{
    RunGuarded([this] { done(1); });
}
