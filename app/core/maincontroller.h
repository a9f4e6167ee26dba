#pragma once
// The main window's state and behaviour without the widgets: start-up, tab
// changes, the node click and its dispatch to a handler, the page start, the
// status-bar seconds and the introduction text. The Qt window forwards its
// events here; tests drive it through fakes of MainView.
#include "app/core/catalogue.h"
#include "app/core/grading.h"
#include "app/core/mainview.h"
#include "app/core/routing.h"
#include "app/core/topictree.h"
#include "drills/fouroperations.h"
#include "drills/levelgame.h"
#include "games/memorygame.h"
#include "games/twentyfour.h"
#include "page/medalbook.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <functional>

namespace quorvel {

class PageDocument;
class ProgramFiles;
class RandomSource;
class SettingsStore;

// The members of the main window that several subsystems read and write.
struct Form1State
{
    int defaultTiCount = 10;   // items per page: 10, 20 or 50
    int YouXiMiao = 5;         // memory-game seconds: 3, 5 or 8
    int XiaoShuWeiShu = 1;     // decimal places of decimal division, 1 to 4
    QString Password;          // typed at the last successful login
    QString PassWordOld;       // the stored answer password
    int elapsedSeconds = 0;    // seconds since the page was composed
    bool pageGradable = false; // the page on screen may still be graded
    int pageItemCount = 0;     // items of the page on screen
    bool choiceCorrect = false;
    bool choiceMade = false;
    bool answerEmpty = false;
};

// One node click on its way through the dispatcher.
struct NodeDispatch
{
    const TopicNode &node;
    QChar family;
    int number = 0;
    QString pageText;                 // what the main pane shows afterwards
    int pageItems = 0;                // the items of that page, for the grader
    std::function<void()> afterWrite; // runs once the page text is in the pane
};

class MainWindowController : private LevelGameHost
{
public:
    MainWindowController(MainView &view, ProgramFiles &files, SettingsStore &settings,
                         RandomSource &random);

    // Runs before the defaults are set at start-up (the login dialog).
    std::function<void()> loginHook;

    using RouteHandler = std::function<void(NodeDispatch &)>;
    // Plugs a page handler into the dispatch table.
    void setHandler(Route route, RouteHandler handler);
    bool hasHandler(Route route) const { return m_handlers.contains(route); }

    using GradingHandler = std::function<void(PageDocument &)>;
    // Plugs the grading of a page family into its place in the variant order.
    // Families may share a variant: every handler of it runs, each acting on
    // its own pages' keys.
    void setGradingHandler(GradingVariant variant, GradingHandler handler);
    // Pages whose items have two boxes (hours and minutes, 元 and 角) grade
    // on their own instead of by the general item grading: keys starting
    // with keyPrefix use this handler there (one handler a prefix).
    void setItemGradingFor(const QString &keyPrefix, GradingHandler handler);

    // The date written into medal records.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // Says which files of the program folder the window needs and cannot
    // find (the start page, the files the trees are built from), naming the
    // folder it looked in; the program goes on with what there is.
    void tellMissingProgramFiles();

    // Window events.
    void start();
    void selectTab(int index);
    void nodeClicked(const QString &key);
    void toolbarClicked(const QString &key);
    void tickPageSeconds();   // Timer1
    void tickIntroduction();  // Timer3
    void tickLevelQuestion(); // Timer5
    void tickLevelSeconds();  // Timer6
    void tickMemoryGame();    // Timer2
    // A document click, mousedown or mouseup in the main pane, with the
    // page's named elements; the handler's writes go back to the page.
    void pageEvent(const QString &kind, const QString &targetName, PageDocument &document);

    // Accounts: the advanced user knows the answer password.
    bool isAdvancedUser() const { return state.Password == state.PassWordOld; }
    // The login dialog opens: the stored password is read anew.
    void reloadStoredPassword();
    // "确定" of the login dialog with the typed password.
    void confirmLogin(const QString &typed);
    enum class PasswordChange
    {
        KeepOpen,
        Close
    };
    // "确定" of the change-password dialog.
    PasswordChange changePassword(const QString &oldPassword, const QString &newPassword);
    // "确定" of the options dialog.
    void applyOptions(int itemsPerPage, int memorySeconds, int decimalPlaces);

    // Grades the page on screen (the click on "finish").
    void gradePage(PageDocument &document);

    // Operations the handlers use.
    void startPage();
    void writePage(const QString &html);
    void showStartPage();
    void showMedalPage();
    void showIntroduction();
    void navigatePane(PaneId pane, const QString &relativePath);

    Form1State state;
    int medalCount() const { return m_medals.count(); }
    const TopicTree &tree() const { return m_tree; }
    const QString &selectedKey() const { return m_selectedKey; }
    int currentTab() const { return m_currentTab; }
    QString tabCaption() const;
    const QStringList &lessonList() const { return m_catalogue.lessonList(); }
    FourOperationDrill &drill() { return m_drill; }
    LevelGame &levelGame() { return m_levelGame; }
    TwentyFourGame &twentyFour() { return m_twentyFour; }
    MemoryGame &memoryGame() { return m_memoryGame; }
    // Groups whose children are added on first click; forgotten at every tab change.
    QSet<QString> filledGroups;

    // What the page handlers of the topic families use.
    RandomSource &random() { return m_random; }
    MainView &view() { return m_view; }
    ProgramFiles &files() { return m_files; }
    // The clicked node, or nullptr.
    const TopicNode *selectedNode() const { return m_tree.find(m_selectedKey); }
    // Adds children under a node of the tree on screen (the groups filled on
    // their first click); nodes whose key is already there are left out.
    void addTreeChildren(const QList<TopicNode> &nodes);
    // Awards a medal for the page just graded (a handler that scored 100).
    void awardMedalForPage() { awardMedal(); }

private:
    void dispatch(const TopicNode &node);
    void awardMedal();
    // Sends edits to the main pane; a new body makes every earlier element
    // binding stale.
    void applyToMainPane(const DomEdits &edits);

    // LevelGameHost
    TimerControl &questionTimer() override;
    TimerControl &secondsTimer() override;
    void flush(PageDocument &page) override;
    void showMessage(const QString &text) override;
    QString parentCaptionOf(const TopicNode &node) const;
    void runFourOperationDrill(NodeDispatch &dispatch);
    void registerGames();

    MainView &m_view;
    ProgramFiles &m_files;
    RandomSource &m_random;
    MedalBook m_medals;
    CatalogueBuilder m_catalogue;
    FourOperationDrill m_drill;
    LevelGame m_levelGame;
    TwentyFourGame m_twentyFour;
    MemoryGame m_memoryGame;
    int m_memoryPage = -1; // the page that holds the memory game's countdown
    TopicTree m_tree;
    QString m_selectedKey;
    int m_currentTab = 0;
    bool m_mainPaneNavigated = false;
    bool m_toldPasswordFileDamaged = false; // said once a run
    QHash<Route, RouteHandler> m_handlers;
    QHash<GradingVariant, QList<GradingHandler>> m_gradingHandlers;
    QList<std::pair<QString, GradingHandler>> m_itemGradingByPrefix;
    // Bumped whenever the main pane gets a new page; element bindings made
    // on an earlier page no longer receive events.
    int m_pageSerial = 0;
    int m_explanationChoicesBoundOn = -1; // R1 to R4 of the olympiad explanations
    int m_levelChoicesBoundOn = -1;       // R1 to R4 of the level game
    int m_difficultyChoicesBoundOn = -1;  // n1 to n3 of the level game
};

} // namespace quorvel
