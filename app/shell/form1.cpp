#include "app/shell/form1.h"

#include "app/core/catalogue.h"
#include "app/core/layout.h"
#include "app/core/maincontroller.h"
#include "app/shell/browsermodule.h"
#include "app/shell/clockpanel.h"
#include "app/shell/dialogs.h"
#include "app/shell/topictreewidget.h"
#include "app/shell/windowtimer.h"
#include "page/pagedocument.h"

#include <QActionGroup>
#include <QAudioOutput>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMediaPlayer>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

struct ToolbarButton
{
    const char16_t *key;
    const char16_t *caption;
    const char16_t *tooltip;
    const char16_t *icon;
};

constexpr ToolbarButton toolbarButtons[] = {
    {u"w1", u"密码", u"修改密码，高级用户登录", u"password"},
    {u"w2", u"选项", u"选择出题数量", u"options"},
    {u"w3", u"帮助", u"帮助文本", u"help"},
    {u"w5", nullptr, nullptr, nullptr},
    {u"w6", u"普通", u"普通整数运算", u"mode-normal"},
    {u"w7", u"竖式", u"竖式整数运算", u"mode-column"},
    {u"w8", u"最大", u"不等式运算，在文本框里填入使不等式成立的最大整数", u"mode-largest"},
    {u"", nullptr, nullptr, nullptr},
    {u"w9", u"成绩", u"成绩展示", u"medals"},
    {u"w11", u"登录", u"以高级用户身份登录，可以查看答案", u"login"},
    {u"w12", u"打印", u"打印", u"print"},
};

} // namespace

// Keeps, in order, what the main pane is asked to do until it exists.
class PendingPane : public HtmlPane
{
public:
    void navigate(const QString &absolutePath) override
    {
        m_calls.append([absolutePath](HtmlPane &pane) { pane.navigate(absolutePath); });
    }
    void apply(const DomEdits &edits) override
    {
        m_calls.append([edits](HtmlPane &pane) { pane.apply(edits); });
    }
    void replayInto(HtmlPane &pane)
    {
        for (const auto &call : std::as_const(m_calls))
            call(pane);
        m_calls.clear();
    }

private:
    QList<std::function<void(HtmlPane &)>> m_calls;
};

Form1::Form1(const QString &programFolder, ProgramFiles &files, SettingsStore &settings,
             RandomSource &random, QWidget *parent)
    : QMainWindow(parent), m_programFolder(programFolder)
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"QuorvelV37.0"_s);
    setWindowIcon(QIcon(u":/quorvel/icons/quorvel.svg"_s));

    for (int i = 0; i < 6; ++i) {
        m_timers[i] = std::make_unique<WindowTimer>(this);
        m_timers[i]->setInterval(1000);
    }
    timer(TimerId::Introduction).setInterval(500);
    timer(TimerId::LevelQuestion).setInterval(9000);

    buildToolbar();

    auto *central = new QWidget(this);
    setCentralWidget(central);

    m_tabFrame = new QFrame(central);
    m_tabFrame->setFrameShape(QFrame::StyledPanel);
    TabStrip1 = new QTabBar(central);
    TabStrip1->setObjectName(u"TabStrip1"_s);
    TabStrip1->setExpanding(false);
    TabStrip1->setUsesScrollButtons(true);
    TabStrip1->setDrawBase(false);
    for (const TabInfo &tab : catalogue::tabs()) {
        const int index = TabStrip1->addTab(tab.caption);
        TabStrip1->setTabData(index, tab.key);
    }

    // The user may widen the tree to read long captions; it opens 209 pixels
    // wide, 5 pixels from the panes, and keeps its width when the window grows.
    m_splitter = new QSplitter(Qt::Horizontal, central);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(5);
    TreeView1 = new TopicTreeWidget(m_splitter);
    TreeView1->setMinimumWidth(120);

    m_panes = new QStackedWidget(m_splitter);
    m_panes->setMinimumWidth(200);
    m_splitter->addWidget(TreeView1);
    m_splitter->addWidget(m_panes);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // The tree keeps the width the user dragged it to.
    connect(m_splitter, &QSplitter::splitterMoved, this,
            [this] { m_treeWidth = TreeView1->width(); });
    // The web panes come later, on first use (mainPane(), secondPane()).
    Picture2 = new ClockPanel(timer(TimerId::ClockTick), m_panes);
    m_panes->addWidget(Picture2);

    StatusBar1 = new QLabel(this);
    StatusBar1->setObjectName(u"StatusBar1"_s);
    statusBar()->addWidget(StatusBar1, 1);
    statusBar()->setSizeGripEnabled(true);

    m_controller = std::make_unique<MainWindowController>(*this, files, settings, random);

    connect(m_timers[0]->timer(), &QTimer::timeout, this,
            [this] { m_controller->tickPageSeconds(); });
    connect(m_timers[1]->timer(), &QTimer::timeout, this,
            [this] { m_controller->tick(TimerId::MemoryGame); });
    connect(m_timers[2]->timer(), &QTimer::timeout, this,
            [this] { m_controller->tickIntroduction(); });
    // The clock runs with the time of day from the start, seen or not.
    connect(m_timers[3]->timer(), &QTimer::timeout, Picture2, &ClockPanel::tick);
    Picture2->tick();
    timer(TimerId::ClockTick).setEnabled(true);
    connect(m_timers[4]->timer(), &QTimer::timeout, this,
            [this] { m_controller->tick(TimerId::LevelQuestion); });
    connect(m_timers[5]->timer(), &QTimer::timeout, this,
            [this] { m_controller->tick(TimerId::LevelSeconds); });
    connect(TabStrip1, &QTabBar::currentChanged, this,
            [this](int index) { m_controller->selectTab(index); });
    connect(TreeView1, &TopicTreeWidget::nodeClicked, this,
            [this](const QString &key) { m_controller->nodeClicked(key); });

    // The window opens centred with a client area of 739 × 518 pixels; below
    // 640 × 400 the pages would wrap a character a line.
    setMinimumSize(640, 400);
    resize(739, 518);
    if (const QScreen *screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
}

