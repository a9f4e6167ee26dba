// The answer password: its file both ways, the login, the password change,
// and the toolbar buttons that lead to the account and options dialogs.
#include "app/core/maincontroller.h"
#include "app/core/passwordfile.h"
#include "app/core/recordingview.h"
#include "content/datatext.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString passwordFile = u"vrnlogin.ini"_s;
const QByteArray initialFile = "59\r\n61\r\n58\r\n\r\n"; // "463"
const QString wrongLogin = u"你输入的高级用户密码不对！软件最初的密码是463，建议登录后修改。"
                           u"只能以学生身份登录！"_s;
const QString emptyBox = u"密码框不能空！"_s;
const QString wrongOld = u"老密码不对！不能修改！"_s;
const QString studentAtPasswordButton =
    u"必须以高级用户身份登录才可以修改密码！软件最初设定的密码是463"_s;

struct Fixture
{
    Fixture() : random(7) { files.addFile(u"help.htm"_s, "<html><body></body></html>"); }

    MainWindowController &make()
    {
        controller = std::make_unique<MainWindowController>(view, files, settings, random);
        return *controller;
    }

    // The login dialog opened and confirmed with the typed password.
    MainWindowController &loggedIn(const QString &typed)
    {
        MainWindowController &c = make();
        c.accounts().reloadStoredPassword();
        c.accounts().confirmLogin(typed);
        return c;
    }

    RecordingView view;
    MemoryProgramFiles files;
    MemorySettingsStore settings;
    SeededRandom random;
    std::unique_ptr<MainWindowController> controller;
};

int countItems(const QString &page)
{
    static const QRegularExpression box(u"name=answer\\d+ "_s);
    return int(page.count(box));
}

} // namespace

class TestAccounts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void passwordFileBothWays_data();
    void passwordFileBothWays();
    void readingPasswordFile_data();
    void readingPasswordFile();
    void characterWithoutGbkCodeIsNotWritten_data();
    void characterWithoutGbkCodeIsNotWritten();

    void storedPasswordAtLogin_data();
    void storedPasswordAtLogin();
    void rightPasswordLogsInWithoutListChoice();
    void failedLoginKeepsEarlierState_data();
    void failedLoginKeepsEarlierState();
    void emptyPasswordFileMakesEveryoneAdvanced();

    void passwordChangeRefused_data();
    void passwordChangeRefused();
    void passwordChangeTakesEffectAtOnce();

    void passwordButtonNeedsAdvancedLogin();
    void toolbarOpensDialogs_data();
    void toolbarOpensDialogs();
    void optionsSetTheNextPagesItemCount();
};

void TestAccounts::passwordFileBothWays_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("initial password") << u"463"_s << initialFile;
    QTest::newRow("letters") << u"abc"_s << QByteArray("104\r\n105\r\n106\r\n\r\n");
    QTest::newRow("Chinese") << u"数学"_s << QByteArray("-13564\r\n-11858\r\n\r\n");
    QTest::newRow("mixed") << u"a数1高Z"_s
                           << QByteArray("104\r\n-13564\r\n56\r\n-18202\r\n97\r\n\r\n");
    QTest::newRow("case kept") << u"aA"_s << QByteArray("104\r\n72\r\n\r\n");
}

void TestAccounts::passwordFileBothWays()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, file);

    const std::optional<QByteArray> written = passwordfile::encode(password);
    QVERIFY(written.has_value());
    QCOMPARE(*written, file);
    // Read back as the program reads its files.
    QCOMPARE(passwordfile::read(file).password, password);
}

