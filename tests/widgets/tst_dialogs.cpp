// The login, change-password and options dialogs offscreen, against the
// window's logic with a recording view (message boxes are recorded).
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "app/shell/applicationidentity.h"
#include "app/shell/dialogs.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

struct Fixture
{
    Fixture()
    {
        files.addFile(u"help.htm"_s, "<html><body></body></html>");
        files.addFile(u"vrnlogin.ini"_s, "59\r\n61\r\n58\r\n\r\n"); // "463"
    }
    RecordingView view;
    MemoryProgramFiles files;
    MemorySettingsStore settings;
    SeededRandom random{1};
    MainWindowController controller{view, files, settings, random};
};

QStringList labelTexts(const QWidget &dialog)
{
    QStringList texts;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        texts.append(label->text());
    return texts;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loginDialogAsDesigned();
    void loginChoices_data();
    void loginChoices();
    void changePasswordDialog();
    void optionsKeepTheirValues();
    void standardButtonsAreChinese();
};

void TestDialogs::loginDialogAsDesigned()
{
    Fixture f;
    f.controller.accounts().PassWordOld = u"stale"_s;
    Form2 dialog(f.controller);
    QCOMPARE(f.controller.accounts().PassWordOld, u"463"_s); // read anew when it opens
    QCOMPARE(dialog.windowTitle(), u"添加新用户名："_s);
    QCOMPARE(dialog.List1->count(), 2);
    QCOMPARE(dialog.List1->item(0)->text(), u"高级帐户（可以查看答案,初始密码是463）"_s);
    QCOMPARE(dialog.List1->item(1)->text(), u"学生帐户（不能查看答案）"_s);
    QVERIFY(dialog.List1->selectedItems().isEmpty());
    QCOMPARE(dialog.Text2->echoMode(), QLineEdit::Password);
    QVERIFY(dialog.Text2->isEnabled());
    QCOMPARE(dialog.Command2->text(), u"确定"_s);
    const QStringList labels = labelTexts(dialog);
    QVERIFY(labels.contains(u"从下面列表框里选择你的用户名"_s));
    QVERIFY(labels.contains(u"密码(用于查看答案)："_s));
    QVERIFY(labels.contains(u"提示：工具栏第一个按钮就可以修改密码"_s));
}

void TestDialogs::loginChoices_data()
{
    QTest::addColumn<int>("row"); // -1: no choice
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("advancedBefore");
    QTest::addColumn<bool>("advancedAfter");
    QTest::addColumn<int>("messages");
    QTest::newRow("right password, no choice") << -1 << u"463"_s << false << true << 0;
    QTest::newRow("advanced, right password") << 0 << u"463"_s << false << true << 0;
    QTest::newRow("advanced, wrong password") << 0 << u"46"_s << false << false << 1;
    // The student account is chosen, not checked: no message.
    QTest::newRow("student at start") << 1 << u"463"_s << false << false << 0;
    QTest::newRow("student after an advanced login") << 1 << u"463"_s << true << false << 0;
}

void TestDialogs::loginChoices()
{
    QFETCH(int, row);
    QFETCH(QString, typed);
    QFETCH(bool, advancedBefore);
    QFETCH(bool, advancedAfter);
    QFETCH(int, messages);
    Fixture f;
    f.controller.accounts().Password = advancedBefore ? u"463"_s : QString();

    Form2 dialog(f.controller);
    QTest::keyClicks(dialog.Text2, typed);
    if (row >= 0) {
        QListWidgetItem *item = dialog.List1->item(row);
        dialog.List1->setCurrentItem(item);
        Q_EMIT dialog.List1->itemClicked(item);
        QCOMPARE(dialog.Text2->isEnabled(), row == 0);
        QCOMPARE(dialog.Text2->text().isEmpty(), row == 1); // the student choice empties it
    }
    dialog.Command2->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted)); // it closes either way
    QCOMPARE(f.controller.accounts().isAdvancedUser(), advancedAfter);
    QCOMPARE(f.view.messages.size(), messages);
    if (messages)
        QCOMPARE(
            f.view.messages.first(),
            u"你输入的高级用户密码不对！软件最初的密码是463，建议登录后修改。只能以学生身份登录！"_s);
}

