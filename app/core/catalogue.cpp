#include "app/core/catalogue.h"

#include "app/core/catalogue_rows.h"
#include "content/programfiles.h"

#include <span>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

using namespace catalogue_rows;

QString text(const char16_t *chars)
{
    return chars ? QStringView(chars).toString() : QString();
}

QString padded(qsizetype number, int width)
{
    return QString::number(number).rightJustified(width, u'0');
}

// "q5002" -> {"q", 5002}; "?11" -> {"?", 11}.
struct NumberedText
{
    QString prefix;
    qlonglong number = 0;

    explicit NumberedText(const QString &text)
    {
        qsizetype digits = text.size();
        while (digits > 0 && text[digits - 1].isDigit())
            --digits;
        prefix = text.left(digits);
        number = text.mid(digits).toLongLong();
    }
    QString plus(qsizetype step) const { return prefix + QString::number(number + step); }
};

// Adds nodes to a tree and expands the groups marked expanded once their
// children are in: a marked group is expanded as soon as a node outside its
// branch is added, or when the tab is complete.
class TreeFiller
{
public:
    TreeFiller(TopicTree &tree, const ProgramFiles &files, QStringList &lessonList,
               std::span<const CaptionChange> captionChanges = {})
        : m_tree(tree), m_files(files), m_lessonList(lessonList), m_captionChanges(captionChanges)
    {
    }

    void addRows(std::span<const Row> rows)
    {
        for (const Row &row : rows)
            addRow(row);
    }

    // Expands the groups still waiting for their children.
    void finish()
    {
        while (!m_waiting.isEmpty())
            m_tree.expand(m_waiting.takeLast());
    }

private:
    void addRow(const Row &row);
    void add(const QString &key, const QString &caption, const QString &parent, const QString &tag,
             NodeIcon icon = NodeIcon::Topic, bool expanded = false);
    QString captionFor(const QString &key, const QString &caption) const;
    bool isInBranch(const QString &key, const QString &groupKey) const;

    void addChildren(const QString &key, const QString &tag, const Children &children);
    void addGradeTopics(const QString &key, const QString &tag, const QString &file);
    void addFolderPages(const QString &key, const QString &tag, const Children &children);
    void addProblems(const QString &key, const QString &tag, int count, bool withAnswers);
    void addLessons(const QString &key, const QString &tag, const QString &file);
    void addQuestionBank(const QString &key, const QString &tag, const QString &file);
    QStringList readLessonList(const QString &file);

    TopicTree &m_tree;
    const ProgramFiles &m_files;
    QStringList &m_lessonList;
    std::span<const CaptionChange> m_captionChanges;
    QStringList m_waiting; // marked groups whose branch is still being filled, outermost first
};

void TreeFiller::addRow(const Row &row)
{
    const QStringList captions = text(row.captions).split(u'|');
    const NodeIcon icon = (row.flags & GroupIcon) ? NodeIcon::Group : NodeIcon::Topic;
    const bool expanded = row.flags & Expanded;

    if (captions.size() == 1) {
        // A single row keeps its tag as written: a few tags break the pattern.
        const QString key = text(row.key);
        const QString tag = text(row.tag);
        add(key, captionFor(key, captions.first()), text(row.parent), tag, icon, expanded);
        addChildren(key, tag, row.children);
        return;
    }
    const NumberedText firstKey(text(row.key));
    const NumberedText firstTag(text(row.tag));
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const QString key = firstKey.plus(i);
        add(key, captionFor(key, captions[i]), text(row.parent), firstTag.plus(i), icon, expanded);
    }
}

void TreeFiller::add(const QString &key, const QString &caption, const QString &parent,
                     const QString &tag, NodeIcon icon, bool expanded)
{
    while (!m_waiting.isEmpty() && !isInBranch(parent, m_waiting.last()))
        m_tree.expand(m_waiting.takeLast());
    if (m_tree.add(key, caption, parent, tag, icon) && expanded)
        m_waiting.append(key);
}

QString TreeFiller::captionFor(const QString &key, const QString &caption) const
{
    for (const CaptionChange &change : m_captionChanges)
        if (key == QStringView(change.key))
            return text(change.caption);
    return caption;
}

// Whether a node with this key is the group itself or lies below it.
bool TreeFiller::isInBranch(const QString &key, const QString &groupKey) const
{
    for (const TopicNode *node = m_tree.find(key); node; node = m_tree.find(node->parentKey))
        if (node->key == groupKey)
            return true;
    return false;
}

void TreeFiller::addChildren(const QString &key, const QString &tag, const Children &children)
{
    switch (children.fill) {
    case Fill::None:
        break;
    case Fill::GradeTopics:
        addGradeTopics(key, tag, text(children.source));
        break;
    case Fill::FolderPages:
        addFolderPages(key, tag, children);
        break;
    case Fill::Problems:
        addProblems(key, tag, children.number, false);
        break;
    case Fill::ProblemsWithAnswers:
        addProblems(key, tag, children.number, true);
        break;
    case Fill::Lessons:
        addLessons(key, tag, text(children.source));
        break;
    case Fill::QuestionBank:
        addQuestionBank(key, tag, text(children.source));
        break;
    }
}

// One topic per non-empty line of the grade file, numbered by line from 001;
// empty lines keep their number, so the numbers of the topics after them
// still match the lines of the file.
void TreeFiller::addGradeTopics(const QString &key, const QString &tag, const QString &file)
{
    const QStringList lines = m_files.readLines(file).value_or(QStringList());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].isEmpty())
            continue;
        const QString index = padded(i + 1, 3);
        add(key + index, lines[i], key, tag + index);
    }
}

