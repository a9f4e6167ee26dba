// The main window's widgets offscreen: the tool bar, the tab strip, the
// tree's click rules and the layout at any size.
#include "app/shell/applicationidentity.h"
#include "app/shell/clockpanel.h"
#include "app/shell/dialogs.h"
#include "app/shell/singleinstance.h"
#include "app/shell/topictreewidget.h"
#include "app/web/panebridge.h"
#include "app/web/webpane.h"
#include "testwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

using namespace Qt::StringLiterals;
using namespace quorvel;

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void captionAndSize();
    void toolbarButtons_data();
    void toolbarButtons();
    void displayModeGroup();
    void sixteenTabsInOrder();
    void treeClicksCountOnlyFromTheUser();
    void treeRefusesEditing();
    void layoutSurvivesATinyWindow();
    void passwordButtonNeedsTheAdvancedUser();
    void teachingClockPanel();
    void groupsFilledOnFirstClickShowTheirChildren();
    void secondStartBringsTheFirstForward();
    void dialogsShowOnlyTheirOwnTitle();
    void failedPrintIsSaid();
    void printPreviewOffersTheKeyToTheAdvancedUser();
    void soundsFailSilently();
    void engineWaitsForTheLogin_data();
    void engineWaitsForTheLogin();

private:
    std::unique_ptr<TestWindow> m_app;
};

void TestForm1::initTestCase()
{
    m_app = std::make_unique<TestWindow>();
    m_app->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_app->window));
    m_app->window.controller().start();
}

void TestForm1::captionAndSize()
{
    QCOMPARE(m_app->window.windowTitle(), u"QuorvelV37.0"_s);
    QCOMPARE(m_app->window.size(), QSize(739, 518));
    QCOMPARE(m_app->window.TreeView1->width(), 209);
}

void TestForm1::toolbarButtons_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("w1") << u"w1"_s << u"密码"_s << u"修改密码，高级用户登录"_s;
    QTest::newRow("w2") << u"w2"_s << u"选项"_s << u"选择出题数量"_s;
    QTest::newRow("w3") << u"w3"_s << u"帮助"_s << u"帮助文本"_s;
    QTest::newRow("w6") << u"w6"_s << u"普通"_s << u"普通整数运算"_s;
    QTest::newRow("w7") << u"w7"_s << u"竖式"_s << u"竖式整数运算"_s;
    QTest::newRow("w8") << u"w8"_s << u"最大"_s
                        << u"不等式运算，在文本框里填入使不等式成立的最大整数"_s;
    QTest::newRow("w9") << u"w9"_s << u"成绩"_s << u"成绩展示"_s;
    QTest::newRow("w11") << u"w11"_s << u"登录"_s << u"以高级用户身份登录，可以查看答案"_s;
    QTest::newRow("w12") << u"w12"_s << u"打印"_s << u"打印"_s;
}

void TestForm1::toolbarButtons()
{
    QFETCH(QString, key);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    QAction *action = m_app->window.toolbarAction(key);
    QVERIFY(action);
    QCOMPARE(action->text(), caption);
    QCOMPARE(action->toolTip(), tooltip);
    QVERIFY(!action->icon().isNull());

    // Left to right: the buttons in this order, with two separators.
    QStringList order;
    for (QAction *a : m_app->window.Toolbar1->actions())
        order.append(a->isSeparator() ? u"|"_s : a->objectName());
    QCOMPARE(order, (QStringList{u"w1"_s, u"w2"_s, u"w3"_s, u"|"_s, u"w6"_s, u"w7"_s, u"w8"_s,
                                 u"|"_s, u"w9"_s, u"w11"_s, u"w12"_s}));
}

void TestForm1::displayModeGroup()
{
    Form1 &w = m_app->window;
    QCOMPARE(w.displayMode(), DisplayMode::Horizontal);
    QVERIFY(w.toolbarAction(u"w6"_s)->isChecked());
    w.toolbarAction(u"w7"_s)->trigger();
    QCOMPARE(w.displayMode(), DisplayMode::Column);
    QVERIFY(!w.toolbarAction(u"w6"_s)->isChecked());
    w.toolbarAction(u"w8"_s)->trigger();
    QCOMPARE(w.displayMode(), DisplayMode::Inequality);
    QVERIFY(!w.toolbarAction(u"w7"_s)->isChecked());
    w.toolbarAction(u"w8"_s)->trigger(); // pressing the pressed one keeps it pressed
    QVERIFY(w.toolbarAction(u"w8"_s)->isChecked());
    w.toolbarAction(u"w6"_s)->trigger();
    QCOMPARE(w.displayMode(), DisplayMode::Horizontal);
}

