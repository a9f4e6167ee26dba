#pragma once
// TreeView1: shows the topic tree model with its icons and expanded groups.
// Captions cannot be edited. A node click is reported when the current node
// changes (by mouse or keys) and when the current node is clicked again;
// selecting a node from code is not a click.
#include <QHash>
#include <QIcon>
#include <QTreeWidget>

namespace quorvel {

class TopicTree;
struct TopicNode;

class TopicTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    explicit TopicTreeWidget(QWidget *parent = nullptr);

    void showTree(const TopicTree &tree);
    // Appends nodes under parents already shown; no click is reported.
    void addNodes(const QList<TopicNode> &nodes);
    void selectKey(const QString &key);
    QTreeWidgetItem *itemForKey(const QString &key) const { return m_items.value(key); }
    static QString keyOf(const QTreeWidgetItem *item);

Q_SIGNALS:
    void nodeClicked(const QString &key);

protected:
    QTreeWidgetItem *makeItem(const TopicNode &node);
    void mousePressEvent(QMouseEvent *event) override;

private:
    QHash<QString, QTreeWidgetItem *> m_items;
    QIcon m_topicIcon;
    QIcon m_groupIcon;
    bool m_selectingFromCode = false;
    QTreeWidgetItem *m_currentAtPress = nullptr;
};

} // namespace quorvel
