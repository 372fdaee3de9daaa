#include "Pictures.h"

#include <QIcon>

namespace Pictures {

QIcon ProgramIcon()
{
    QIcon icon;
    // 128 serves task bars and switchers on screens of twice the pixel density.
    for (const int size : {16, 32, 48, 128}) {
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

} // namespace Pictures
