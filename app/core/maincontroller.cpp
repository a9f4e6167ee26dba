#include "app/core/maincontroller.h"

#include "app/core/passwordfile.h"
#include "app/core/topichandlers.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"
#include "page/pageformat.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QDir>
#include <QLocale>

using namespace Qt::StringLiterals;

namespace quorvel {

MainWindowController::MainWindowController(MainView &view, ProgramFiles &files,
                                           SettingsStore &settings, RandomSource &random)
    : m_view(view), m_files(files), m_random(random), m_medals(settings), m_catalogue(files),
      m_drill(random), m_levelGame(random)
{
    const auto drill = [this](NodeDispatch &d) { runFourOperationDrill(d); };
    for (Route route : {Route::AdditionDrill, Route::SubtractionDrill, Route::MultiplicationDrill,
                        Route::DivisionDrill})
        setHandler(route, drill);
    setHandler(Route::LevelGameChoice,
               [this](NodeDispatch &d) { d.pageText = m_levelGame.difficultyBlock(); });
    setHandler(Route::LevelGameStart, [this](NodeDispatch &d) {
        d.pageText = m_levelGame.start(QString::number(d.number), *this);
    });
    registerGames();
    setHandler(Route::Clock, [this](NodeDispatch &) { m_view.bringToFront(PaneId::Clock); });
    registerFractionPages(*this);
    registerDivisorPages(*this);
    registerEquationAndAreaPages(*this);
    registerTimePages(*this);
    registerMoneyAndInterestPages(*this);
    registerRatioAndAveragePages(*this);
    registerMixedOperationAndPatternPages(*this);
}

void MainWindowController::registerGames()
{
    setHandler(Route::GamesDescription, [](NodeDispatch &d) {
        d.pageText = texts::gamesDescription().replace(u"\r\n"_s, u"<br>"_s);
    });
    setHandler(Route::Game24, [this](NodeDispatch &d) {
        m_twentyFour.dealSolvable(m_random);
        d.pageText = m_twentyFour.pageText();
    });
    setHandler(Route::MemoryGame, [this](NodeDispatch &d) {
        d.pageText =
            m_memoryGame.start(m_random, state.YouXiMiao, m_view.timer(TimerId::MemoryGame));
        d.afterWrite = [this] { m_memoryPage = m_pageSerial; };
    });
    setHandler(Route::GameFilePage, [this](NodeDispatch &d) {
        const QString file = d.number == 65   ? u"flash/1.htm"_s
                             : d.number == 66 ? u"flash/2.htm"_s
                                              : QString();
        if (file.isEmpty())
            return; // the other game nodes have no page of their own
        navigatePane(PaneId::Second, file);
        m_view.bringToFront(PaneId::Second);
    });
    setGradingHandler(GradingVariant::TwentyFour, [this](PageDocument &page) {
        page.insertHtmlAfter(u"finish"_s, m_twentyFour.revealText(state.elapsedSeconds));
    });
    setGradingHandler(GradingVariant::MemoryCards, [this](PageDocument &page) {
        MemoryGame::submit(page, state.elapsedSeconds);
    });
}

void MainWindowController::addTreeChildren(const QList<TopicNode> &nodes)
{
    QList<TopicNode> added;
    for (const TopicNode &node : nodes)
        if (m_tree.add(node))
            added.append(node);
    if (!added.isEmpty())
        m_view.addTreeNodes(added);
}

void MainWindowController::tickMemoryGame()
{
    TimerControl &countdown = m_view.timer(TimerId::MemoryGame);
    // Another page took the pane: the countdown box is gone, so it stops.
    if (m_pageSerial != m_memoryPage) {
        countdown.setEnabled(false);
        return;
    }
    PageDocument page;
    m_memoryGame.tick(page, countdown);
    applyToMainPane(page.takeEdits());
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
    m_levelGame.milliseconds = 9000;
    m_view.timer(TimerId::LevelQuestion).setInterval(m_levelGame.milliseconds);

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

void MainWindowController::tellMissingProgramFiles()
{
    // The start page and the files the catalogue builds its trees from.
    QStringList needed = {u"help.htm"_s};
    for (int grade = 1; grade <= 6; ++grade)
        needed.append(QString::number(grade) + u".txt"_s);
    for (int grade = 3; grade <= 6; ++grade)
        needed.append(u"zimu/"_s + QString::number(grade) + u"aoshulesson.txt"_s);
    needed.append(u"zimu/tk.txt"_s);
    QStringList missing;
    for (const QString &file : std::as_const(needed))
        if (!m_files.exists(file))
            missing.append(file);
    if (missing.isEmpty())
        return;
    m_view.showMessage(u"程序文件夹不完整，找不到这些文件："_s + missing.join(u"、"_s) +
                       u"。\n程序在这个文件夹里找过："_s +
                       QDir::toNativeSeparators(m_files.absolutePath({})) +
                       u"\n程序会用现有的内容继续运行。"_s);
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

    NodeDispatch d{node, tag.family, tag.number, {}, 0, {}};
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
    if (d.afterWrite)
        d.afterWrite();
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
    m_levelGame.kindCode = u"000"_s;
}

void MainWindowController::writePage(const QString &html)
{
    applyToMainPane({DomEdit::setBody(html)});
}

void MainWindowController::applyToMainPane(const DomEdits &edits)
{
    if (std::any_of(edits.cbegin(), edits.cend(),
                    [](const DomEdit &e) { return e.kind == DomEdit::Kind::SetBody; }))
        ++m_pageSerial;
    m_view.pane(PaneId::Main).apply(edits);
}

void MainWindowController::tickLevelQuestion()
{
    PageDocument page;
    m_levelGame.questionTick(page, *this);
    applyToMainPane(page.takeEdits());
}

void MainWindowController::tickLevelSeconds()
{
    PageDocument page;
    m_levelGame.secondsTick(page, *this);
    applyToMainPane(page.takeEdits());
}

TimerControl &MainWindowController::questionTimer()
{
    return m_view.timer(TimerId::LevelQuestion);
}

TimerControl &MainWindowController::secondsTimer()
{
    return m_view.timer(TimerId::LevelSeconds);
}

void MainWindowController::flush(PageDocument &page)
{
    applyToMainPane(page.takeEdits());
}

void MainWindowController::showMessage(const QString &text)
{
    m_view.showMessage(text);
}

void MainWindowController::showStartPage()
{
    ++m_pageSerial;
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
    if (pane == PaneId::Main) {
        m_mainPaneNavigated = true;
        ++m_pageSerial;
    }
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
    if (key == "w1"_L1) {
        if (!isAdvancedUser())
            m_view.showMessage(u"必须已高级用户身份登陆才可以修改密码！软件最初设定的密码是463"_s);
        else
            m_view.openChangePasswordDialog();
    } else if (key == "w2"_L1) {
        m_view.openOptionsDialog();
    } else if (key == "w11"_L1) {
        m_view.openLoginDialog();
    } else if (key == "w12"_L1) {
        m_view.printMainPane();
    } else if (key == "w3"_L1) {
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

void MainWindowController::setGradingHandler(GradingVariant variant, GradingHandler handler)
{
    m_gradingHandlers[variant].append(std::move(handler));
}

void MainWindowController::setItemGradingFor(const QString &keyPrefix, GradingHandler handler)
{
    for (auto &entry : m_itemGradingByPrefix) {
        if (entry.first == keyPrefix) {
            entry.second = std::move(handler); // the later registration replaces it
            return;
        }
    }
    m_itemGradingByPrefix.append({keyPrefix, std::move(handler)});
}

void MainWindowController::reloadStoredPassword()
{
    const QString name = QString::fromUtf16(passwordfile::fileName);
    // Without its file the program keeps the password the dialogs promise.
    if (!m_files.exists(name)) {
        state.PassWordOld = QString::fromUtf16(passwordfile::initialPassword);
        return;
    }
    const std::optional<QByteArray> bytes = m_files.readBytes(name, passwordfile::largestFile);
    const passwordfile::StoredPassword stored =
        bytes
            ? passwordfile::read(*bytes)
            : passwordfile::StoredPassword{QString::fromUtf16(passwordfile::initialPassword), true};
    state.PassWordOld = stored.password;
    if (stored.damaged && !m_toldPasswordFileDamaged) {
        m_toldPasswordFileDamaged = true;
        m_view.showMessage(u"密码文件已经损坏！在修改密码之前，高级用户的密码是最初的463。"_s);
    }
}

void MainWindowController::confirmLogin(const QString &typed)
{
    if (typed == state.PassWordOld) {
        state.Password = typed;
        return;
    }
    m_view.showMessage(u"你输入的高级用户密码不对！软件最初的密码是463，建议登陆后修改。"
                       u"只能已学生身份登陆！"_s);
}

MainWindowController::PasswordChange
MainWindowController::changePassword(const QString &oldPassword, const QString &newPassword)
{
    if (newPassword.isEmpty() || oldPassword.isEmpty()) {
        m_view.showMessage(u"密码框不能空！"_s);
        return PasswordChange::KeepOpen;
    }
    if (oldPassword != state.PassWordOld) {
        m_view.showMessage(u"老密码不对！不能修改！"_s);
        return PasswordChange::Close;
    }
    const std::optional<QByteArray> file = passwordfile::encode(newPassword);
    if (!file) {
        m_view.showMessage(u"新密码里有不能保存的字符，密码没有修改！请只用字母、数字或汉字。"_s);
        return PasswordChange::KeepOpen;
    }
    if (!m_files.writeFile(QString::fromUtf16(passwordfile::fileName), *file)) {
        m_view.showMessage(u"密码文件无法写入，密码没有修改！请检查程序文件夹是否可以写入。"_s);
        return PasswordChange::Close;
    }
    return PasswordChange::Close;
}

void MainWindowController::applyOptions(int itemsPerPage, int memorySeconds, int decimalPlaces)
{
    state.defaultTiCount = itemsPerPage;
    state.YouXiMiao = memorySeconds;
    state.XiaoShuWeiShu = decimalPlaces;
}

void MainWindowController::pageEvent(const QString &kind, const QString &targetName,
                                     PageDocument &document)
{
    const TopicNode *node = m_tree.find(m_selectedKey);
    const QString parentKey = node ? node->parentKey : QString();

    if (kind == "click"_L1) {
        // A click on the submit button grades the page at once, except on
        // the intelligence test's pages.
        if (m_selectedKey != "q52"_L1 && targetName == "finish"_L1 && document.find(u"finish"_s))
            gradePage(document);
    } else if (kind == "mousedown"_L1) {
        static const QStringList levelKeys = {u"q511102"_s, u"q511103"_s, u"q511104"_s,
                                              u"q511105"_s};
        if (levelKeys.contains(m_selectedKey) && document.find(u"R1"_s))
            m_levelChoicesBoundOn = m_pageSerial;
        if (m_selectedKey.startsWith("q5111"_L1) && document.find(u"n1"_s))
            m_difficultyChoicesBoundOn = m_pageSerial;
        if (parentKey == "q66788"_L1) {
            if (document.find(u"R1"_s) && document.find(u"R4"_s))
                m_explanationChoicesBoundOn = m_pageSerial;
            const PageElement *fourth = document.find(u"R4"_s);
            if (fourth && m_explanationChoicesBoundOn == m_pageSerial && !fourth->value.isEmpty()) {
                state.choiceMade = true;
            } else {
                state.choiceMade = false;
                if (const PageElement *answer = document.find(u"answer"_s))
                    state.answerEmpty = answer->value.isEmpty();
            }
        }
    } else if (kind == "mouseup"_L1) {
        static const QStringList choices = {u"R1"_s, u"R2"_s, u"R3"_s, u"R4"_s};
        static const QStringList difficulties = {u"n1"_s, u"n2"_s, u"n3"_s};
        const qsizetype choice = choices.indexOf(targetName);
        const qsizetype difficulty = difficulties.indexOf(targetName);
        if (choice >= 0 && m_levelChoicesBoundOn == m_pageSerial) {
            m_levelGame.answer(int(choice) + 1, document, *this);
        } else if (choice >= 0 && m_explanationChoicesBoundOn == m_pageSerial) {
            const PageElement *chosen = document.find(targetName);
            state.choiceCorrect = chosen && chosen->tag == "good"_L1;
            for (const QString &name : choices)
                document.setChecked(name, name == targetName);
            state.choiceMade = true;
        } else if (difficulty >= 0 && m_difficultyChoicesBoundOn == m_pageSerial) {
            m_levelGame.chooseDifficulty(int(difficulty) + 1, document);
        }
    }
    applyToMainPane(document.takeEdits());
}

void MainWindowController::gradePage(PageDocument &document)
{
    if (!state.pageGradable)
        return;
    if (!isAdvancedUser()) {
        m_view.showMessage(u"你的密码不对，不能查看答案！请向高级用户咨询密码！"_s);
        return;
    }

    const TopicNode *node = m_tree.find(m_selectedKey);
    const QString key = node ? node->key : QString();
    const QString parentKey = node ? node->parentKey : QString();
    for (GradingVariant variant : gradingVariants(key, parentKey)) {
        const auto own =
            std::find_if(m_itemGradingByPrefix.cbegin(), m_itemGradingByPrefix.cend(),
                         [&key](const auto &entry) { return key.startsWith(entry.first); });
        if (usesItemGrading(variant) && own != m_itemGradingByPrefix.cend()) {
            own->second(document);
        } else if (usesItemGrading(variant)) {
            const bool inequality = m_view.displayMode() == DisplayMode::Inequality &&
                                    tabCaption() == catalogue::arithmeticTab;
            const GradingResult result =
                gradeItems(document, {state.pageItemCount, inequality, state.elapsedSeconds});
            if (result.perfect())
                awardMedal();
        } else {
            for (const GradingHandler &handler : m_gradingHandlers.value(variant))
                handler(document);
        }
        // The variants that end the grading at once skip the later tests;
        // the page still closes, so pressing again can neither reveal twice
        // nor award a second medal.
        if (endsGradingAtOnce(variant))
            break;
    }
    m_view.timer(TimerId::PageSeconds).setEnabled(false);
    state.pageGradable = false;
}

QString MainWindowController::parentCaptionOf(const TopicNode &node) const
{
    const TopicNode *parent = m_tree.find(node.parentKey);
    return parent ? parent->caption : QString();
}

void MainWindowController::awardMedal()
{
    const TopicNode *node = m_tree.find(m_selectedKey);
    const QString record = MedalBook::record(
        node ? parentCaptionOf(*node) : QString(), node ? node->caption : QString(),
        state.elapsedSeconds, QLocale::system().toString(today(), QLocale::ShortFormat));
    if (!m_medals.award(record))
        m_view.showMessage(
            u"这块奖牌没能保存到成绩记录里！请检查磁盘空间和设置文件夹的写入权限。"_s);
}

} // namespace quorvel
