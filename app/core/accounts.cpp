#include "app/core/accounts.h"

#include "app/core/passwordfile.h"
#include "content/programfiles.h"

using namespace Qt::StringLiterals;

namespace quorvel {

Accounts::Accounts(ProgramFiles &files, Message showMessage)
    : m_files(files), m_showMessage(std::move(showMessage))
{
}

bool Accounts::mayShowAnswers()
{
    if (isAdvancedUser())
        return true;
    m_showMessage(u"你的密码不对，不能查看答案！请向高级用户咨询密码！"_s);
    return false;
}

bool Accounts::mayChangePassword()
{
    if (isAdvancedUser())
        return true;
    m_showMessage(u"必须以高级用户身份登录才可以修改密码！软件最初设定的密码是463"_s);
    return false;
}

void Accounts::reloadStoredPassword()
{
    const QString name = QString::fromUtf16(passwordfile::fileName);
    // Without its file the program keeps the password the dialogs promise.
    if (!m_files.exists(name)) {
        PassWordOld = QString::fromUtf16(passwordfile::initialPassword);
        return;
    }
    const std::optional<QByteArray> bytes = m_files.readBytes(name, passwordfile::largestFile);
    const passwordfile::StoredPassword stored =
        bytes
            ? passwordfile::read(*bytes)
            : passwordfile::StoredPassword{QString::fromUtf16(passwordfile::initialPassword), true};
    PassWordOld = stored.password;
    if (stored.damaged && !m_toldFileDamaged) {
        m_toldFileDamaged = true;
        m_showMessage(u"密码文件已经损坏！在修改密码之前，高级用户的密码是最初的463。"_s);
    }
}

void Accounts::confirmLogin(const QString &typed)
{
    if (typed == PassWordOld) {
        Password = typed;
        return;
    }
    m_showMessage(u"你输入的高级用户密码不对！软件最初的密码是463，建议登录后修改。"
                  u"只能以学生身份登录！"_s);
}

Accounts::PasswordChange Accounts::changePassword(const QString &oldPassword,
                                                  const QString &newPassword)
{
    if (newPassword.isEmpty() || oldPassword.isEmpty()) {
        m_showMessage(u"密码框不能空！"_s);
        return PasswordChange::KeepOpen;
    }
    if (oldPassword != PassWordOld) {
        m_showMessage(u"老密码不对！不能修改！"_s);
        return PasswordChange::KeepOpen;
    }
    const std::optional<QByteArray> file = passwordfile::encode(newPassword);
    if (!file) {
        m_showMessage(u"新密码里有不能保存的字符，密码没有修改！请只用字母、数字或汉字。"_s);
        return PasswordChange::KeepOpen;
    }
    if (!m_files.writeFile(QString::fromUtf16(passwordfile::fileName), *file)) {
        m_showMessage(u"密码文件无法写入，密码没有修改！请检查程序文件夹是否可以写入。"_s);
        return PasswordChange::Close;
    }
    PassWordOld = newPassword;
    Password = newPassword;
    return PasswordChange::Close;
}

} // namespace quorvel
