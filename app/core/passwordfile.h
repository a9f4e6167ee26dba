#pragma once
// The answer password file "vrnlogin.ini" of the program folder: one line per
// character, the character's GBK code taken as a signed 16-bit number plus 7,
// every line ending with CR LF and one more CR LF after the last.
#include <QByteArray>
#include <QString>
#include <optional>

namespace quorvel::passwordfile {

inline constexpr auto fileName = u"vrnlogin.ini";
// The password the program ships with, which the dialogs quote.
inline constexpr auto initialPassword = u"463";

// The password a file holds. Lines without a CR LF after them, empty lines
// and lines that are not numbers are skipped.
QString parse(const QString &text);

// The file for a password; nullopt when a character has no GBK code.
std::optional<QByteArray> encode(const QString &password);

} // namespace quorvel::passwordfile
