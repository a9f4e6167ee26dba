#pragma once
// The page as a handler sees it during one page event: a snapshot of every
// named element (what the page script sent), answering the reads the handlers
// make, and the list of writes they make, to be sent back to the page.
#include "page/domedit.h"

#include <QJsonArray>
#include <QList>
#include <QString>

namespace quorvel {

struct PageElement
{
    QString name;
    QString id;
    QString type;
    QString value;
    QString tag; // the element's tag attribute as written in the page
    bool checked = false;
};

class PageDocument
{
public:
    PageDocument() = default;
    explicit PageDocument(QList<PageElement> elements);
    // Reads the snapshot the page script sends: [{name, id, type, value, tag, checked}, ...].
    static PageDocument fromJson(const QJsonArray &snapshot);

    // The first element whose name or id equals key, as the document's "all"
    // collection finds it; nullptr when the page has none.
    const PageElement *find(const QString &key) const;
    const QList<PageElement> &elements() const { return m_elements; }

    // Writes are recorded in order; those that change what later reads see
    // (value, checked, tag) also update the snapshot.
    void setBody(const QString &html);
    void insertTextAfter(const QString &key, const QString &text);
    void insertHtmlAfter(const QString &key, const QString &html);
    void setInnerHtml(const QString &key, const QString &html);
    void setValue(const QString &key, const QString &value);
    void setChecked(const QString &key, bool checked);
    void setTag(const QString &key, const QString &tag);
    // A graded page: its answer boxes become read-only.
    void lockAnswers();
    void scrollTo(const QString &key);

    const DomEdits &edits() const { return m_edits; }
    DomEdits takeEdits();

private:
    PageElement *findMutable(const QString &key);

    QList<PageElement> m_elements;
    DomEdits m_edits;
};

} // namespace quorvel
