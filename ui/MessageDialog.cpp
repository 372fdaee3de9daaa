#include "MessageDialog.h"

#include <deque>
#include <utility>

#include <QAbstractButton>
#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>

namespace {

std::deque<QMessageBox::StandardButton> queuedAnswers;
std::vector<MessageDialog::Answered> answeredBoxes;

QString Caption(MessageDialog::Kind kind)
{
    switch (kind) {
    case MessageDialog::Kind::Warning:
        return QStringLiteral("Warning");
    case MessageDialog::Kind::Information:
        return QStringLiteral("Information");
    case MessageDialog::Kind::Error:
        return QCoreApplication::applicationName();
    }
    return {};
}

QMessageBox::Icon BoxIcon(MessageDialog::Kind kind)
{
    switch (kind) {
    case MessageDialog::Kind::Warning:
        return QMessageBox::Warning;
    case MessageDialog::Kind::Information:
        return QMessageBox::Information;
    case MessageDialog::Kind::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString WithLineBreaks(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// A message box takes its final size only as it is shown, so it is centred then.
class ScreenCentredBox : public QMessageBox
{
  public:
    using QMessageBox::QMessageBox;

  protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event);
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect placed = frameGeometry();
            placed.moveCenter(screen->availableGeometry().center());
            move(placed.topLeft());
        }
    }

    // Ctrl+C copies the caption, the text and the buttons, as the message boxes of
    // Windows do, so that a user can pass an error on exactly as it was shown.
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!event->matches(QKeySequence::Copy)) {
            QMessageBox::keyPressEvent(event);
            return;
        }
        const QString rule = QStringLiteral("---------------------------\n");
        QString copied = rule + windowTitle() + u'\n' + rule + text() + u'\n' + rule;
        for (const QAbstractButton* button : buttons()) {
            copied += QString(button->text()).remove(u'&') + QStringLiteral("   ");
        }
        copied += u'\n' + rule;
        QGuiApplication::clipboard()->setText(copied);
        event->accept();
    }
};

} // namespace

std::unique_ptr<QMessageBox> MessageDialog::Build(Kind kind, const QString& text)
{
    auto box = std::make_unique<ScreenCentredBox>(BoxIcon(kind), Caption(kind),
                                                  WithLineBreaks(text), QMessageBox::Ok);
    box->setTextFormat(Qt::PlainText);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(QMessageBox::Ok);
    box->setWindowModality(Qt::ApplicationModal);
    return box;
}

QMessageBox::StandardButton MessageDialog::Show(Kind kind, const QString& text)
{
    const auto box = Build(kind, text);
    if (!queuedAnswers.empty()) {
        answeredBoxes.push_back({kind, box->windowTitle(), box->text()});
        const QMessageBox::StandardButton answer = queuedAnswers.front();
        queuedAnswers.pop_front();
        return answer;
    }
    box->exec();
    return box->standardButton(box->clickedButton());
}

void MessageDialog::QueueAnswer(QMessageBox::StandardButton answer)
{
    queuedAnswers.push_back(answer);
}

std::vector<MessageDialog::Answered> MessageDialog::TakeAnswered()
{
    return std::exchange(answeredBoxes, {});
}
