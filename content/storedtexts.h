#pragma once
// The program's stored texts, each a UTF-8 file compiled into the program.
#include <QString>

namespace quorvel::texts {

// The introduction shown on the start page and by the help button; lines end
// with CR LF.
QString introduction();

// The games description of the group "数学游戏"; lines end with CR LF.
QString gamesDescription();

} // namespace quorvel::texts