void TestForm1::sixteenTabsInOrder()
{
    QTabBar *tabs = m_app->window.TabStrip1;
    QCOMPARE(tabs->count(), 16);
    QCOMPARE(tabs->currentIndex(), 0);
    const QStringList captions = {u"加减乘除"_s,   u"时间转换"_s,   u"小数计算"_s, u"规律运算"_s,
                                  u"分数和比例"_s, u"基础概念"_s,   u"同步教学"_s, u"四则运算"_s,
                                  u"约数和倍数"_s, u"数学游戏"_s,   u"应用题"_s,   u"智力题"_s,
                                  u"讲座和故事"_s, u"各年级试卷"_s, u"学习奥数"_s, u"奥数试卷"_s};
    for (int i = 0; i < 16; ++i) {
        QCOMPARE(tabs->tabText(i), captions[i]);
        QCOMPARE(tabs->tabData(i).toString(), u"T"_s + QString::number(i + 1));
    }
}

void TestForm1::treeClicksCountOnlyFromTheUser()
{
    TopicTreeWidget *tree = m_app->window.TreeView1;
    QSignalSpy clicks(tree, &TopicTreeWidget::nodeClicked);

    // Selected at start-up from code: not a click.
    QCOMPARE(TopicTreeWidget::keyOf(tree->currentItem()), u"q1"_s);
    tree->selectKey(u"q13"_s);
    QVERIFY(clicks.isEmpty());

    // Another node by mouse: one click.
    QTreeWidgetItem *item = tree->itemForKey(u"q12"_s);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks.last().first().toString(), u"q12"_s);
    QCOMPARE(m_app->window.controller().selectedKey(), u"q12"_s);

    // The same node again: a click again (a fresh page).
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    QCOMPARE(clicks.size(), 2);

    // By keys: the next node.
    tree->setFocus();
    QTest::keyClick(tree, Qt::Key_Down);
    QCOMPARE(clicks.size(), 3);
    QCOMPARE(clicks.last().first().toString(), u"q13"_s);
}

void TestForm1::treeRefusesEditing()
{
    TopicTreeWidget *tree = m_app->window.TreeView1;
    QTreeWidgetItem *item = tree->itemForKey(u"q11"_s);
    tree->setCurrentItem(item);
    tree->editItem(item);
    QTest::keyClick(tree, Qt::Key_F2);
    QCOMPARE(item->text(0), u"10以内加法"_s);
    QVERIFY(!tree->isPersistentEditorOpen(item));
    QCOMPARE(tree->editTriggers(), QAbstractItemView::NoEditTriggers);
}

void TestForm1::layoutSurvivesATinyWindow()
{
    Form1 &w = m_app->window;
    const QRect paneBefore = webPane(w.mainPane())->parentWidget()->geometry();
    QVERIFY(paneBefore.width() > 300);
    // The three panes share one rectangle; the one brought to front fills it.
    for (PaneId id : {PaneId::Second, PaneId::Clock, PaneId::Main}) {
        w.bringToFront(id);
        QCOMPARE(w.frontPane(), id);
        QApplication::processEvents();
    }
    QCOMPARE(webPane(w.mainPane())->geometry(), QRect(QPoint(0, 0), paneBefore.size()));
    w.bringToFront(PaneId::Clock);
    QCOMPARE(w.Picture2->geometry(), QRect(QPoint(0, 0), paneBefore.size()));
    w.bringToFront(PaneId::Main);

    w.resize(1, 1);
    QApplication::processEvents();
    QCOMPARE(w.size(), QSize(640, 400)); // no smaller
    for (QWidget *child : w.centralWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY(child->width() >= 0);
        QVERIFY(child->height() >= 0);
    }

    w.resize(739, 518);
    QApplication::processEvents();
    QCOMPARE(webPane(w.mainPane())->parentWidget()->geometry(), paneBefore);
    // The pane sits right of the tree, 5 pixels apart.
    QCOMPARE(webPane(w.mainPane())->parentWidget()->x(), w.TreeView1->x() + 209 + 5);
    QCOMPARE(webPane(w.mainPane())->parentWidget()->y(), w.TreeView1->y());
    QCOMPARE(webPane(w.mainPane())->parentWidget()->height(), w.TreeView1->height());

    // The tree can be widened, and keeps its width when the window grows.
    auto *splitter = qobject_cast<QSplitter *>(w.TreeView1->parentWidget());
    QVERIFY(splitter);
    splitter->setSizes({300, splitter->width() - 300 - splitter->handleWidth()});
    Q_EMIT splitter->splitterMoved(300, 1);
    w.resize(900, 600);
    QApplication::processEvents();
    QCOMPARE(w.TreeView1->width(), 300);
    QCOMPARE(webPane(w.mainPane())->parentWidget()->x(), 300 + 5);
    w.resize(739, 518);
    splitter->setSizes({209, splitter->width() - 209 - splitter->handleWidth()});
    Q_EMIT splitter->splitterMoved(209, 1);
    QApplication::processEvents();
    QCOMPARE(w.TreeView1->width(), 209);

    // Long captions show in full as a tooltip.
    const QTreeWidgetItem *item = w.TreeView1->topLevelItem(0);
    QCOMPARE(item->toolTip(0), item->text(0));
}

