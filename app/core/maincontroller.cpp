#include "app/core/maincontroller.h"

#include "page/itemmarker.h"
#include "page/pagetext.h"
#include "page/worksheet.h"
#include "record/practicerecord.h"
#include "record/recordsection.h"

#include <QSaveFile>

#include "app/core/nodekeys.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"
#include "page/pagedocument.h"
#include "page/pageformat.h"
#include "page/randomsource.h"

#include <QDir>
#include <QLocale>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

MainWindowController::MainWindowController(MainView &view, ProgramFiles &files,
                                           SettingsStore &settings, RandomSource &random)
    : m_view(view), m_files(files), m_random(random),
      m_accounts(files, [&view](const QString &text) { view.showMessage(text); }),
      m_medals(settings), m_settings(settings), m_catalogue(files)
{
    m_families = registerPageFamilies(*this, *this);
    onPageGraded([this](const GradedPage &page) {
        if (page.marked.perfect() && !page.game)
            awardMedal();
    });
    onPageGraded([this](const GradedPage &page) { recordPage(page); });
}

// FamilyRegistry

void MainWindowController::onNode(Route route, PageHandler handler)
{
    m_pageHandlers.insert(route, std::move(handler));
}

void MainWindowController::onGrading(GradingVariant variant, GradingHandler handler)
{
    m_gradingHandlers[variant].append(std::move(handler));
}

void MainWindowController::onPageEvent(PageEventHandler handler)
{
    m_pageEventHandlers.append(std::move(handler));
}

void MainWindowController::onPageStart(Hook hook)
{
    m_pageStartHooks.append(std::move(hook));
}

void MainWindowController::onTimer(TimerId timer, Hook hook)
{
    m_timerHooks[timer].append(std::move(hook));
}

void MainWindowController::onPageGraded(std::function<void(const GradedPage &)> listener)
{
    m_gradedListeners.append(std::move(listener));
}

// FamilyContext

PageOptions MainWindowController::options() const
{
    return {state.defaultTiCount, state.YouXiMiao, state.XiaoShuWeiShu};
}

bool MainWindowController::fillGroupOnce(const QString &groupKey, const QList<TopicNode> &children)
{
    if (m_filledGroups.contains(groupKey))
        return false;
    m_filledGroups.insert(groupKey);
    QList<TopicNode> added;
    for (const TopicNode &node : children)
        if (m_tree.add(node))
            added.append(node);
    if (!added.isEmpty())
        m_view.addTreeNodes(added);
    return true;
}

QString MainWindowController::tabCaption() const
{
    const auto &tabs = catalogue::tabs();
    return m_currentTab >= 0 && m_currentTab < tabs.size() ? tabs[m_currentTab].caption : QString();
}

// Start-up, tabs and clicks

void MainWindowController::start()
{
    if (loginHook)
        loginHook();

    const Options options = Options::load(m_settings);
    state.defaultTiCount = options.itemsPerPage;
    state.YouXiMiao = options.memorySeconds;
    state.XiaoShuWeiShu = options.decimalPlaces;
    state.studentMayGrade = options.studentMayGrade;

    m_medals.load();
    showStartPage();

    m_tree.clear();
    m_catalogue.buildInitialTree(m_tree);
    m_currentTab = 0;
    for (const TopicNode &node : m_tree.nodes())
        if (!m_tree.childKeys(node.key).isEmpty())
            m_tree.expand(node.key);
    m_view.showTree(m_tree);
    m_selectedKey = nodes::startNode.key.toString();
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
    m_filledGroups.clear();
    m_selectedKey.clear();
    m_view.timer(TimerId::MemoryGame).setEnabled(false);
    showStartPage();
    m_catalogue.buildTab(tabs[index].caption, m_tree);
    m_view.showTree(m_tree);
    showMedalPage();
    // The medal page is written into the main pane; a lesson or the clock
    // left in front by the tab before would hide it.
    m_view.bringToFront(PaneId::Main);
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

    NodeClick click{node, tag.family, tag.number, {}, {}};
    m_mainPaneNavigated = false;
    if (tag.family == u'$') {
        if (const auto handler = m_pageHandlers.value(Route::TimeInterval))
            handler(click);
    }
    if (const auto handler = m_pageHandlers.value(routeFor(tag.family, tag.number)))
        handler(click);

    // A handler that loaded a file into the main pane keeps it shown; the
    // file's own boxes say how many items it has.
    if (m_mainPaneNavigated) {
        state.pageItemCount = 0;
        return;
    }
    writePage(click.page.text);
    state.pageItemCount = click.page.items;
    m_pairAnswer = click.page.pairAnswer;
    if (click.afterWrite)
        click.afterWrite();
}

