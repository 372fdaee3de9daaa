#include "Pictures.h"

#include <QIcon>

namespace Pictures {

QIcon ProgramIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48}) {
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace Pictures