void TestForm1::passwordButtonNeedsTheAdvancedUser()
{
    MainWindowController &controller = m_app->window.controller();
    controller.accounts().Password = u"x"_s;
    controller.accounts().PassWordOld = u"463"_s;
    QString shown;
    whenDialogOpens<QMessageBox>([&shown](QMessageBox *box) {
        shown = box->windowTitle() + u'|' + box->text();
        box->accept();
    });
    m_app->window.toolbarAction(u"w1"_s)->trigger();
    QCOMPARE(shown, u"提示|必须以高级用户身份登录才可以修改密码！软件最初设定的密码是463"_s);
}

void TestForm1::teachingClockPanel()
{
    Form1 &w = m_app->window;
    ClockPanel *clock = w.Picture2;
    // It runs from the start with the time of day.
    QVERIFY(w.timer(TimerId::ClockTick).isEnabled());
    QCOMPARE(clock->Text8->text().size(), 2);

    // "认识钟表和时间" brings the clock to the front.
    w.TabStrip1->setCurrentIndex(1);
    w.controller().nodeClicked(u"q77"_s);
    QCOMPARE(w.frontPane(), PaneId::Clock);

    // Stopped, it can be set with the spinners.
    clock->Check1->click();
    QVERIFY(!w.timer(TimerId::ClockTick).isEnabled());
    clock->Text8->setText(u"23"_s);
    clock->up(0)->click();
    QCOMPARE(clock->Text8->text(), u"0"_s);
    clock->Text7->setText(u"09"_s);
    clock->down(1)->click();
    QCOMPARE(clock->Text7->text(), u"8"_s);
    QCOMPARE(clock->clock().minuteAngle, 48.0f);
    // Or typed: Enter applies it.
    clock->Text7->setFocus();
    clock->Text7->selectAll();
    QTest::keyClicks(clock->Text7, u"30"_s);
    QTest::keyClick(clock->Text7, Qt::Key_Return);
    QCOMPARE(clock->clock().minuteAngle, 180.0f);
    clock->Check1->click();
    QVERIFY(w.timer(TimerId::ClockTick).isEnabled());
    w.TabStrip1->setCurrentIndex(0);
}

void TestForm1::groupsFilledOnFirstClickShowTheirChildren()
{
    Form1 &w = m_app->window;
    w.TabStrip1->setCurrentIndex(8); // "约数和倍数"
    TopicTreeWidget *tree = w.TreeView1;
    QVERIFY(tree->itemForKey(u"q8005"_s));
    QCOMPARE(tree->itemForKey(u"q8005"_s)->childCount(), 0);

    QSignalSpy clicks(tree, &TopicTreeWidget::nodeClicked);
    QTreeWidgetItem *group = tree->itemForKey(u"q8005"_s);
    tree->scrollToItem(group);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(group).center());
    QCOMPARE(clicks.size(), 1);
    const int children = group->childCount();
    QVERIFY(children >= 8);
    QCOMPARE(tree->currentItem(), group); // adding them is not a click
    QCOMPARE(clicks.size(), 1);

    // A second click adds nothing more.
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(group).center());
    QCOMPARE(group->childCount(), children);
    w.TabStrip1->setCurrentIndex(0);
}

void TestForm1::secondStartBringsTheFirstForward()
{
    const QString name = u"quorvel-test-"_s + QString::number(QCoreApplication::applicationPid());
    auto first = std::make_unique<SingleInstance>(name);
    QVERIFY(first->claim());
    QSignalSpy asked(first.get(), &SingleInstance::activationRequested);
    SingleInstance second(name);
    QVERIFY(!second.claim());
    QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, 5000);

    // Once the first copy has ended, the next start is the only one.
    first.reset();
    SingleInstance third(name);
    QVERIFY(third.claim());
}