void MainWindowController::startPage()
{
    m_view.timer(TimerId::PageSeconds).setEnabled(true);
    m_view.timer(TimerId::MemoryGame).setEnabled(false);
    state.pageGradable = true;
    state.elapsedSeconds = 0;
    m_view.bringToFront(PaneId::Main);
    for (const Hook &hook : std::as_const(m_pageStartHooks))
        hook();
}

// The panes

void MainWindowController::writePage(const QString &html)
{
    applyToMainPane({DomEdit::setBody(html)});
    m_writtenPage = html;
    m_writtenSerial = m_pageSerial;
}

void MainWindowController::applyToMainPane(const DomEdits &edits)
{
    if (std::any_of(edits.cbegin(), edits.cend(),
                    [](const DomEdit &e) { return e.kind == DomEdit::Kind::SetBody; }))
        ++m_pageSerial;
    m_view.pane(PaneId::Main).apply(edits);
}

void MainWindowController::navigate(PaneId pane, const QString &relativePath)
{
    if (pane == PaneId::Main) {
        m_mainPaneNavigated = true;
        ++m_pageSerial;
    }
    m_view.pane(pane).navigate(m_files.absolutePath(relativePath));
}

void MainWindowController::playSound(const QString &relativePath)
{
    m_view.playSound(m_files.absolutePath(relativePath));
}

QString MainWindowController::startPagePath() const
{
    return m_files.absolutePath(u"help.htm"_s);
}

void MainWindowController::showStartPage()
{
    ++m_pageSerial;
    m_view.pane(PaneId::Main).navigate(startPagePath());
}

void MainWindowController::showMedalPage()
{
    QString text = m_medals.pageText();
    if (m_record)
        text += recordSection(m_record->summary(today()), today());
    writePage(text);
}

void MainWindowController::showMistakePage()
{
    if (!m_record)
        return;
    const QList<Mistake> entries = m_record->mistakes(20);
    startPage();
    writePage(mistakePage(entries));
    state.pageItemCount = int(entries.size());
    state.pageGradable = !entries.isEmpty();
    m_pairAnswer = u"%1%2"_s;
    m_mistakeIds.clear();
    for (const Mistake &m : entries)
        m_mistakeIds.append(m.id);
    m_mistakePage = m_pageSerial;
}

MainWindowController::PrintSheet MainWindowController::printSheet() const
{
    if (m_writtenSerial != m_pageSerial)
        return {};
    const QStringList keys = answerKeyOf(PageText(m_writtenPage).snapshot(), m_pairAnswer);
    if (keys.isEmpty())
        return {};
    const TopicNode *node = m_tree.find(m_selectedKey);
    const QString title = m_mistakePage == m_pageSerial ? u"错题本"_s
                          : node                        ? node->caption
                                                        : QString();
    // The pane gives each its own box: the blocks' contents without the
    // outer element. The key is for the parent or teacher only.
    const auto inner = [](const QString &block) {
        return block.mid(block.indexOf(u'>') + 1).chopped(int(u"</div>"_s.size()));
    };
    return {inner(worksheetHeader(title)),
            m_accounts.isAdvancedUser() ? inner(answerKeyHtml(title, keys)) : QString()};
}

