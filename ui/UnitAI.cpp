#include "UnitAI.h"

#include <future>

#include <QDate>
#include <QFrame>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTimer>

#include "ConsoleLook.h"
#include "ConsoleMemo.h"
#include "ConversationLog.h"
#include "Cp1251.h"
#include "ErrorGuard.h"
#include "FirstLineOnly.h"
#include "FlatButton.h"
#include "GifAnimator.h"
#include "ImageControl.h"
#include "MessageDialog.h"
#include "Pictures.h"
#include "Placed.h"
#include "SaveDialog.h"
#include "UnitAbout.h"
#include "WindowDrag.h"

namespace {

constexpr int kHeadIntervalMs = 5000;
constexpr int kTextPixelSize = 13;
constexpr int kWindowFontPixelSize = 11;

const QString kHelpText = QStringLiteral("Встроенной помощи в бета-версии нет.\r"
                                         "Пожалуйста обратитесь к файлу помощи\r"
                                         "README.TXT или к документации на сайте\r"
                                         "разработчиков - http://tolkar.example.org/");

QString FromCp1251(const std::string& text)
{
    return QString::fromStdString(tolkar::Cp1251ToUtf8(text));
}

// The painted label on the skin is the button's name for a screen reader.
FlatButton* NewFlatButton(QWidget* window, bool enabled, const QString& label)
{
    auto* button = new FlatButton(window);
    button->setEnabled(enabled);
    button->setAccessibleName(label);
    return button;
}

} // namespace

TfmMain::TfmMain(tolkar::RandomSource& random, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), random_(random)
{
    setObjectName("fmMain");
    setWindowTitle(QStringLiteral("VORKAST Толкарь - 1.0 beta"));
    setFixedSize(640, 479);
    move(93, 26);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(SansFont(kWindowFontPixelSize));

    TimerHead = new QTimer(this);
    TimerHead->setObjectName("TimerHead");
    TimerHead->setInterval(kHeadIntervalMs);

    // The pictures decode on the other cores while the fonts load here.
    std::future<QImage> skin =
        std::async(std::launch::async, [] { return QImage(Pictures::kSkin); });
    std::future<GifAnimator::Frame> head1 =
        std::async(std::launch::async, &GifAnimator::ReadFirstFrame, Pictures::kHead1);
    std::future<GifAnimator::Frame> head2 =
        std::async(std::launch::async, &GifAnimator::ReadFirstFrame, Pictures::kHead2);
    imgBG = Placed(new ImageControl(this), "imgBG", -1, -1, 641, 478);
    btnSay =
        Placed(NewFlatButton(this, false, QStringLiteral("Сказать")), "btnSay", 8, 313, 68, 39);
    btnNew = Placed(NewFlatButton(this, true, QStringLiteral("Начать")), "btnNew", 7, 371, 68, 40);
    btnSave =
        Placed(NewFlatButton(this, false, QStringLiteral("В файл")), "btnSave", 7, 438, 69, 38);
    btnHelp =
        Placed(NewFlatButton(this, true, QStringLiteral("Help")), "btnHelp", 576, 324, 48, 28);
    btnAbout =
        Placed(NewFlatButton(this, true, QStringLiteral("About")), "btnAbout", 576, 400, 49, 28);
    imgSound = Placed(new ImageControl(this), "imgSound", 528, 96, 105, 97);
    imgSound->setCursor(Qt::PointingHandCursor);
    imgSound->setToolTip(QStringLiteral("В данной бета-версии звука нет!\nЖдите обновлений!"));
    imgSound->setAccessibleName(QStringLiteral("Звук"));
    imgSound->SetAccessibleRole(QAccessible::Button);
    btnClose = Placed(NewFlatButton(this, true, QStringLiteral("Выйти из программы")), "btnClose",
                      568, 442, 65, 25);
    btnClose->setToolTip(btnClose->accessibleName());

    memoText = Placed(new ConsoleMemo(kTextPixelSize, this), "memoText", 101, 299, 437, 171);
    memoText->setEnabled(false);
    memoText->setAccessibleName(QStringLiteral("Разговор"));
    edText = Placed(new QLineEdit(this), "edText", 143, 242, 361, 24);
    ApplyConsoleLook(edText, kTextPixelSize);
    edText->setValidator(new FirstLineOnly(edText));
    edText->setAccessibleName(QStringLiteral("Ваша фраза"));
    edText->installEventFilter(this);

    Panel1 = Placed(new QFrame(this), "Panel1", 126, 12, 388, 199);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(1);
    Panel1->setFocusPolicy(Qt::NoFocus);
    Panel1->setAutoFillBackground(true);
    // The head screen takes its presses and does nothing with them.
    Panel1->setAttribute(Qt::WA_NoMousePropagation);
    Animator1 = Placed(new GifAnimator(Panel1), "Animator1", 1, 1, 388, 194);
    Animator1->LoadImage(Pictures::kHead1, head1.get());
    Animator1->SetLoop(false);
    Animator2 = Placed(new GifAnimator(Panel1), "Animator2", 1, 1, 388, 194);
    Animator2->LoadImage(Pictures::kHead2, head2.get());
    Animator2->SetLoop(false);

    imgBG->SetPicture(QPixmap::fromImage(skin.get()));

    SaveDialog1 = new SaveDialog(QStringLiteral("Сохранить разговор"), this);
    SaveDialog1->setObjectName("SaveDialog1");

    setTabOrder(memoText, edText);

    connect(TimerHead, &QTimer::timeout, this, &TfmMain::TimerHeadTimer);
    connect(imgBG, &ImageControl::mouseDown, this, &TfmMain::imgBGMouseDown);
    connect(btnSay, &FlatButton::clicked, this, &TfmMain::btnSayClick);
    connect(btnNew, &FlatButton::clicked, this, &TfmMain::btnNewClick);
    connect(btnSave, &FlatButton::clicked, this, &TfmMain::btnSaveClick);
    connect(btnHelp, &FlatButton::clicked, this, &TfmMain::btnHelpClick);
    connect(btnAbout, &FlatButton::clicked, this, &TfmMain::btnAboutClick);
    connect(btnClose, &FlatButton::clicked, this, &TfmMain::btnCloseClick);

    FormCreate();
}