// One node per page of the folder, captioned with the file name less its
// four-character extension and numbered by the file's position from 1. The
// folder's own index page is left out but keeps its number.
void TreeFiller::addFolderPages(const QString &key, const QString &tag, const Children &children)
{
    const QStringList names = m_files.fileNames(text(children.source));
    const QString indexPage = text(children.skipped);
    const QString tagLetter = tag.left(1);
    for (qsizetype i = 1; i <= names.size(); ++i) {
        const QString &name = names[i - 1];
        if (name == indexPage)
            continue;
        const QString number = QString::number(children.number + i);
        // A name too short for "x.htm" is listed whole.
        add(u'q' + number, name.size() < 5 ? name : name.chopped(4), key, tagLetter + number);
    }
}

// "第N题" for N = 1 ... count, each followed by "第N题答案" when the answers
// are listed too; the answer shares the problem's tag and has key "qa...".
void TreeFiller::addProblems(const QString &key, const QString &tag, int count, bool withAnswers)
{
    const int width = withAnswers ? 2 : 3;
    const QString keyDigits = key.mid(1);
    for (int n = 1; n <= count; ++n) {
        const QString index = padded(n, width);
        const QString caption = u'第' + QString::number(n) + u'题';
        add(key + index, caption, key, tag + index);
        if (withAnswers)
            add(u"qa"_s + keyDigits + index, caption + u"答案"_s, key, tag + index);
    }
}

QStringList TreeFiller::readLessonList(const QString &file)
{
    m_lessonList = m_files.readLines(file).value_or(QStringList());
    return m_lessonList;
}

// One lesson per line of the grade's lesson index, numbered by line from 00.
void TreeFiller::addLessons(const QString &key, const QString &tag, const QString &file)
{
    const QStringList lines = readLessonList(file);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString title = CatalogueBuilder::lessonTitle(lines[i]);
        if (title.isEmpty())
            continue;
        const QString index = padded(i, 2);
        add(key + index, title, key, tag + index);
    }
}

// The question bank lists chapters, whose titles carry a "、" after their
// number ("一、数的整除"), each followed by its question sets. Numbered by line
// from 000. Sets before the first chapter go straight under the bank.
void TreeFiller::addQuestionBank(const QString &key, const QString &tag, const QString &file)
{
    const QStringList lines = readLessonList(file);
    QString chapter = key;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString title = CatalogueBuilder::lessonTitle(lines[i]);
        if (title.isEmpty())
            continue;
        const QString index = padded(i, 3);
        if (title.contains(u'、')) {
            add(key + index, title, key, tag + index, NodeIcon::Group);
            chapter = key + index;
        } else {
            add(key + index, title, chapter, tag + index);
        }
    }
}

struct TabRows
{
    TabInfo info;
    std::span<const Row> rows;
    std::span<const Row> moreRows = {};
    std::span<const CaptionChange> captionChanges = {};
};

const QList<TabRows> &tabRows()
{
    static const QList<TabRows> all = {
        {{u"加减乘除"_s, u"T1"_s}, fourOperations, levelGame},
        {{u"时间转换"_s, u"T2"_s}, timeAndMoney},
        {{u"小数计算"_s, u"T3"_s}, fourOperations, {}, decimalCaptions},
        {{u"规律运算"_s, u"T4"_s}, patterns},
        {{u"分数和比例"_s, u"T5"_s}, fractionsAndRatios},
        {{u"基础概念"_s, u"T6"_s}, basics},
        {{u"同步教学"_s, u"T7"_s}, gradeTeaching},
        {{u"四则运算"_s, u"T8"_s}, mixedOperations},
        {{u"约数和倍数"_s, u"T9"_s}, divisorsAndMultiples},
        {{u"数学游戏"_s, u"T10"_s}, games},
        {{u"应用题"_s, u"T11"_s}, wordProblems},
        {{u"智力题"_s, u"T12"_s}, brainTeasers},
        {{u"讲座和故事"_s, u"T13"_s}, lecturesAndStories},
        {{u"各年级试卷"_s, u"T14"_s}, examPapers},
        {{u"学习奥数"_s, u"T15"_s}, olympiadLessons},
        {{u"奥数试卷"_s, u"T16"_s}, olympiadPapers},
    };
    return all;
}

} // namespace

namespace catalogue {

const QList<TabInfo> &tabs()
{
    static const QList<TabInfo> all = [] {
        QList<TabInfo> infos;
        for (const TabRows &tab : tabRows())
            infos.append(tab.info);
        return infos;
    }();
    return all;
}

QString captionOfKey(const QString &tabKey)
{
    for (const TabInfo &tab : tabs())
        if (tab.key == tabKey)
            return tab.caption;
    return {};
}

} // namespace catalogue

void CatalogueBuilder::buildInitialTree(TopicTree &tree)
{
    TreeFiller filler(tree, m_files, m_lessonList, startupCaptions);
    filler.addRows(fourOperations);
    filler.addRows(levelGame);
    filler.finish();
}

void CatalogueBuilder::buildTab(const QString &tabCaption, TopicTree &tree)
{
    for (const TabRows &tab : tabRows()) {
        if (tab.info.caption != tabCaption)
            continue;
        TreeFiller filler(tree, m_files, m_lessonList, tab.captionChanges);
        filler.addRows(tab.rows);
        filler.addRows(tab.moreRows);
        filler.finish();
        return;
    }
}

QString CatalogueBuilder::lessonTitle(const QString &line)
{
    const qsizetype open = line.indexOf(u'>');
    const qsizetype start = open < 0 ? 0 : open + 1;
    const qsizetype close = line.indexOf(u'<', start);
    return close < 0 ? line.mid(start) : line.mid(start, close - start);
}

} // namespace quorvel
