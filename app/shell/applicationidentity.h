#pragma once
// The program's names as the desktop and the settings folder know them. No
// display name is set: Qt would append it to the title of every dialog and
// message box ("提示 — QuorvelV37.0"), and each shows exactly its own title.
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace quorvel {

inline void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("quorvel"));
    QCoreApplication::setOrganizationName(QStringLiteral("quorvel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quorvel"));
}

// Qt's own Chinese translations, whatever the system locale: the standard
// buttons read "确定" and "取消", and the print dialog is Chinese. Returns
// false when Debian's qt6-translations-l10n is not installed; the program
// then goes on with Qt's English.
inline bool installChineseTranslations()
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral("qtbase_zh_CN"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace quorvel