TfmMain::~TfmMain() = default;

void TfmMain::FormCreate()
{
    dialogue_.emplace(*this, random_);
}

void TfmMain::btnSayClick()
{
    RunGuarded([this] { dialogue_->AnswerPhrase(); });
}

void TfmMain::btnNewClick()
{
    RunGuarded([this] { dialogue_->StartDialogue(); });
}

void TfmMain::btnSaveClick()
{
    RunGuarded([this] {
        if (!SaveDialog1->Execute(this)) {
            return;
        }
        const QString date = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
        WriteConversationLog(SaveDialog1->FileName(), memoText->DisplayLines(), date);
    });
}

void TfmMain::TimerHeadTimer()
{
    RunGuarded([this] {
        random_.Randomize();
        // The chosen head is shown before the other is hidden, so one is always seen.
        GifAnimator* const played = random_.Random(2) == 1 ? Animator1 : Animator2;
        GifAnimator* const other = played == Animator1 ? Animator2 : Animator1;
        played->setVisible(true);
        other->setVisible(false);
        played->SetAnimate(true);
    });
}

void TfmMain::btnAboutClick()
{
    RunGuarded([this] {
        TfmAbout fmAbout(this);
        fmAbout.exec();
    });
}

void TfmMain::edTextKeyDown(int key, Qt::KeyboardModifiers)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        btnSayClick();
    }
}

void TfmMain::btnHelpClick()
{
    RunGuarded([] { MessageDialog::Show(MessageDialog::Kind::Information, kHelpText); });
}

void TfmMain::btnCloseClick()
{
    RunGuarded([this] { close(); });
}

void TfmMain::imgBGMouseDown(QMouseEvent* event)
{
    RunGuarded([this, event] { StartWindowDrag(this, event); });
}

bool TfmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edText && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        edTextKeyDown(key->key(), key->modifiers());
    }
    return QWidget::eventFilter(watched, event);
}

void TfmMain::mousePressEvent(QMouseEvent* event)
{
    if (imgBG->geometry().contains(event->position().toPoint())) {
        imgBGMouseDown(event);
    }
}

void TfmMain::AppendLine(const std::string& line)
{
    memoText->AppendLine(FromCp1251(line));
}

void TfmMain::ClearLines()
{
    memoText->clear();
}

void TfmMain::EnableView()
{
    memoText->setEnabled(true);
}

std::string TfmMain::InputText() const
{
    return tolkar::Utf8ToCp1251(edText->text().toStdString());
}

void TfmMain::ClearInputText()
{
    edText->clear();
}

void TfmMain::SetInputEnabled(bool enabled)
{
    edText->setEnabled(enabled);
}

void TfmMain::FocusInput()
{
    edText->setFocus();
}

void TfmMain::EnableSay()
{
    btnSay->setEnabled(true);
}

void TfmMain::EnableSave()
{
    btnSave->setEnabled(true);
}

void TfmMain::StartTimer()
{
    // A running timer keeps its rhythm; start() would restart it.
    if (!TimerHead->isActive()) {
        TimerHead->start();
    }
}

void TfmMain::ShowWarning(const std::string& text)
{
    MessageDialog::Show(MessageDialog::Kind::Warning, FromCp1251(text));
}
