#include "ErrorGuard.h"

#include <exception>

#include "Cp1251.h"
#include "MessageDialog.h"

QString ApplicationErrorText(const QString& message)
{
    if (!message.isEmpty() && message.back() > u'.') {
        return message + u'.';
    }
    return message;
}

void RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const std::exception& error) {
        // Our errors carry Windows-1251 texts, like every text of the program.
        const QString message = QString::fromStdString(tolkar::Cp1251ToUtf8(error.what()));
        MessageDialog::Show(MessageDialog::Kind::Error, ApplicationErrorText(message));
    }
}
