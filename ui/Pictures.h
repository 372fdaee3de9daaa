#pragma once

#include <QString>

class QIcon;

// The pictures compiled into the program.
namespace Pictures {

inline const QString kSkin = QStringLiteral(":/skin.gif");
inline const QString kHead1 = QStringLiteral(":/head1.gif");
inline const QString kHead2 = QStringLiteral(":/head2.gif");
inline const QString kAbout = QStringLiteral(":/about.gif");

// The program's icon in all its sizes.
QIcon ProgramIcon();

} // namespace Pictures
