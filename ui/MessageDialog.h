#pragma once

#include <memory>
#include <vector>

#include <QMessageBox>
#include <QString>

// The program's message boxes: modal, centred on the screen, captioned by their
// kind, with the kind's icon and one OK button that Enter and Esc press too.
// A carriage return in the text starts a new line.
class MessageDialog
{
  public:
    enum class Kind
    {
        Warning,
        Information,
        Error // captioned with the application's name
    };

    // Returns the button that closed the box.
    static QMessageBox::StandardButton Show(Kind kind, const QString& text);
    static std::unique_ptr<QMessageBox> Build(Kind kind, const QString& text);

    // Test seam: while answers are queued, a box is not shown; it takes the next
    // answer at once and is kept in the list of answered boxes.
    struct Answered
    {
        Kind kind;
        QString caption;
        QString text;
    };
    static void QueueAnswer(QMessageBox::StandardButton answer);
    static std::vector<Answered> TakeAnswered();
};