Form1::~Form1() = default;

void Form1::buildToolbar()
{
    Toolbar1 = addToolBar(u"Toolbar1"_s);
    Toolbar1->setObjectName(u"Toolbar1"_s);
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    Toolbar1->setIconSize(QSize(24, 24));
    m_modeGroup = new QActionGroup(this);
    m_modeGroup->setExclusive(true);

    for (const ToolbarButton &button : toolbarButtons) {
        if (!button.caption) {
            Toolbar1->addSeparator();
            continue;
        }
        const QString key = QString::fromUtf16(button.key);
        QAction *action = Toolbar1->addAction(
            QIcon(u":/quorvel/icons/"_s + QString::fromUtf16(button.icon) + u".svg"_s),
            QString::fromUtf16(button.caption));
        action->setObjectName(key);
        action->setToolTip(QString::fromUtf16(button.tooltip));
        if (key == "w6"_L1 || key == "w7"_L1 || key == "w8"_L1) {
            action->setCheckable(true);
            action->setChecked(key == "w6"_L1);
            m_modeGroup->addAction(action);
        }
        connect(action, &QAction::triggered, this,
                [this, key] { m_controller->toolbarClicked(key); });
    }
}

QAction *Form1::toolbarAction(const QString &key) const
{
    for (QAction *action : Toolbar1->actions())
        if (action->objectName() == key)
            return action;
    return nullptr;
}

BrowserPane *Form1::makePane(const QString &name)
{
    // The web engine loads with the first pane, so nothing of it runs while
    // the login dialog is up. Without it the program cannot show a page.
    if (!m_paneMaker) {
        QString error;
        m_paneMaker = loadBrowserPanes(m_programFolder, this, &error);
        if (!m_paneMaker) {
            QMessageBox::critical(this, u"错误"_s, u"无法加载网页组件，程序不能运行：\n"_s + error);
            std::exit(EXIT_FAILURE);
        }
    }
    BrowserPane *pane = m_paneMaker->makePane(m_panes);
    pane->widget()->setObjectName(name);
    // The panes keep the order main, second, clock.
    m_panes->insertWidget(name == "WebBrowser1"_L1 ? 0 : m_panes->indexOf(Picture2),
                          pane->widget());
    return pane;
}

