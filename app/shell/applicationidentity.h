#pragma once
// The program's names as the desktop and the settings folder know them. No
// display name is set: Qt would append it to the title of every dialog and
// message box ("提示 — QuorvelV37.0"), and each shows exactly its own title.
#include <QGuiApplication>

namespace quorvel {

inline void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("quorvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
}

} // namespace quorvel
