#pragma once
// A pane's document kept as HTML text where no browser runs (the sheet tool,
// the tests): the program's edits are applied to the text as the page script
// applies them to the document, and the snapshot of named elements is read
// from it as the page script would send it.
#include "page/domedit.h"
#include "page/pagedocument.h"

#include <QString>
#include <optional>

namespace quorvel {

class PageText
{
public:
    PageText() = default;
    explicit PageText(QString html) : m_html(std::move(html)) {}

    const QString &html() const { return m_html; }
    // The content of <body>, or the whole text when it has no body element.
    QString body() const;

    // Applies edits in order; an edit whose element is missing is skipped.
    void apply(const DomEdits &edits);
    void apply(const DomEdit &edit);

    // Every element with a name or an id, in document order: its name, id,
    // type (the type attribute, else the element's name), value, tag
    // attribute and checked state.
    PageDocument snapshot() const;

private:
    struct Attribute
    {
        QString name; // lower case
        QString value;
        qsizetype start = 0; // the whole attribute, name to end of value
        qsizetype end = 0;
    };
    struct Element
    {
        QString tagName;       // lower case
        qsizetype start = 0;   // "<"
        qsizetype openEnd = 0; // just after the start tag's ">"
        bool selfClosing = false;
        QList<Attribute> attributes;
        std::optional<QString> attribute(const QString &name) const;
    };

    QList<Element> elements() const;
    std::optional<Element> find(const QString &key) const;
    // Where the element's end tag starts, and where it ends; both openEnd
    // for void elements, the end of the text when it is never closed.
    std::pair<qsizetype, qsizetype> closing(const Element &element) const;
    void setAttribute(const Element &element, const QString &name,
                      const std::optional<QString> &value);

    QString m_html;
};

} // namespace quorvel
