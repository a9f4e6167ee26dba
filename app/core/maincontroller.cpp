#include "app/core/maincontroller.h"

#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

using namespace Qt::StringLiterals;

namespace quorvel {

MainWindowController::MainWindowController(MainView &view, const ProgramFiles &files,
                                           SettingsStore &settings, RandomSource &random)
    : m_view(view), m_files(files), m_random(random), m_medals(settings), m_catalogue(files),
      m_drill(random)
{
    const auto drill = [this](NodeDispatch &d) { runFourOperationDrill(d); };
    for (Route route : {Route::AdditionDrill, Route::SubtractionDrill, Route::MultiplicationDrill,
                        Route::DivisionDrill})
        setHandler(route, drill);
}

void MainWindowController::setHandler(Route route, RouteHandler handler)
{
    m_handlers.insert(route, std::move(handler));
}

QString MainWindowController::tabCaption() const
{
    const auto &tabs = catalogue::tabs();
    return m_currentTab >= 0 && m_currentTab < tabs.size() ? tabs[m_currentTab].caption : QString();
}

void MainWindowController::start()
{
    if (loginHook)
        loginHook();

    state.defaultTiCount = 10;
    state.YouXiMiao = 5;
    state.XiaoShuWeiShu = 1;
    state.levelGameMilliseconds = 9000;
    m_view.timer(TimerId::LevelQuestion).setInterval(state.levelGameMilliseconds);

    m_medals.load();
    showStartPage();

    m_tree.clear();
    m_catalogue.buildInitialTree(m_tree);
    m_currentTab = 0;
    for (const TopicNode &node : m_tree.nodes())
        if (!m_tree.childKeys(node.key).isEmpty())
            m_tree.expand(node.key);
    m_view.showTree(m_tree);
    m_selectedKey = u"q1"_s;
    m_view.selectTreeNode(m_selectedKey);

    m_view.timer(TimerId::Introduction).setEnabled(true);
}

void MainWindowController::selectTab(int index)
{
    const auto &tabs = catalogue::tabs();
    if (index < 0 || index >= tabs.size())
        return;
    m_currentTab = index;

    m_tree.clear();
    filledGroups.clear();
    m_selectedKey.clear();
    m_view.timer(TimerId::MemoryGame).setEnabled(false);
    showStartPage();
    m_catalogue.buildTab(tabs[index].caption, m_tree);
    m_view.showTree(m_tree);
    showMedalPage();
}

void MainWindowController::nodeClicked(const QString &key)
{
    const TopicNode *node = m_tree.find(key);
    if (!node)
        return;
    m_selectedKey = key;
    dispatch(*node);
}

void MainWindowController::dispatch(const TopicNode &node)
{
    startPage();
    const SplitTag tag = splitTag(node.tag);

    if (tag.number == 0) {
        // A group header: the arithmetic families show their note; any other
        // group keeps what the pane shows.
        const QString note = page::arithmeticGroupNote(tag.family);
        if (!note.isEmpty())
            writePage(note);
        return;
    }

    // Ten-ranges cannot fill 50 different items; the page count stays 20.
    if (tag.number == 10 && state.defaultTiCount == 50)
        state.defaultTiCount = 20;

    NodeDispatch d{node, tag.family, tag.number, {}, 0};
    m_mainPaneNavigated = false;
    if (tag.family == u'$') {
        if (const auto handler = m_handlers.value(Route::TimeInterval))
            handler(d);
    }
    if (const auto handler = m_handlers.value(routeFor(tag.family, tag.number)))
        handler(d);

    // A handler that loaded a file into the main pane keeps it shown.
    if (m_mainPaneNavigated)
        return;
    writePage(d.pageText);
    state.pageItemCount = d.pageItems;
}

void MainWindowController::runFourOperationDrill(NodeDispatch &d)
{
    DrillRequest request;
    request.family = d.family;
    request.range = d.number;
    request.itemCount = state.defaultTiCount;
    request.decimal = tabCaption() == catalogue::decimalTab;
    request.decimalPlaces = state.XiaoShuWeiShu;
    request.mode = m_view.displayMode();
    const FourOperationDrill::Page page = m_drill.page(request);
    d.pageText = page.text;
    d.pageItems = page.items;
}

void MainWindowController::startPage()
{
    m_view.timer(TimerId::PageSeconds).setEnabled(true);
    m_view.timer(TimerId::MemoryGame).setEnabled(false);
    state.choiceCorrect = false;
    state.choiceMade = false;
    m_view.timer(TimerId::LevelSeconds).setEnabled(false);
    state.pageGradable = true;
    state.elapsedSeconds = 0;
    m_view.bringToFront(PaneId::Main);
    state.levelGameKind = u"000"_s;
}

void MainWindowController::writePage(const QString &html)
{
    m_view.pane(PaneId::Main).apply({DomEdit::setBody(html)});
}

void MainWindowController::showStartPage()
{
    m_view.pane(PaneId::Main).navigate(m_files.absolutePath(u"help.htm"_s));
}

void MainWindowController::showMedalPage()
{
    writePage(m_medals.pageText());
}

void MainWindowController::showIntroduction()
{
    QString text = texts::introduction();
    text.replace(u"\r\n"_s, u"<br>"_s);
    writePage(text);
}

void MainWindowController::navigatePane(PaneId pane, const QString &relativePath)
{
    if (pane == PaneId::Main)
        m_mainPaneNavigated = true;
    m_view.pane(pane).navigate(m_files.absolutePath(relativePath));
}

void MainWindowController::tickPageSeconds()
{
    ++state.elapsedSeconds;
    m_view.setStatusText(QString::number(state.elapsedSeconds) + u"秒"_s);
}

void MainWindowController::tickIntroduction()
{
    m_view.timer(TimerId::Introduction).setEnabled(false);
    showIntroduction();
}

void MainWindowController::toolbarClicked(const QString &key)
{
    if (key == "w3"_L1) {
        showIntroduction();
        m_view.bringToFront(PaneId::Main);
    } else if (key == "w7"_L1) {
        writePage(u"竖式只针对整数的加减！"_s);
    } else if (key == "w8"_L1) {
        writePage(u"填入使这个不等式成立的最大整数！"_s);
    } else if (key == "w9"_L1) {
        showMedalPage();
    }
}

} // namespace quorvel
