#include "app/core/topictree.h"

namespace quorvel {

void TopicTree::clear()
{
    m_nodes.clear();
    m_index.clear();
    m_expanded.clear();
}

bool TopicTree::add(const TopicNode &node)
{
    if (node.key.isEmpty() || m_index.contains(node.key))
        return false;
    if (!node.parentKey.isEmpty() && !m_index.contains(node.parentKey))
        return false;
    m_index.insert(node.key, m_nodes.size());
    m_nodes.append(node);
    return true;
}

bool TopicTree::add(const QString &key, const QString &caption, const QString &parentKey,
                    const QString &tag, NodeIcon icon)
{
    return add(
        TopicNode{key, caption, parentKey, tag, parentKey.isEmpty() ? NodeIcon::Group : icon});
}

void TopicTree::expand(const QString &key)
{
    if (m_index.contains(key) && !m_expanded.contains(key))
        m_expanded.append(key);
}

const TopicNode *TopicTree::find(const QString &key) const
{
    const auto it = m_index.constFind(key);
    return it == m_index.cend() ? nullptr : &m_nodes[*it];
}

QStringList TopicTree::childKeys(const QString &parentKey) const
{
    QStringList keys;
    for (const TopicNode &node : m_nodes)
        if (node.parentKey == parentKey)
            keys.append(node.key);
    return keys;
}

} // namespace quorvel