BrowserPane *Form1::mainPane()
{
    if (!WebBrowser1) {
        WebBrowser1 = makePane(u"WebBrowser1"_s);
        WebBrowser1->onPageEvent(this, [this](const QString &kind, const QString &targetName,
                                              const QJsonArray &snapshot) {
            PageDocument document = PageDocument::fromJson(snapshot);
            m_controller->pageEvent(kind, targetName, document);
        });
        if (m_front == PaneId::Main)
            m_panes->setCurrentWidget(WebBrowser1->widget());
        if (m_pendingMain) {
            m_pendingMain->replayInto(*WebBrowser1);
            m_pendingMain.reset();
        }
    }
    return WebBrowser1;
}

BrowserPane *Form1::secondPane()
{
    if (!WebBrowser2)
        WebBrowser2 = makePane(u"WebBrowser2"_s);
    return WebBrowser2;
}

QWidget *Form1::paneWidget(PaneId id)
{
    switch (id) {
    case PaneId::Main:
        return mainPane()->widget();
    case PaneId::Second:
        return secondPane()->widget();
    case PaneId::Clock:
        break;
    }
    return Picture2;
}

HtmlPane &Form1::pane(PaneId id)
{
    if (id == PaneId::Second)
        return *secondPane();
    // Answered at once, the login is followed by the window, and the engine
    // loads after the window's first frame rather than before it.
    if (mainPaneWaitsForWindow()) {
        if (!m_pendingMain)
            m_pendingMain = std::make_unique<PendingPane>();
        return *m_pendingMain;
    }
    return *mainPane();
}

void Form1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_pendingMain && windowHandle())
        windowHandle()->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle() &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        // The first frame is drawn while the expose is handled; the pane
        // comes just after it.
        QTimer::singleShot(0, this, [this] { mainPane(); });
    }
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::mainPaneWaitsForWindow() const
{
    return !WebBrowser1 && m_mainPaneAfterShow && !isVisible();
}

void Form1::bringToFront(PaneId id)
{
    m_front = id;
    // A main pane still to come is put in front when it is made.
    if (id == PaneId::Main && mainPaneWaitsForWindow())
        return;
    m_panes->setCurrentWidget(paneWidget(id));
}

void Form1::playSound(const QString &absolutePath)
{
    // Made when first needed, so a run that plays nothing never opens the
    // audio system. Errors (no device, a broken file) are silence.
    if (!MediaPlayer1) {
        MediaPlayer1 = new QMediaPlayer(this);
        MediaPlayer1->setAudioOutput(new QAudioOutput(MediaPlayer1));
    }
    MediaPlayer1->stop();
    MediaPlayer1->setSource(QUrl::fromLocalFile(absolutePath));
    MediaPlayer1->play();
}

QString Form1::chooseSaveFile(const QString &suggestedName)
{
    return QFileDialog::getSaveFileName(this, u"导出记录"_s, QDir::home().filePath(suggestedName),
                                        u"CSV 文件 (*.csv)"_s);
}

void Form1::focusPane(PaneId id)
{
    if (id == PaneId::Main && mainPaneWaitsForWindow())
        return; // its page asks for the keyboard when it is written
    paneWidget(id)->setFocus(Qt::OtherFocusReason);
}

PaneId Form1::frontPane() const
{
    return m_front;
}

void Form1::setStatusText(const QString &text)
{
    StatusBar1->setText(text);
}

void Form1::showTree(const TopicTree &tree)
{
    TreeView1->showTree(tree);
}

void Form1::addTreeNodes(const QList<TopicNode> &nodes)
{
    TreeView1->addNodes(nodes);
}

void Form1::selectTreeNode(const QString &key)
{
    TreeView1->selectKey(key);
}

DisplayMode Form1::displayMode() const
{
    if (toolbarAction(u"w7"_s)->isChecked())
        return DisplayMode::Column;
    if (toolbarAction(u"w8"_s)->isChecked())
        return DisplayMode::Inequality;
    return DisplayMode::Horizontal;
}

TimerControl &Form1::timer(TimerId id)
{
    return *m_timers[int(id) - 1];
}

void Form1::showMessage(const QString &text)
{
    QMessageBox::information(this, u"提示"_s, text, QMessageBox::Ok);
}

void Form1::openLoginDialog()
{
    Form2 dialog(*m_controller, this);
    // The engine starts once the user begins to answer, so the window follows
    // the answer quickly, while a dialog left alone costs no more than itself.
    // The start page loads at once too, so its renderer is up by the answer.
    // Answered before then, the window comes first (see pane()).
    const auto startEngine = [this, &dialog] {
        QTimer::singleShot(50, &dialog, [this] {
            if (!WebBrowser1)
                mainPane()->navigate(m_controller->startPagePath());
        });
    };
    m_mainPaneAfterShow = true;
    connect(dialog.List1, &QListWidget::currentRowChanged, this, startEngine,
            Qt::SingleShotConnection);
    connect(dialog.Text2, &QLineEdit::textEdited, this, startEngine, Qt::SingleShotConnection);
    dialog.exec();
}