void TestDialogs::changePasswordDialog()
{
    Fixture f;
    f.controller.accounts().reloadStoredPassword();
    f.controller.accounts().confirmLogin(u"463"_s);

    FrmPassword dialog(f.controller);
    QCOMPARE(dialog.windowTitle(), u"更新密码"_s);
    QCOMPARE(dialog.Text1->echoMode(), QLineEdit::Normal);
    QCOMPARE(dialog.Text2->echoMode(), QLineEdit::Normal);
    QVERIFY(labelTexts(dialog).contains(u"请输入老密码:"_s));
    QVERIFY(labelTexts(dialog).contains(u"请输入新密码:"_s));

    dialog.show();
    QTest::keyClicks(dialog.Text1, u"463"_s);
    dialog.Command1->click(); // the new password is empty: try again
    QCOMPARE(f.view.messages, QStringList{u"密码框不能空！"_s});
    QVERIFY(dialog.isVisible());

    // A wrong old password: the dialog stays open with what was typed.
    dialog.Text1->setText(u"464"_s);
    dialog.Text2->setText(u"数学2024"_s);
    dialog.Command1->click();
    QCOMPARE(f.view.messages.last(), u"老密码不对！不能修改！"_s);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.Text2->text(), u"数学2024"_s);

    dialog.Text1->setText(u"463"_s);
    dialog.Command1->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(f.view.messages.size(), 2);
    QVERIFY(f.files.bytes(u"vrnlogin.ini"_s).startsWith("-"));
    QVERIFY(f.controller.accounts().isAdvancedUser());
    QCOMPARE(f.controller.accounts().PassWordOld, u"数学2024"_s);

    f.controller.accounts().reloadStoredPassword();
    QCOMPARE(f.controller.accounts().PassWordOld, u"数学2024"_s);
}

void TestDialogs::optionsKeepTheirValues()
{
    Fixture f;
    f.controller.start();

    FrmOption dialog(f.controller);
    QCOMPARE(dialog.windowTitle(), u"选项"_s);
    QCOMPARE(dialog.itemsPerPage(), 10);
    QCOMPARE(dialog.memorySeconds(), 5);
    QCOMPARE(dialog.decimalPlaces(), 1);
    QStringList captions;
    for (const QRadioButton *button : dialog.findChildren<QRadioButton *>())
        captions.append(button->text());
    QCOMPARE(captions, (QStringList{u"10道题"_s, u"20道题"_s, u"50道题"_s, u"3秒"_s, u"5秒"_s,
                                    u"8秒"_s, u"1位"_s, u"2位"_s, u"3位"_s, u"4位"_s}));

    dialog.Frame1->button(50)->click();
    dialog.Frame2->button(3)->click();
    dialog.Frame3->button(3)->click();
    dialog.Command1->click();
    QCOMPARE(f.controller.chosenOptions(), (Options{50, 3, 3}));

    // Reopened: the options in effect; 取消 changes nothing, nor does 确定
    // unchanged.
    FrmOption again(f.controller);
    QCOMPARE(again.itemsPerPage(), 50);
    QCOMPARE(again.memorySeconds(), 3);
    QCOMPARE(again.decimalPlaces(), 3);
    again.Frame1->button(20)->click();
    QCOMPARE(again.Command2->text(), u"取消"_s);
    again.Command2->click();
    QCOMPARE(again.result(), int(QDialog::Rejected));
    QCOMPARE(f.controller.chosenOptions(), (Options{50, 3, 3}));
    FrmOption third(f.controller);
    third.Command1->click();
    QCOMPARE(f.controller.chosenOptions(), (Options{50, 3, 3}));

    // The next run starts with them.
    MainWindowController next(f.view, f.files, f.settings, f.random);
    next.start();
    QCOMPARE(next.chosenOptions(), (Options{50, 3, 3}));
    QCOMPARE(next.state.defaultTiCount, 50);

    // The student's marks are the parent's choice: only the advanced user
    // sees it, and it is off until set.
    f.controller.accounts().reloadStoredPassword();
    f.controller.accounts().loginAsStudent();
    FrmOption students(f.controller);
    QVERIFY(!students.studentGrading->isVisibleTo(&students));
    next.accounts().reloadStoredPassword();
    next.accounts().confirmLogin(u"463"_s);
    FrmOption parents(next);
    QCOMPARE(parents.studentGrading->text(), u"学生帐户可以判分（只显示对错，不显示正确答案）"_s);
    QVERIFY(parents.studentGrading->isVisibleTo(&parents));
    QVERIFY(!parents.studentGrading->isChecked());
    parents.studentGrading->setChecked(true);
    parents.Command1->click();
    QCOMPARE(next.chosenOptions(), (Options{50, 3, 3, true}));
}

void TestDialogs::standardButtonsAreChinese()
{
    QMessageBox box(QMessageBox::Information, u"提示"_s, u"好"_s, QMessageBox::Ok);
    QCOMPARE(box.button(QMessageBox::Ok)->text(), u"确定"_s);
    QDialogButtonBox buttons(QDialogButtonBox::Cancel);
    QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), u"取消"_s);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    installChineseTranslations();
    TestDialogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_dialogs.moc"
