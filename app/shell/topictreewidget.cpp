#include "app/shell/topictreewidget.h"

#include "app/core/topictree.h"

#include <QHeaderView>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {
constexpr int keyRole = Qt::UserRole;
}

TopicTreeWidget::TopicTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    setObjectName(u"TreeView1"_s);
    setHeaderHidden(true);
    setColumnCount(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setIconSize(QSize(18, 18));

    m_topicIcon.addFile(u":/quorvel/icons/node-topic.svg"_s, {}, QIcon::Normal);
    m_topicIcon.addFile(u":/quorvel/icons/node-topic-selected.svg"_s, {}, QIcon::Selected);
    m_groupIcon.addFile(u":/quorvel/icons/node-group.svg"_s);

    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) {
        if (current && !m_selectingFromCode)
            Q_EMIT nodeClicked(keyOf(current));
    });
    connect(this, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item) {
        // A click on the node that was already current is a click again.
        if (item && item == m_currentAtPress)
            Q_EMIT nodeClicked(keyOf(item));
        m_currentAtPress = nullptr;
    });
}

QString TopicTreeWidget::keyOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, keyRole).toString() : QString();
}

void TopicTreeWidget::mousePressEvent(QMouseEvent *event)
{
    m_currentAtPress = currentItem();
    QTreeWidget::mousePressEvent(event);
}

QTreeWidgetItem *TopicTreeWidget::makeItem(const TopicNode &node)
{
    QTreeWidgetItem *parentItem = m_items.value(node.parentKey);
    auto *item = parentItem ? new QTreeWidgetItem(parentItem) : new QTreeWidgetItem(this);
    item->setText(0, node.caption);
    item->setToolTip(0, node.caption); // a long caption is cut with "…"
    item->setData(0, keyRole, node.key);
    item->setIcon(0, node.icon == NodeIcon::Group ? m_groupIcon : m_topicIcon);
    m_items.insert(node.key, item);
    return item;
}

void TopicTreeWidget::addNodes(const QList<TopicNode> &nodes)
{
    m_selectingFromCode = true;
    for (const TopicNode &node : nodes)
        if (!m_items.contains(node.key))
            makeItem(node);
    m_selectingFromCode = false;
}

void TopicTreeWidget::showTree(const TopicTree &tree)
{
    m_selectingFromCode = true;
    m_currentAtPress = nullptr;
    clear();
    m_items.clear();
    for (const TopicNode &node : tree.nodes())
        makeItem(node);
    for (const QString &key : tree.expandedKeys())
        if (QTreeWidgetItem *item = m_items.value(key))
            item->setExpanded(true);
    setCurrentItem(nullptr);
    m_selectingFromCode = false;
}

void TopicTreeWidget::selectKey(const QString &key)
{
    QTreeWidgetItem *item = m_items.value(key);
    if (!item)
        return;
    m_selectingFromCode = true;
    setCurrentItem(item);
    scrollToItem(item);
    m_selectingFromCode = false;
}

} // namespace quorvel
