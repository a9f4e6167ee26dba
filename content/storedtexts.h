#pragma once
// The program's stored texts, each a UTF-8 file compiled into the program.
#include <QString>

namespace quorvel::texts {

// The introduction shown on the start page and by the help button; lines end
// with CR LF.
QString introduction();

} // namespace quorvel::texts
