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
// No password has this many characters; a longer file is damaged.
inline constexpr qsizetype largestFile = 64 * 1024;

struct StoredPassword
{
    QString password;
    bool damaged = false; // the file could not be read as a password file
};

// The password a file holds. Lines end with CR LF, LF or CR; text after the
// last line end, empty lines and lines that are not a character's number are
// skipped. A file of nothing but line ends is a deliberately empty password.
// A file that is empty, too large, or whose lines give no character at all
// is damaged: it fails closed to the initial password, so that a broken file
// never makes every user the advanced user.
StoredPassword read(const QByteArray &bytes);

// The file for a password; nullopt when a character has no GBK code.
std::optional<QByteArray> encode(const QString &password);

} // namespace quorvel::passwordfile