void TestAccounts::readingPasswordFile_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("damaged");

    QTest::newRow("deliberately empty") << QByteArray("\r\n") << QString() << false;
    QTest::newRow("blank lines anywhere")
        << QByteArray("\r\n\r\n59\r\n\r\n61\r\n58\r\n\r\n\r\n") << u"463"_s << false;
    QTest::newRow("LF line ends") << QByteArray("59\n61\n58\n\n") << u"463"_s << false;
    QTest::newRow("CR line ends") << QByteArray("59\r61\r58\r\r") << u"463"_s << false;
    QTest::newRow("last line without line end") << QByteArray("59\r\n61\r\n58") << u"46"_s << false;
    QTest::newRow("line that is no number")
        << QByteArray("59\r\nabc\r\n61\r\n58\r\n\r\n") << u"463"_s << false;
    QTest::newRow("UTF-8 byte order mark") << QByteArray("\xef\xbb\xbf"
                                                         "59\r\n")
                                           << u"4"_s << false;
    // Damaged files fail closed to the initial password.
    QTest::newRow("0 bytes") << QByteArray() << u"463"_s << true;
    QTest::newRow("single line without line end") << QByteArray("59") << u"463"_s << true;
    QTest::newRow("junk") << QByteArray("password\r\n") << u"463"_s << true;
    QTest::newRow("GBK junk") << QByteArray("\xc4\xe3\xba\xc3\r\n\xa1\xa2\r\n") << u"463"_s << true;
    QTest::newRow("UTF-16") << QByteArray("\xff\xfe"
                                          "5\0"
                                          "9\0\r\0\n\0",
                                          10)
                            << u"463"_s << true;
    QTest::newRow("out of range") << QByteArray("40007\r\n-40000\r\n") << u"463"_s << true;
    QTest::newRow("10 MB") << QByteArray("59\r\n").repeated(2'500'000) << u"463"_s << true;
}

void TestAccounts::readingPasswordFile()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, password);
    QFETCH(bool, damaged);
    const passwordfile::StoredPassword stored = passwordfile::read(file);
    QCOMPARE(stored.password, password);
    QCOMPARE(stored.damaged, damaged);

    // Who is advanced after a login that picks the student account.
    Fixture f;
    f.files.addFile(passwordFile, file);
    MainWindowController &c = f.loggedIn(QString());
    QCOMPARE(c.accounts().isAdvancedUser(), password.isEmpty());
    // A damaged file is named once a run, at the first login dialog.
    const QString told = u"密码文件已经损坏！在修改密码之前，高级用户的密码是最初的463。"_s;
    QCOMPARE(f.view.messages.contains(told), damaged);
    c.accounts().reloadStoredPassword();
    QCOMPARE(f.view.messages.count(told), damaged ? 1 : 0);
}

void TestAccounts::characterWithoutGbkCodeIsNotWritten_data()
{
    QTest::addColumn<QString>("password");
    QTest::newRow("emoji") << u"12\U0001F600"_s;
    QTest::newRow("emoji first") << u"\U0001F600"_s;
    QTest::newRow("Hangul") << u"a한"_s;
}

void TestAccounts::characterWithoutGbkCodeIsNotWritten()
{
    QFETCH(QString, password);
    QCOMPARE(passwordfile::encode(password), std::nullopt);
}

void TestAccounts::storedPasswordAtLogin_data()
{
    QTest::addColumn<bool>("present");
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("stored");

    QTest::newRow("missing file") << false << QByteArray() << u"463"_s;
    QTest::newRow("shipped file") << true << initialFile << u"463"_s;
    QTest::newRow("changed file") << true << QByteArray("104\r\n105\r\n106\r\n\r\n") << u"abc"_s;
    QTest::newRow("deliberately empty") << true << QByteArray("\r\n") << QString();
    QTest::newRow("file of text") << true << QByteArray("password\r\n") << u"463"_s;
}

void TestAccounts::storedPasswordAtLogin()
{
    QFETCH(bool, present);
    QFETCH(QByteArray, file);
    QFETCH(QString, stored);

    Fixture f;
    if (present)
        f.files.addFile(passwordFile, file);
    MainWindowController &c = f.make();
    c.accounts().PassWordOld = u"left over"_s;
    c.accounts().reloadStoredPassword();
    QCOMPARE(c.accounts().PassWordOld, stored);
    QCOMPARE(c.accounts().Password, QString()); // nobody logged in by reading
}

void TestAccounts::rightPasswordLogsInWithoutListChoice()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.accounts().reloadStoredPassword();
    QVERIFY(!c.accounts().isAdvancedUser());
    c.accounts().confirmLogin(u"463"_s);
    QCOMPARE(c.accounts().Password, u"463"_s);
    QVERIFY(c.accounts().isAdvancedUser());
    QVERIFY(f.view.messages.isEmpty());
}

