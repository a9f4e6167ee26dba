#pragma once
// Edits of a pane's document, sent to the page as data. The page applies them
// in order; an edit whose element is missing is skipped.
#include <QJsonArray>
#include <QList>
#include <QString>

namespace quorvel {

struct DomEdit
{
    enum class Kind
    {
        SetBody,         // body.innerHTML = text
        InsertTextAfter, // element.insertAdjacentText("afterend", text)
        InsertHtmlAfter, // element.insertAdjacentHTML("afterend", text)
        SetInnerHtml,    // element.innerHTML = text
        SetValue,        // element.value = text
        SetChecked,      // element.checked = flag
        SetTag,          // element.setAttribute("tag", text)
        LockAnswers,     // every answer box becomes read-only (a graded page)
        ScrollTo,        // the element is scrolled into view
        PrintHeader,     // the sheet's header, printed above the page only
        PrintKey,        // the answer key, printed after the page only (empty: none)
    };

    Kind kind = Kind::SetBody;
    QString target; // element name or id; empty for SetBody
    QString text;
    bool flag = false;

    static DomEdit setBody(const QString &html) { return {Kind::SetBody, {}, html, false}; }
    static DomEdit insertTextAfter(const QString &t, const QString &s)
    {
        return {Kind::InsertTextAfter, t, s, false};
    }
    static DomEdit insertHtmlAfter(const QString &t, const QString &h)
    {
        return {Kind::InsertHtmlAfter, t, h, false};
    }
    static DomEdit setInnerHtml(const QString &t, const QString &h)
    {
        return {Kind::SetInnerHtml, t, h, false};
    }
    static DomEdit setValue(const QString &t, const QString &v)
    {
        return {Kind::SetValue, t, v, false};
    }
    static DomEdit setChecked(const QString &t, bool on) { return {Kind::SetChecked, t, {}, on}; }
    static DomEdit setTag(const QString &t, const QString &v)
    {
        return {Kind::SetTag, t, v, false};
    }
    static DomEdit lockAnswers() { return {Kind::LockAnswers, {}, {}, false}; }
    static DomEdit scrollTo(const QString &t) { return {Kind::ScrollTo, t, {}, false}; }
    static DomEdit printHeader(const QString &html) { return {Kind::PrintHeader, {}, html, false}; }
    static DomEdit printKey(const QString &html) { return {Kind::PrintKey, {}, html, false}; }

    bool operator==(const DomEdit &) const = default;
};

using DomEdits = QList<DomEdit>;

// The wire form the page script reads: [{op, target, text, flag}, ...].
QJsonArray toJson(const DomEdits &edits);
DomEdits domEditsFromJson(const QJsonArray &array);

} // namespace quorvel
