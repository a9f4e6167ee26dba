#include "app/shell/dialogs.h"

#include "app/core/maincontroller.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace quorvel {

Form2::Form2(MainWindowController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(u"添加新用户名："_s);

    Label1 = new QLabel(u"从下面列表框里选择你的用户名"_s, this);
    List1 = new QListWidget(this);
    List1->addItems({advancedItem(), studentItem()});
    List1->setCurrentRow(-1);
    List1->setMaximumHeight(List1->sizeHintForRow(0) * 2 + 2 * List1->frameWidth() + 4);
    Label3 = new QLabel(u"密码(用于查看答案)："_s, this);
    Text2 = new QLineEdit(this);
    Text2->setEchoMode(QLineEdit::Password);
    Text2->setStyleSheet(u"lineedit-password-character: 42"_s); // "*"
    Label2 = new QLabel(u"提示：工具栏第一个按钮就可以修改密码"_s, this);
    Command2 = new QPushButton(u"确定"_s, this);
    Command2->setDefault(true);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Label2, 1);
    bottom->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(List1);
    layout->addWidget(Label3);
    layout->addWidget(Text2);
    layout->addLayout(bottom);

    // The password box takes the focus, so no account is chosen until the
    // user picks one.
    Text2->setFocus();
    m_controller.accounts().reloadStoredPassword();
    connect(List1, &QListWidget::itemClicked, this, &Form2::itemChosen);
    connect(List1, &QListWidget::currentRowChanged, this, &Form2::itemChosen);
    connect(Command2, &QPushButton::clicked, this, [this] {
        // The student account needs no password: it is chosen, not checked.
        const QListWidgetItem *item = List1->currentItem();
        if (item && item->text() == studentItem())
            m_controller.accounts().loginAsStudent();
        else
            m_controller.accounts().confirmLogin(Text2->text());
        accept();
    });
}

QString Form2::advancedItem()
{
    return u"高级帐户（可以查看答案,初始密码是463）"_s;
}

QString Form2::studentItem()
{
    return u"学生帐户（不能查看答案）"_s;
}

void Form2::itemChosen()
{
    const QListWidgetItem *item = List1->currentItem();
    const bool advanced = item && item->text() == advancedItem();
    Text2->setEnabled(advanced);
    Label3->setEnabled(advanced);
    if (!advanced)
        Text2->clear();
}

FrmPassword::FrmPassword(MainWindowController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller)
{
    setObjectName(u"frmPassword"_s);
    setWindowTitle(u"更新密码"_s);
    auto *label1 = new QLabel(u"请输入老密码:"_s, this);
    Text1 = new QLineEdit(this);
    auto *label2 = new QLabel(u"请输入新密码:"_s, this);
    Text2 = new QLineEdit(this);
    Command1 = new QPushButton(u"确定"_s, this);
    Command1->setDefault(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addWidget(Text1);
    layout->addWidget(label2);
    layout->addWidget(Text2);
    layout->addWidget(Command1, 0, Qt::AlignRight);

    connect(Command1, &QPushButton::clicked, this, [this] {
        if (m_controller.accounts().changePassword(Text1->text(), Text2->text()) ==
            Accounts::PasswordChange::Close)
            accept();
    });
}

namespace {

// A framed group of option buttons, left to right; the first value given
// as selected is checked.
QButtonGroup *optionFrame(QDialog *dialog, QVBoxLayout *layout, const QString &caption,
                          const QList<std::pair<QString, int>> &options, int selected)
{
    auto *frame = new QGroupBox(caption, dialog);
    auto *row = new QHBoxLayout(frame);
    auto *group = new QButtonGroup(dialog);
    for (const auto &[text, value] : options) {
        auto *button = new QRadioButton(text, frame);
        button->setChecked(value == selected);
        group->addButton(button, value);
        row->addWidget(button);
    }
    layout->addWidget(frame);
    return group;
}

} // namespace

FrmOption::FrmOption(MainWindowController &controller, QWidget *parent)
    : QDialog(parent), m_controller(controller)
{
    setObjectName(u"frmOption"_s);
    setWindowTitle(u"选项"_s);
    auto *layout = new QVBoxLayout(this);
    // Opens with the options in effect, so 确定 unchanged changes nothing.
    const Options current = m_controller.chosenOptions();
    Frame1 = optionFrame(this, layout, u"计算题的出题数"_s,
                         {{u"10道题"_s, 10}, {u"20道题"_s, 20}, {u"50道题"_s, 50}},
                         current.itemsPerPage);
    Frame2 = optionFrame(this, layout, u"游戏－训练记忆的记忆时间"_s,
                         {{u"3秒"_s, 3}, {u"5秒"_s, 5}, {u"8秒"_s, 8}}, current.memorySeconds);
    Frame3 = optionFrame(this, layout, u"小数题小数位数设置"_s,
                         {{u"1位"_s, 1}, {u"2位"_s, 2}, {u"3位"_s, 3}, {u"4位"_s, 4}},
                         current.decimalPlaces);
    // Only the parent, logged in as the advanced user, sees and sets this.
    studentGrading = new QCheckBox(u"学生帐户可以判分（只显示对错，不显示正确答案）"_s, this);
    studentGrading->setChecked(current.studentMayGrade);
    studentGrading->setVisible(m_controller.accounts().isAdvancedUser());
    layout->addWidget(studentGrading);
    Command1 = new QPushButton(u"确定"_s, this);
    Command1->setDefault(true);
    Command2 = new QPushButton(u"取消"_s, this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, [this] {
        // The controller takes the student's marks from the advanced user only.
        m_controller.applyOptions(itemsPerPage(), memorySeconds(), decimalPlaces(),
                                  studentGrading->isChecked());
        accept();
    });
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);
}

int FrmOption::itemsPerPage() const
{
    return Frame1->checkedId();
}

int FrmOption::memorySeconds() const
{
    return Frame2->checkedId();
}

int FrmOption::decimalPlaces() const
{
    return Frame3->checkedId();
}

} // namespace quorvel