void TestAccounts::failedLoginKeepsEarlierState_data()
{
    QTest::addColumn<bool>("advancedBefore");
    QTest::addColumn<QString>("typed");

    QTest::newRow("student picks student") << false << QString();
    QTest::newRow("student types wrong") << false << u"464"_s;
    QTest::newRow("student types leading space") << false << u" 463"_s;
    QTest::newRow("advanced picks student") << true << QString();
    QTest::newRow("advanced types wrong") << true << u"46"_s;
}

void TestAccounts::failedLoginKeepsEarlierState()
{
    QFETCH(bool, advancedBefore);
    QFETCH(QString, typed);

    Fixture f;
    MainWindowController &c = f.loggedIn(advancedBefore ? u"463"_s : u"x"_s);
    f.view.messages.clear();
    const QString passwordBefore = c.accounts().Password;

    // The login dialog again (toolbar "登录"): reads the file, then "确定".
    c.accounts().reloadStoredPassword();
    c.accounts().confirmLogin(typed);
    QCOMPARE(f.view.messages, QStringList{wrongLogin});
    QCOMPARE(c.accounts().Password, passwordBefore);
    QCOMPARE(c.accounts().isAdvancedUser(), advancedBefore);
}

void TestAccounts::emptyPasswordFileMakesEveryoneAdvanced()
{
    Fixture f;
    f.files.addFile(passwordFile, QByteArray("\r\n"));
    MainWindowController &c = f.make();
    c.accounts().reloadStoredPassword();
    QVERIFY(c.accounts().isAdvancedUser());

    c.accounts().confirmLogin(QString()); // the student choice empties the box
    QVERIFY(f.view.messages.isEmpty());
    QVERIFY(c.accounts().isAdvancedUser());

    // The hinted password is now the wrong one, but the state stands.
    c.accounts().confirmLogin(u"463"_s);
    QCOMPARE(f.view.messages, QStringList{wrongLogin});
    QVERIFY(c.accounts().isAdvancedUser());

    c.toolbarClicked(u"w1"_s);
    QCOMPARE(f.view.dialogs, QStringList{u"frmPassword"_s});
}

void TestAccounts::passwordChangeRefused_data()
{
    QTest::addColumn<QString>("oldPassword");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<bool>("readOnly");
    QTest::addColumn<QString>("message"); // empty: any message
    QTest::addColumn<int>("result");      // -1: either

    const int keepOpen = int(Accounts::PasswordChange::KeepOpen);
    const int close = int(Accounts::PasswordChange::Close);
    QTest::newRow("new empty") << u"463"_s << QString() << false << emptyBox << keepOpen;
    QTest::newRow("old empty") << QString() << u"999"_s << false << emptyBox << keepOpen;
    QTest::newRow("both empty") << QString() << QString() << false << emptyBox << keepOpen;
    QTest::newRow("old wrong") << u"464"_s << u"999"_s << false << wrongOld << keepOpen;
    QTest::newRow("old with space") << u"463 "_s << u"999"_s << false << wrongOld << keepOpen;
    QTest::newRow("new has emoji") << u"463"_s << u"99\U0001F600"_s << false << QString() << -1;
    QTest::newRow("folder read-only")
        << u"463"_s << u"999"_s << true
        << u"密码文件无法写入，密码没有修改！请检查程序文件夹是否可以写入。"_s << close;
}

void TestAccounts::passwordChangeRefused()
{
    QFETCH(QString, oldPassword);
    QFETCH(QString, newPassword);
    QFETCH(bool, readOnly);
    QFETCH(QString, message);
    QFETCH(int, result);

    Fixture f;
    f.files.addFile(passwordFile, initialFile);
    MainWindowController &c = f.loggedIn(u"463"_s);
    f.files.readOnly = readOnly;

    const auto answer = c.accounts().changePassword(oldPassword, newPassword);
    QCOMPARE(f.view.messages.size(), 1);
    if (!message.isEmpty())
        QCOMPARE(f.view.messages.first(), message);
    if (result >= 0)
        QCOMPARE(int(answer), result);

    QCOMPARE(f.files.bytes(passwordFile), initialFile);
    QCOMPARE(c.accounts().Password, u"463"_s);
    QCOMPARE(c.accounts().PassWordOld, u"463"_s);
    c.accounts().reloadStoredPassword();
    QCOMPARE(c.accounts().PassWordOld, u"463"_s);
    QVERIFY(c.accounts().isAdvancedUser());
}