void Form1::openChangePasswordDialog()
{
    FrmPassword dialog(*m_controller, this);
    dialog.exec();
}

void Form1::openOptionsDialog()
{
    FrmOption dialog(*m_controller, this);
    dialog.exec();
}

// Applies edits to a pane and waits until the page has them.
static void applyAndWait(BrowserPane *pane, const DomEdits &edits)
{
    QEventLoop loop;
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    pane->whenApplied(&loop, [&loop] { loop.quit(); });
    pane->apply(edits);
    loop.exec();
}

void Form1::printMainPane()
{
    if (m_printing)
        return; // the last page is still being printed
    m_printing = true;
    // What the user sees prints: a paper or a lesson in the second pane, or
    // the page in the main pane.
    BrowserPane *pane = frontPane() == PaneId::Second ? secondPane() : mainPane();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    printer.setDocName(m_controller->printName());

    // An exercise page prints as a sheet: the header to fill in above it,
    // and the answer key after it when the parent asks for it.
    const MainWindowController::PrintSheet sheet =
        pane == WebBrowser1 ? m_controller->printSheet() : MainWindowController::PrintSheet{};
    if (!sheet.header.isEmpty())
        applyAndWait(pane, {DomEdit::printHeader(sheet.header), DomEdit::printKey({})});

    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(u"printPreview"_s);
    preview.setWindowTitle(u"打印预览"_s);
    if (!sheet.key.isEmpty()) {
        if (auto *bar = preview.findChild<QToolBar *>()) {
            QAction *withKey = bar->addAction(u"附答案页"_s);
            withKey->setObjectName(u"withAnswerKey"_s);
            withKey->setCheckable(true);
            connect(withKey, &QAction::toggled, &preview, [&](bool on) {
                applyAndWait(pane, {DomEdit::printKey(on ? sheet.key : QString())});
                if (auto *pages = preview.findChild<QPrintPreviewWidget *>())
                    pages->updatePreview();
            });
        }
    }
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, pane](QPrinter *target) { printPane(pane, target); });
    preview.exec();
    if (!sheet.header.isEmpty())
        applyAndWait(pane, {DomEdit::printHeader({}), DomEdit::printKey({})});
    m_printing = false;
}

void Form1::printPane(BrowserPane *pane, QPrinter *printer)
{
    QEventLoop loop;
    bool printed = false;
    // Never wait for ever: an engine that does not answer counts as a failure.
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    pane->printPage(printer, &loop, [&](bool success) {
        printed = success;
        loop.quit();
    });
    loop.exec();
    if (!printed)
        showMessage(u"打印没有成功！"_s);
}

void Form1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    layOut();
}

void Form1::layOut()
{
    const int treeWidth = m_treeWidth;
    LayoutInput input;
    input.innerWidth = width();
    input.innerHeight = height();
    input.toolbarHeight = Toolbar1->height();
    input.statusBarHeight = statusBar()->height();
    input.tabRowHeight = TabStrip1->sizeHint().height();
    input.treeWidth = treeWidth;
    const std::optional<WindowLayout> layout = computeLayout(input);
    if (!layout)
        return;

    // The layout is in window coordinates; the controls sit in the central
    // widget, just below the tool bar.
    const int offset = centralWidget()->y();
    const auto place = [offset](QWidget *w, const Box &b) {
        w->setGeometry(b.left, b.top - offset, b.width, b.height);
    };
    const Box &strip = layout->tabStrip;
    place(m_tabFrame, {strip.left, strip.top + input.tabRowHeight, strip.width,
                       std::max(0, strip.height - input.tabRowHeight)});
    place(TabStrip1, {strip.left, strip.top, strip.width, input.tabRowHeight});
    const Box &tree = layout->tree;
    const Box &pane = layout->pane;
    place(m_splitter, {tree.left, tree.top, pane.left + pane.width - tree.left, tree.height});
    m_splitter->setSizes({treeWidth, pane.width});
}

} // namespace quorvel
