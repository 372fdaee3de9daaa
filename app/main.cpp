#include <QApplication>

#include "ProgramSetup.h"
#include "RandomSource.h"
#include "UnitAI.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    SetUpProgram();
    tolkar::ClockRandom random;
    TfmMain fmMain(random);
    fmMain.show();
    return QApplication::exec();
}