void TestAccounts::passwordChangeTakesEffectAtOnce()
{
    Fixture f; // no password file yet: the shipped password holds
    MainWindowController &c = f.loggedIn(u"463"_s);

    QCOMPARE(c.accounts().changePassword(u"463"_s, u"数学7"_s), Accounts::PasswordChange::Close);
    QVERIFY(f.view.messages.isEmpty());
    QCOMPARE(f.files.bytes(passwordFile), QByteArray("-13564\r\n-11858\r\n62\r\n\r\n"));
    // The new password is the stored one, and its user stays advanced.
    QCOMPARE(c.accounts().Password, u"数学7"_s);
    QCOMPARE(c.accounts().PassWordOld, u"数学7"_s);
    QVERIFY(c.accounts().isAdvancedUser());

    // A second change in the same run wants the new password, not 463.
    QCOMPARE(c.accounts().changePassword(u"463"_s, u"8888"_s), Accounts::PasswordChange::KeepOpen);
    QCOMPARE(f.view.messages, QStringList{wrongOld});
    QCOMPARE(c.accounts().changePassword(u"数学7"_s, u"8888"_s), Accounts::PasswordChange::Close);
    QVERIFY(c.accounts().isAdvancedUser());

    c.accounts().reloadStoredPassword();
    QCOMPARE(c.accounts().PassWordOld, u"8888"_s);
    c.accounts().confirmLogin(u"463"_s);
    QCOMPARE(f.view.messages.last(), wrongLogin);
    QVERIFY(c.accounts().isAdvancedUser()); // a failed login changes nothing
    c.accounts().loginAsStudent();
    QVERIFY(!c.accounts().isAdvancedUser());
    c.accounts().confirmLogin(u"8888"_s);
    QVERIFY(c.accounts().isAdvancedUser());
    QCOMPARE(f.view.messages.size(), 2);
}

void TestAccounts::passwordButtonNeedsAdvancedLogin()
{
    Fixture f;
    MainWindowController &c = f.loggedIn(QString()); // the student choice
    f.view.messages.clear();
    c.toolbarClicked(u"w1"_s);
    QCOMPARE(f.view.messages, QStringList{studentAtPasswordButton});
    QVERIFY(f.view.dialogs.isEmpty());

    c.accounts().confirmLogin(u"463"_s);
    c.toolbarClicked(u"w1"_s);
    QCOMPARE(f.view.dialogs, QStringList{u"frmPassword"_s});
    QCOMPARE(f.view.messages.size(), 1);
}

void TestAccounts::toolbarOpensDialogs_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("dialog");
    QTest::newRow("options") << u"w2"_s << u"frmOption"_s;
    QTest::newRow("login") << u"w11"_s << u"Form2"_s;
    QTest::newRow("print") << u"w12"_s << u"print"_s;
}

void TestAccounts::toolbarOpensDialogs()
{
    QFETCH(QString, key);
    QFETCH(QString, dialog);
    Fixture f;
    MainWindowController &c = f.loggedIn(QString()); // also for a student
    f.view.messages.clear();
    c.toolbarClicked(key);
    QCOMPARE(f.view.dialogs, QStringList{dialog});
    QVERIFY(f.view.messages.isEmpty());
}

void TestAccounts::optionsSetTheNextPagesItemCount()
{
    Fixture f;
    MainWindowController &c = f.make();
    c.start();
    c.nodeClicked(u"q13"_s);
    QCOMPARE(countItems(f.view.main.body), 10);

    c.applyOptions(50, 8, 3);
    QCOMPARE(c.state.defaultTiCount, 50);
    QCOMPARE(c.state.YouXiMiao, 8);
    QCOMPARE(c.state.XiaoShuWeiShu, 3);
    QCOMPARE(c.state.pageItemCount, 10); // the page on screen keeps its own count

    c.nodeClicked(u"q13"_s);
    QCOMPARE(countItems(f.view.main.body), 50);
    QCOMPARE(c.state.pageItemCount, 50);
}

QTEST_GUILESS_MAIN(TestAccounts)
#include "tst_accounts.moc"
