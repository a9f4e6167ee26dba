#pragma once
// The two accounts and the answer password: the advanced user, who knows
// the password and may see answers, and the student. The password lives in
// the program folder's password file; whoever types it at login is the
// advanced user until the next login.
#include <QString>
#include <functional>

namespace quorvel {

class ProgramFiles;

class Accounts
{
public:
    using Message = std::function<void(const QString &)>;
    Accounts(ProgramFiles &files, Message showMessage);

    QString Password;    // typed at the last successful login
    QString PassWordOld; // the stored answer password

    // The advanced-user test.
    bool isAdvancedUser() const { return Password == PassWordOld; }
    // The test the answer pages make: the refusal message when it fails.
    bool mayShowAnswers();

    // The login dialog opens: the stored password is read anew.
    void reloadStoredPassword();
    // "确定" of the login dialog with the typed password.
    void confirmLogin(const QString &typed);
    // "确定" of the login dialog with the student account chosen.
    void loginAsStudent() { Password.clear(); }

    enum class PasswordChange
    {
        KeepOpen,
        Close
    };
    // "确定" of the change-password dialog. A change that is written takes
    // effect at once: the new password is the stored one and the user who
    // typed it stays advanced. A wrong old password keeps the dialog open.
    PasswordChange changePassword(const QString &oldPassword, const QString &newPassword);

    // Asked of the toolbar's password button: the change-password dialog is
    // only for the advanced user; false after telling the student why.
    bool mayChangePassword();

private:
    ProgramFiles &m_files;
    Message m_showMessage;
    bool m_toldFileDamaged = false; // said once a run
};

} // namespace quorvel
