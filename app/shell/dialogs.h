#pragma once
// The three small modal dialogs of the main window: the login dialog Form2,
// the change-password dialog frmPassword and the options dialog frmOption.
// Each acts through MainWindowController, which holds the rules.
#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quorvel {

class MainWindowController;

class Form2 : public QDialog
{
    Q_OBJECT
public:
    explicit Form2(MainWindowController &controller, QWidget *parent = nullptr);

    static QString advancedItem();
    static QString studentItem();

    QLabel *Label1;
    QListWidget *List1;
    QLabel *Label3;
    QLineEdit *Text2;
    QLabel *Label2;
    QPushButton *Command2;

private:
    void itemChosen();
    MainWindowController &m_controller;
};

class FrmPassword : public QDialog
{
    Q_OBJECT
public:
    explicit FrmPassword(MainWindowController &controller, QWidget *parent = nullptr);

    QLineEdit *Text1; // old password
    QLineEdit *Text2; // new password
    QPushButton *Command1;

private:
    MainWindowController &m_controller;
};

class FrmOption : public QDialog
{
    Q_OBJECT
public:
    explicit FrmOption(MainWindowController &controller, QWidget *parent = nullptr);

    // The value of the selected button of Frame1, Frame2 and Frame3.
    int itemsPerPage() const;
    int memorySeconds() const;
    int decimalPlaces() const;

    QButtonGroup *Frame1;
    QButtonGroup *Frame2;
    QButtonGroup *Frame3;
    QCheckBox *studentGrading; // shown to the advanced user only
    QPushButton *Command1;     // 确定
    QPushButton *Command2;     // 取消

private:
    MainWindowController &m_controller;
};

} // namespace quorvel
