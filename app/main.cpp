#include <QApplication>

#include "ProgramSetup.h"
#include "RandomSource.h"
#include "UnitAI.h"

int main(int argc, char* argv[])
{
    std::jthread fontConfiguration = ReadFontConfigurationAhead();
    QApplication application(argc, argv);
    SetUpProgram();
    if (fontConfiguration.joinable()) {
        fontConfiguration.join();
    }
    tolkar::ClockRandom random;
    TfmMain fmMain(random);
    fmMain.show();
    return QApplication::exec();
}
