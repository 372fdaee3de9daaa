#include "ProgramSetup.h"

#include <QApplication>
#include <QIcon>

#include "Pictures.h"

void SetUpProgram()
{
    QApplication::setApplicationName(QStringLiteral("Vorkast Толкарь"));
    QApplication::setDesktopFileName(QStringLiteral("vorkast-tolkar"));
    QApplication::setWindowIcon(Pictures::ProgramIcon());
    QApplication::setStyle(QStringLiteral("Windows"));
}