void TestForm1::dialogsShowOnlyTheirOwnTitle()
{
    // With a display name set, the platform appends it to every dialog's title.
    nameApplication();
    QCOMPARE(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
    QMessageBox box(QMessageBox::Information, u"提示"_s, u"x"_s, QMessageBox::Ok);
    QCOMPARE(box.windowTitle(), u"提示"_s);
}

void TestForm1::failedPrintIsSaid()
{
    QString shown;
    whenDialogOpens<QMessageBox>([&shown](QMessageBox *box) {
        shown = box->windowTitle() + u'|' + box->text();
        box->accept();
    });
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(u"/no/such/folder/sheet.pdf"_s);
    m_app->window.printPane(webPane(m_app->window.mainPane()), &printer);
    QCOMPARE(shown, u"提示|打印没有成功！"_s);
}

// The print button previews the page; the answer key is offered to the
// advanced user only.
void TestForm1::printPreviewOffersTheKeyToTheAdvancedUser()
{
    Form1 &w = m_app->window;
    MainWindowController &c = w.controller();
    w.TabStrip1->setCurrentIndex(0);
    c.tickIntroduction(); // the start's introduction, not over the page below
    for (const bool advanced : {true, false}) {
        c.accounts().reloadStoredPassword();
        if (advanced)
            c.accounts().confirmLogin(u"463"_s);
        else
            c.accounts().loginAsStudent();
        QSignalSpy applied(webPane(w.mainPane())->bridge(), &PaneBridge::applied);
        c.nodeClicked(u"q17"_s);
        QVERIFY(applied.wait(10000));
        QCOMPARE(c.printSheet().key.isEmpty(), !advanced);
        QString title;
        bool keyOffered = true;
        whenDialogOpens<QPrintPreviewDialog>([&](QPrintPreviewDialog *preview) {
            title = preview->windowTitle();
            keyOffered = preview->findChild<QAction *>(u"withAnswerKey"_s) != nullptr;
            preview->reject();
        });
        w.toolbarAction(u"w12"_s)->trigger();
        QCOMPARE(title, u"打印预览"_s);
        QCOMPARE(keyOffered, advanced);
    }
    QCOMPARE(c.printName().left(6), u"20以内加法"_s);
}

void TestForm1::soundsFailSilently()
{
    // A recording, a missing file and a file that is no sound: whatever the
    // audio system makes of them, no message box and no crash.
    Form1 &w = m_app->window;
    QTemporaryDir dir;
    QFile broken(dir.filePath(u"broken.mp3"_s));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a sound");
    broken.close();
    for (const QString &path : {m_app->programFolder + u"/sound/商.mp3"_s,
                                dir.filePath(u"missing.mp3"_s), broken.fileName()}) {
        w.playSound(path);
        QTest::qWait(200);
        QVERIFY(!QApplication::activeModalWidget());
    }
}

void TestForm1::engineWaitsForTheLogin_data()
{
    QTest::addColumn<bool>("takesAMoment");
    QTest::newRow("answered at once") << false;
    QTest::newRow("answered after a moment") << true;
}

// The login dialog comes up with no pane made; the engine starts while the
// user answers, or, answered at once, after the window is on the screen.
void TestForm1::engineWaitsForTheLogin()
{
    QFETCH(bool, takesAMoment);
    TestWindow app;
    Form1 &w = app.window;
    bool paneDuringDialog = true;
    whenDialogOpens<Form2>([&](Form2 *dialog) {
        paneDuringDialog = w.WebBrowser1 != nullptr;
        dialog->List1->setCurrentRow(1); // 学生帐户
        if (takesAMoment)
            QTRY_VERIFY_WITH_TIMEOUT(w.WebBrowser1, 10000);
        dialog->Command2->click();
    });
    w.controller().loginHook = [&w] { w.openLoginDialog(); };
    w.controller().start();
    QVERIFY(!paneDuringDialog);
    QCOMPARE(w.WebBrowser1 != nullptr, takesAMoment);
    QCOMPARE(w.frontPane(), PaneId::Main);

    w.show();
    QTRY_VERIFY_WITH_TIMEOUT(w.WebBrowser1, 10000);
    QSignalSpy applied(webPane(w.mainPane())->bridge(), &PaneBridge::applied);
    QVERIFY(applied.wait(20000)); // the introduction, on the start page
    QVERIFY(webPane(w.mainPane())->url().path().endsWith(u"/help.htm"_s));
    QVERIFY(w.mainPane()->widget()->isVisible());
}

QUORVEL_WEB_TEST_MAIN(TestForm1)
#include "tst_form1.moc"
