#include "page/pagedocument.h"

#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace quorvel {

PageDocument::PageDocument(QList<PageElement> elements) : m_elements(std::move(elements)) {}

PageDocument PageDocument::fromJson(const QJsonArray &snapshot)
{
    QList<PageElement> elements;
    elements.reserve(snapshot.size());
    for (const QJsonValue &value : snapshot) {
        const QJsonObject o = value.toObject();
        elements.append({o.value("name"_L1).toString(), o.value("id"_L1).toString(),
                         o.value("type"_L1).toString(), o.value("value"_L1).toString(),
                         o.value("tag"_L1).toString(), o.value("checked"_L1).toBool()});
    }
    return PageDocument(std::move(elements));
}

const PageElement *PageDocument::find(const QString &key) const
{
    if (key.isEmpty())
        return nullptr;
    for (const PageElement &e : m_elements)
        if (e.name == key || e.id == key)
            return &e;
    return nullptr;
}

PageElement *PageDocument::findMutable(const QString &key)
{
    return const_cast<PageElement *>(std::as_const(*this).find(key));
}

void PageDocument::setBody(const QString &html)
{
    m_elements.clear();
    m_edits.append(DomEdit::setBody(html));
}

void PageDocument::insertTextAfter(const QString &key, const QString &text)
{
    m_edits.append(DomEdit::insertTextAfter(key, text));
}

void PageDocument::insertHtmlAfter(const QString &key, const QString &html)
{
    m_edits.append(DomEdit::insertHtmlAfter(key, html));
}

void PageDocument::setInnerHtml(const QString &key, const QString &html)
{
    m_edits.append(DomEdit::setInnerHtml(key, html));
}

void PageDocument::setValue(const QString &key, const QString &value)
{
    if (PageElement *e = findMutable(key))
        e->value = value;
    m_edits.append(DomEdit::setValue(key, value));
}

void PageDocument::setChecked(const QString &key, bool checked)
{
    if (PageElement *e = findMutable(key))
        e->checked = checked;
    m_edits.append(DomEdit::setChecked(key, checked));
}

void PageDocument::setTag(const QString &key, const QString &tag)
{
    if (PageElement *e = findMutable(key))
        e->tag = tag;
    m_edits.append(DomEdit::setTag(key, tag));
}

DomEdits PageDocument::takeEdits()
{
    return std::exchange(m_edits, {});
}

void PageDocument::lockAnswers()
{
    m_edits.append(DomEdit::lockAnswers());
}

void PageDocument::scrollTo(const QString &key)
{
    m_edits.append(DomEdit::scrollTo(key));
}

} // namespace quorvel