QString MainWindowController::printName() const
{
    const TopicNode *node = m_tree.find(m_selectedKey);
    return (node ? node->caption : u"练习"_s) + u'-' + today().toString(u"yyyy-MM-dd"_s);
}

void MainWindowController::exportRecord()
{
    // The record holds the correct answers of every page it keeps.
    if (!m_record || !m_accounts.mayShowAnswers())
        return;
    const QString path = m_view.chooseSaveFile(u"练习记录.csv"_s);
    if (path.isEmpty())
        return;
    // UTF-8 with a byte-order mark, so that spreadsheets read the Chinese.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write("\xEF\xBB\xBF") < 0 ||
        file.write(m_record->csv().toUtf8()) < 0 || !file.commit())
        m_view.showMessage(u"练习记录没能导出到“"_s + path +
                           u"”！请检查磁盘空间和文件夹的写入权限。"_s);
}

void MainWindowController::showIntroduction()
{
    QString text = texts::introduction();
    text.replace(u"\r\n"_s, u"<br>"_s);
    writePage(text);
}

// Timers and the tool bar

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

void MainWindowController::tick(TimerId timer)
{
    for (const Hook &hook : m_timerHooks.value(timer))
        hook();
}

void MainWindowController::toolbarClicked(const QString &key)
{
    if (key == "w1"_L1) {
        if (m_accounts.mayChangePassword())
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

void MainWindowController::applyOptions(int itemsPerPage, int memorySeconds, int decimalPlaces,
                                        std::optional<bool> studentMayGrade)
{
    state.defaultTiCount = itemsPerPage;
    state.YouXiMiao = memorySeconds;
    state.XiaoShuWeiShu = decimalPlaces;
    if (studentMayGrade && m_accounts.isAdvancedUser())
        state.studentMayGrade = *studentMayGrade;
    if (!chosenOptions().save(m_settings))
        m_view.showMessage(u"选项没能保存到设置文件里，下次启动时会回到原来的选项！"
                           u"请检查磁盘空间和设置文件夹的写入权限。"_s);
}

Options MainWindowController::chosenOptions() const
{
    return {state.defaultTiCount, state.YouXiMiao, state.XiaoShuWeiShu, state.studentMayGrade};
}

// Page events and grading

void MainWindowController::pageEvent(const QString &kind, const QString &targetName,
                                     PageDocument &document)
{
    // The record's buttons under the medal page.
    if (kind == "click"_L1 && targetName == practiseMistakesButton) {
        showMistakePage();
        return;
    }
    if (kind == "click"_L1 && targetName == exportRecordButton) {
        exportRecord();
        return;
    }
    // A click on the submit button grades the page at once, except on the
    // intelligence test's pages.
    if (kind == "click"_L1 && m_selectedKey != nodes::intelligenceTest.key &&
        targetName == "finish"_L1 && document.find(u"finish"_s))
        gradePage(document);
    for (const PageEventHandler &handler : std::as_const(m_pageEventHandlers))
        handler(kind, targetName, document);
    applyToMainPane(document.takeEdits());
}

void MainWindowController::gradePage(PageDocument &document)
{
    if (!state.pageGradable)
        return;

    // The mistake book's page is graded as any drill page.
    const bool mistakes = m_mistakePage == m_pageSerial;
    const TopicNode *node = mistakes ? nullptr : m_tree.find(m_selectedKey);
    const QString key = node ? node->key : QString();
    const QString parentKey = node ? node->parentKey : QString();
    const QList<GradingVariant> variants =
        mistakes ? QList<GradingVariant>{GradingVariant::General} : gradingVariants(key, parentKey);
    // When the parent allows it, a student's page graded item by item is
    // marked right or wrong without the answers; every other grading shows
    // answers and stays the advanced user's.
    m_marksOnly = !m_accounts.isAdvancedUser() && state.studentMayGrade && !variants.isEmpty() &&
                  std::ranges::all_of(variants, marksWithoutAnswers);
    if (!m_marksOnly && !m_accounts.mayShowAnswers())
        return;
    for (GradingVariant variant : variants) {
        if (usesItemGrading(variant)) {
            MarkingRules rules;
            rules.items = state.pageItemCount > 0 ? state.pageItemCount : itemCountOf(document);
            rules.inequality = m_view.displayMode() == DisplayMode::Inequality &&
                               tabCaption() == catalogue::arithmeticTab;
            rules.pairAnswer = m_pairAnswer;
            rules.seconds = state.elapsedSeconds;
            rules.showAnswers = !m_marksOnly;
            const GradedPage graded{mistakes ? u"mistakes"_s : key,
                                    mistakes ? u"错题本"_s : (node ? node->caption : QString()),
                                    node ? parentCaptionOf(*node) : QString(), state.elapsedSeconds,
                                    markItems(document, rules)};
            notifyGraded(graded);
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
    m_marksOnly = false;
    m_view.timer(TimerId::PageSeconds).setEnabled(false);
    state.pageGradable = false;
    // A graded page is closed: its boxes no longer take input, and the score
    // line comes into view.
    document.lockAnswers();
    document.scrollTo(u"finish"_s);
}

QString MainWindowController::parentCaptionOf(const TopicNode &node) const
{
    const TopicNode *parent = m_tree.find(node.parentKey);
    return parent ? parent->caption : QString();
}

void MainWindowController::pageGraded(const MarkedPage &marked, bool game)
{
    const TopicNode *node = m_tree.find(m_selectedKey);
    notifyGraded({node ? node->key : QString(), node ? node->caption : QString(),
                  node ? parentCaptionOf(*node) : QString(), state.elapsedSeconds, marked, game});
}

void MainWindowController::notifyGraded(const GradedPage &page)
{
    for (const auto &listener : std::as_const(m_gradedListeners))
        listener(page);
}

void MainWindowController::recordPage(const GradedPage &page)
{
    if (!m_record)
        return;
    RecordedPage r;
    r.finished = QDateTime(today(), QTime::currentTime());
    r.tab = tabCaption();
    r.nodeKey = page.nodeKey;
    r.nodeText = page.nodeText;
    r.items = int(page.marked.items.size());
    r.score = page.marked.score;
    r.seconds = page.seconds;
    r.advanced = m_accounts.isAdvancedUser();
    r.game = page.game;
    const bool written = m_writtenSerial == m_pageSerial;
    const bool mistakes = m_mistakePage == m_pageSerial;
    for (const MarkedItem &item : page.marked.items) {
        RecordedItem recorded{written ? questionOfItem(m_writtenPage, item.number) : QString(),
                              item.expected, item.typed, item.right, 0};
        if (mistakes && item.number >= 1 && item.number <= m_mistakeIds.size())
            recorded.mistakeId = m_mistakeIds[item.number - 1];
        r.right += item.right;
        r.itemList.append(recorded);
    }
    if (!m_record->recordPage(r) && !m_toldRecordUnsaved) {
        m_toldRecordUnsaved = true;
        m_view.showMessage(u"这一页没能保存到练习记录里！请检查磁盘空间和数据文件夹的写入权限。"
                           u"批改和奖牌不受影响。"_s);
    }
}

void MainWindowController::awardMedal()
{
    const TopicNode *node = m_tree.find(m_selectedKey);
    const QString record = MedalBook::record(
        node ? parentCaptionOf(*node) : QString(), node ? node->caption : QString(),
        state.elapsedSeconds, today().toString(u"yyyy/M/d"_s)); // the Chinese short form
    if (!m_medals.award(record))
        m_view.showMessage(
            u"这块奖牌没能保存到成绩记录里！请检查磁盘空间和设置文件夹的写入权限。"_s);
}

} // namespace quorvel
