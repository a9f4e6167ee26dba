#pragma once
// The main window's state and behaviour without the widgets: start-up, tab
// changes, the node click and its dispatch to the page families, the page
// start, grading, medals, the status-bar seconds and the introduction text.
// The Qt window forwards its events here; tests drive it through fakes of
// MainView.
#include "app/core/accounts.h"
#include "app/core/catalogue.h"
#include "app/core/mainview.h"
#include "app/core/options.h"
#include "app/core/pagefamilies.h"
#include "app/core/topictree.h"
#include "page/itemmarker.h"
#include "page/medalbook.h"

#include <QDate>
#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <optional>

namespace quorvel {

class PageDocument;
class PracticeRecord;
class ProgramFiles;
class RandomSource;
class SettingsStore;

// The options and the page on screen, as the window keeps them.
struct Form1State
{
    int defaultTiCount = 10;      // items per page: 10, 20 or 50
    int YouXiMiao = 5;            // memory-game seconds: 3, 5 or 8
    int XiaoShuWeiShu = 1;        // decimal places of decimal division, 1 to 4
    int elapsedSeconds = 0;       // seconds since the page was composed
    bool pageGradable = false;    // the page on screen may still be graded
    int pageItemCount = 0;        // items of the page on screen
    bool studentMayGrade = false; // the student's pages are marked, without answers
};

// A page graded item by item, as the listeners of the grading hear of it.
struct GradedPage
{
    QString nodeKey;
    QString nodeText;
    QString parentText;
    int seconds = 0;
    MarkedPage marked;
    bool game = false; // a game's result: recorded, never a medal
};

class MainWindowController : private FamilyContext, private FamilyRegistry
{
public:
    MainWindowController(MainView &view, ProgramFiles &files, SettingsStore &settings,
                         RandomSource &random);

    // Runs before the defaults are set at start-up (the login dialog).
    std::function<void()> loginHook;
    // The date written into medal records.
    std::function<QDate()> today = [] { return QDate::currentDate(); };

    // Window events.
    void start();
    void selectTab(int index);
    void nodeClicked(const QString &key);
    void toolbarClicked(const QString &key);
    void tickPageSeconds();  // Timer1
    void tickIntroduction(); // Timer3
    // The games' timers: the memory game (Timer2) and the level game (Timer5,
    // Timer6).
    void tick(TimerId timer);
    // A document click, mousedown or mouseup in the main pane, with the
    // page's named elements; the handlers' writes go back to the page.
    void pageEvent(const QString &kind, const QString &targetName, PageDocument &document);
    // "确定" of the options dialog: in effect at once and kept for the next
    // run.
    // The page the main pane opens with.
    QString startPagePath() const;
    // studentMayGrade is taken from the advanced user only; nullopt keeps it.
    void applyOptions(int itemsPerPage, int memorySeconds, int decimalPlaces,
                      std::optional<bool> studentMayGrade = std::nullopt);
    // The options in effect, as the options dialog shows them.
    Options chosenOptions() const;

    // Says which files of the program folder the window needs and cannot
    // find (the start page, the files the trees are built from), naming the
    // folder it looked in; the program goes on with what there is.
    void tellMissingProgramFiles();

    // Grades the page on screen (the click on "finish").
    void gradePage(PageDocument &document);
    // Hears of every page graded item by item (the medal is one listener).
    void onPageGraded(std::function<void(const GradedPage &)> listener);

    void showMedalPage();
    void showIntroduction();

    // The practice record the graded pages go into, shown under the medals;
    // none: nothing is recorded.
    void setPracticeRecord(PracticeRecord *record) { m_record = record; }
    // The mistake book's page: up to 20 of its oldest entries.
    void showMistakePage();
    // "导出记录": the whole record as a CSV file where the user chooses.
    void exportRecord();

    // Printing: the page on screen, written by the window, with answer boxes,
    // prints as a sheet with a header to fill in (the node's text as title)
    // and, for the advanced user, its answer key. Empty texts: not a sheet.
    struct PrintSheet
    {
        QString header;
        QString key; // empty: no key offered
    };
    PrintSheet printSheet() const;
    // A name for the printed document: the node's text and the date.
    QString printName() const;

