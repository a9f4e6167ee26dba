#pragma once
// The topic tree of one tab as data: every node's key, caption, parent, tag,
// icon and expansion, in the order the nodes were added. The window's tree
// widget shows this model; handlers read the clicked node from it.
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace quorvel {

enum class NodeIcon
{
    Topic, // icon 1, icon 2 while selected
    Group, // icon 4 both ways: top-level groups and marked sub-groups
};

struct TopicNode
{
    QString key;
    QString caption;
    QString parentKey; // empty at the top level
    QString tag;
    NodeIcon icon = NodeIcon::Topic;

    bool operator==(const TopicNode &) const = default;
};

class TopicTree
{
public:
    void clear();
    // Adds a node as the last child of its parent. A key already present or
    // a parent not present is refused (returns false), as the tree control
    // refuses it.
    bool add(const TopicNode &node);
    // Convenience for the catalogue tables: top-level nodes get the group icon.
    bool add(const QString &key, const QString &caption, const QString &parentKey,
             const QString &tag, NodeIcon icon = NodeIcon::Topic);
    void expand(const QString &key);
    bool isExpanded(const QString &key) const { return m_expanded.contains(key); }

    const TopicNode *find(const QString &key) const;
    const QList<TopicNode> &nodes() const { return m_nodes; }
    QStringList childKeys(const QString &parentKey) const;
    qsizetype size() const { return m_nodes.size(); }
    // Keys of the expanded nodes, in the order they were expanded.
    const QStringList &expandedKeys() const { return m_expanded; }

private:
    QList<TopicNode> m_nodes;
    QHash<QString, qsizetype> m_index;
    QStringList m_expanded;
};

} // namespace quorvel
