#include "ProgramSetup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "Pictures.h"

#ifdef TOLKAR_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

void SetUpProgram()
{
    QApplication::setApplicationName(QStringLiteral("Vorkast Толкарь"));
    QApplication::setDesktopFileName(QStringLiteral("org.example.tolkar"));
    // Every window takes the application's icon, so its pictures are read once.
    QApplication::setWindowIcon(Pictures::ProgramIcon());
    QApplication::setStyle(QStringLiteral("Windows"));

    // The save dialog speaks the user's language, as the system's own dialogs do.
    auto* translator = new QTranslator(qApp);
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
}

std::jthread ReadFontConfigurationAhead()
{
#ifdef TOLKAR_HAS_FONTCONFIG
    return std::jthread([] { FcInit(); });
#else
    return {};
#endif
}
