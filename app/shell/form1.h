#pragma once
// The main window: tool bar, tab strip, topic tree, the three stacked panes
// (two HTML views and the clock panel) and the status bar. It lays the
// controls out, forwards every event to MainWindowController and gives the
// controller what MainView asks for.
#include "app/core/mainview.h"

#include <QMainWindow>
#include <memory>

class QActionGroup;
class QLabel;
class QMediaPlayer;
class QSplitter;
class QStackedWidget;
class QTabBar;
class QToolBar;
class QFrame;
class QPrinter;

namespace quorvel {

class ClockPanel;
class MainWindowController;
class ProgramFiles;
class RandomSource;
class SettingsStore;
class BrowserPane;
class BrowserPaneMaker;
class PendingPane;
class TopicTreeWidget;
class WindowTimer;

class Form1 : public QMainWindow, public MainView
{
    Q_OBJECT
public:
    Form1(const QString &programFolder, ProgramFiles &files, SettingsStore &settings,
          RandomSource &random, QWidget *parent = nullptr);
    ~Form1() override;

    MainWindowController &controller() { return *m_controller; }

    // MainView
    HtmlPane &pane(PaneId id) override;
    void bringToFront(PaneId id) override;
    void focusPane(PaneId id) override;
    // Prints what a pane shows, and waits until it is printed.
    void printPane(BrowserPane *pane, QPrinter *printer);
    void playSound(const QString &absolutePath) override;
    QString chooseSaveFile(const QString &suggestedName) override;
    void setStatusText(const QString &text) override;
    void showTree(const TopicTree &tree) override;
    void addTreeNodes(const QList<TopicNode> &nodes) override;
    void selectTreeNode(const QString &key) override;
    DisplayMode displayMode() const override;
    TimerControl &timer(TimerId id) override;
    void showMessage(const QString &text) override;
    void openLoginDialog() override;
    void openChangePasswordDialog() override;
    void openOptionsDialog() override;
    void printMainPane() override;

    // The controls, by their names in the program.
    QToolBar *Toolbar1 = nullptr;
    QTabBar *TabStrip1 = nullptr;
    TopicTreeWidget *TreeView1 = nullptr;
    BrowserPane *WebBrowser1 = nullptr; // null until mainPane() makes it
    BrowserPane *WebBrowser2 = nullptr; // null until secondPane() makes it
    ClockPanel *Picture2 = nullptr;
    QLabel *StatusBar1 = nullptr; // the status bar's one panel

    // The web panes, made on first use: the engine behind them starts only
    // when a page is to be shown, and the second pane only when a file opens.
    BrowserPane *mainPane();
    BrowserPane *secondPane();

    QAction *toolbarAction(const QString &key) const;
    PaneId frontPane() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildToolbar();
    void layOut();
    BrowserPane *makePane(const QString &name);
    QWidget *paneWidget(PaneId id);
    bool mainPaneWaitsForWindow() const;

    QString m_programFolder;
    std::unique_ptr<BrowserPaneMaker> m_paneMaker; // loaded with the first pane
    // After the login, what the main pane is asked to do before the window is
    // on the screen waits here, and the engine loads once it is.
    bool m_mainPaneAfterShow = false;
    std::unique_ptr<PendingPane> m_pendingMain;
    PaneId m_front = PaneId::Main;
    QFrame *m_tabFrame = nullptr;
    QStackedWidget *m_panes = nullptr;
    QSplitter *m_splitter = nullptr; // the tree | the panes
    int m_treeWidth = 209;           // as the user left it
    QActionGroup *m_modeGroup = nullptr;
    std::unique_ptr<WindowTimer> m_timers[6];
    std::unique_ptr<MainWindowController> m_controller;
    bool m_printing = false;              // a print preview is open
    QMediaPlayer *MediaPlayer1 = nullptr; // made at the first sound
};

} // namespace quorvel