    Accounts &accounts() { return m_accounts; }
    const Accounts &accounts() const { return m_accounts; }
    Form1State state;
    int medalCount() const { return m_medals.count(); }
    const TopicTree &tree() const { return m_tree; }
    const QString &selectedKey() const { return m_selectedKey; }
    // How the two-box items of the page on screen are written ("%1小时%2分").
    const QString &pairAnswer() const { return m_pairAnswer; }
    int currentTab() const { return m_currentTab; }
    QString tabCaption() const override;
    // The families whose state the window's timers and the tests look at.
    const PageFamilies &families() const { return m_families; }
    // Where families plug in, and what they see of the window: for the
    // families themselves and for tests that plug in a handler of their own.
    FamilyRegistry &registry() { return *this; }
    FamilyContext &context() { return *this; }

private:
    void dispatch(const TopicNode &node);
    void startPage();
    void writePage(const QString &html);
    void showStartPage();
    QString parentCaptionOf(const TopicNode &node) const;

    // FamilyContext
    RandomSource &random() override { return m_random; }
    const ProgramFiles &files() const override { return m_files; }
    PageOptions options() const override;
    int elapsedSeconds() const override { return state.elapsedSeconds; }
    const TopicNode *selectedNode() const override { return m_tree.find(m_selectedKey); }
    DisplayMode displayMode() const override { return m_view.displayMode(); }
    bool mayShowAnswers() override { return m_accounts.mayShowAnswers(); }
    bool marksShowAnswers() const override { return !m_marksOnly; }
    void navigate(PaneId pane, const QString &relativePath) override;
    void bringToFront(PaneId pane) override { m_view.bringToFront(pane); }
    void focusPane(PaneId pane) override { m_view.focusPane(pane); }
    void playSound(const QString &relativePath) override;
    bool fillGroupOnce(const QString &groupKey, const QList<TopicNode> &children) override;
    void applyToMainPane(const DomEdits &edits) override;
    int pageSerial() const override { return m_pageSerial; }
    TimerControl &timer(TimerId id) override { return m_view.timer(id); }
    void showMessage(const QString &text) override { m_view.showMessage(text); }
    void awardMedal() override;
    void pageGraded(const MarkedPage &marked, bool game) override;
    void notifyGraded(const GradedPage &page);
    void recordPage(const GradedPage &page);

    // FamilyRegistry
    void onNode(Route route, PageHandler handler) override;
    void onGrading(GradingVariant variant, GradingHandler handler) override;
    void onPageEvent(PageEventHandler handler) override;
    void onPageStart(Hook hook) override;
    void onTimer(TimerId timer, Hook hook) override;

    MainView &m_view;
    ProgramFiles &m_files;
    RandomSource &m_random;
    Accounts m_accounts;
    MedalBook m_medals;
    SettingsStore &m_settings;
    CatalogueBuilder m_catalogue;
    TopicTree m_tree;
    QString m_selectedKey;
    int m_currentTab = 0;
    bool m_mainPaneNavigated = false;
    QString m_pairAnswer;         // how the two-box items of the page on screen are written
    QSet<QString> m_filledGroups; // groups filled on their first click since the tree was built
    QHash<Route, PageHandler> m_pageHandlers;
    QHash<GradingVariant, QList<GradingHandler>> m_gradingHandlers;
    QList<PageEventHandler> m_pageEventHandlers;
    QList<Hook> m_pageStartHooks;
    QHash<TimerId, QList<Hook>> m_timerHooks;
    QList<std::function<void(const GradedPage &)>> m_gradedListeners;
    // Bumped whenever the main pane gets a new page; element bindings made
    // on an earlier page no longer receive events.
    int m_pageSerial = 0;
    PageFamilies m_families;
    PracticeRecord *m_record = nullptr;
    bool m_marksOnly = false;         // a student's page is being marked without answers
    bool m_toldRecordUnsaved = false; // said once a run
    QString m_writtenPage;            // the body last written, for the items' questions
    int m_writtenSerial = -1;         // and the page it was
    int m_mistakePage = -1;           // the page serial of the mistake book's page
    QList<qint64> m_mistakeIds;       // its items' entries, in order
};

} // namespace quorvel
