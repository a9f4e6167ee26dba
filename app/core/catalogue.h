#pragma once
// The topic catalogue: the 16 subject tabs and, for each, the tree of topics
// with every node's key, caption, parent, tag and icon. Some groups take
// their children from the program folder's files (grade topic files, lesson
// indexes, the question bank, the book and story folders).
#include "app/core/topictree.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

class ProgramFiles;

struct TabInfo
{
    QString caption;
    QString key; // "T1" ... "T16"
};

namespace catalogue {

// The tabs in display order; the first is selected at start.
const QList<TabInfo> &tabs();
// The caption of tab "T1" ... "T16", or empty.
QString captionOfKey(const QString &tabKey);

inline constexpr auto arithmeticTab = u"加减乘除";
inline constexpr auto decimalTab = u"小数计算";

} // namespace catalogue

class CatalogueBuilder
{
public:
    explicit CatalogueBuilder(const ProgramFiles &files) : m_files(files) {}

    // The tree shown at start: the arithmetic tab's five groups with the
    // start-up captions of the division nodes, all five expanded.
    void buildInitialTree(TopicTree &tree);

    // Adds the groups of the tab with this caption, expanding the groups
    // marked expanded as soon as their children are in. A caption that
    // matches no tab adds nothing. The tree is not cleared here.
    void buildTab(const QString &tabCaption, TopicTree &tree);

    // The lines of the lesson index or question bank read last while building
    // (the lesson pages read it); empty when none was read.
    const QStringList &lessonList() const { return m_lessonList; }

    // The title of a lesson-index or question-bank line: the text between
    // its first ">" and the first "<" after it.
    static QString lessonTitle(const QString &line);

private:
    const ProgramFiles &m_files;
    QStringList m_lessonList;
};

} // namespace quorvel
