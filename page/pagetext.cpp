#include "page/pagetext.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

bool isVoidElement(const QString &tagName)
{
    static const QSet<QString> voids = {u"area"_s,   u"base"_s,  u"br"_s,    u"col"_s,  u"embed"_s,
                                        u"hr"_s,     u"img"_s,   u"input"_s, u"link"_s, u"meta"_s,
                                        u"source"_s, u"track"_s, u"wbr"_s};
    return voids.contains(tagName);
}

bool holdsRawText(const QString &tagName)
{
    return tagName == "script"_L1 || tagName == "style"_L1 || tagName == "textarea"_L1 ||
           tagName == "title"_L1;
}

QString decodeEntities(QStringView text)
{
    if (!text.contains(u'&'))
        return text.toString();
    static const QRegularExpression entity(
        u"&(#x[0-9a-fA-F]+|#[0-9]+|amp|lt|gt|quot|apos|nbsp);"_s);
    QString decoded;
    qsizetype last = 0;
    const QString s = text.toString();
    for (const QRegularExpressionMatch &m : entity.globalMatch(s)) {
        decoded += QStringView(s).mid(last, m.capturedStart() - last);
        const QString name = m.captured(1);
        if (name.startsWith(u"#x"_s))
            decoded += QChar(char16_t(name.mid(2).toUInt(nullptr, 16)));
        else if (name.startsWith(u'#'))
            decoded += QChar(char16_t(name.mid(1).toUInt()));
        else
            decoded += name == "amp"_L1    ? u"&"_s
                       : name == "lt"_L1   ? u"<"_s
                       : name == "gt"_L1   ? u">"_s
                       : name == "quot"_L1 ? u"\""_s
                       : name == "apos"_L1 ? u"'"_s
                                           : QString(QChar(0xA0));
        last = m.capturedEnd();
    }
    decoded += QStringView(s).mid(last);
    return decoded;
}

QString quotedAttribute(const QString &value)
{
    QString escaped = value;
    escaped.replace(u'&', u"&amp;"_s).replace(u'"', u"&quot;"_s);
    return u'"' + escaped + u'"';
}

} // namespace

std::optional<QString> PageText::Element::attribute(const QString &name) const
{
    for (const Attribute &a : attributes)
        if (a.name == name)
            return a.value;
    return std::nullopt;
}

QList<PageText::Element> PageText::elements() const
{
    QList<Element> list;
    const QString &s = m_html;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        const qsizetype lt = s.indexOf(u'<', i);
        if (lt < 0 || lt + 1 >= n)
            break;
        if (QStringView(s).mid(lt, 4) == u"<!--") {
            const qsizetype end = s.indexOf("-->"_L1, lt + 4);
            i = end < 0 ? n : end + 3;
            continue;
        }
        if (!s[lt + 1].isLetter()) {
            i = lt + 1;
            continue;
        }
        qsizetype p = lt + 1;
        while (p < n && (s[p].isLetterOrNumber() || s[p] == u'-'))
            ++p;
        Element e;
        e.tagName = s.mid(lt + 1, p - lt - 1).toLower();
        e.start = lt;
        while (p < n) {
            while (p < n && s[p].isSpace())
                ++p;
            if (p >= n)
                break;
            if (s[p] == u'>') {
                ++p;
                break;
            }
            if (s[p] == u'/') {
                e.selfClosing = p + 1 < n && s[p + 1] == u'>';
                ++p;
                continue;
            }
            Attribute a;
            a.start = p;
            while (p < n && !s[p].isSpace() && s[p] != u'=' && s[p] != u'>' &&
                   !(s[p] == u'/' && p + 1 < n && s[p + 1] == u'>'))
                ++p;
            a.name = s.mid(a.start, p - a.start).toLower();
            qsizetype r = p;
            while (r < n && s[r].isSpace())
                ++r;
            if (r < n && s[r] == u'=') {
                ++r;
                while (r < n && s[r].isSpace())
                    ++r;
                if (r < n && (s[r] == u'"' || s[r] == u'\'')) {
                    qsizetype close = s.indexOf(s[r], r + 1);
                    if (close < 0)
                        close = n;
                    a.value = decodeEntities(QStringView(s).mid(r + 1, close - r - 1));
                    p = std::min(close + 1, n);
                } else {
                    qsizetype end = r;
                    while (end < n && !s[end].isSpace() && s[end] != u'>')
                        ++end;
                    a.value = decodeEntities(QStringView(s).mid(r, end - r));
                    p = end;
                }
            }
            a.end = p;
            if (a.end == a.start) { // a stray character: step over it
                ++p;
                continue;
            }
            e.attributes.append(a);
        }
        e.openEnd = p;
        list.append(e);
        i = p;
        if (holdsRawText(e.tagName)) {
            const qsizetype close = s.indexOf("</"_L1 + e.tagName, p, Qt::CaseInsensitive);
            i = close < 0 ? n : close;
        }
    }
    return list;
}

std::optional<PageText::Element> PageText::find(const QString &key) const
{
    if (key.isEmpty())
        return std::nullopt;
    for (const Element &e : elements())
        if (e.attribute(u"name"_s) == key || e.attribute(u"id"_s) == key)
            return e;
    return std::nullopt;
}

std::pair<qsizetype, qsizetype> PageText::closing(const Element &element) const
{
    if (element.selfClosing || isVoidElement(element.tagName))
        return {element.openEnd, element.openEnd};
    const QRegularExpression tag(u"<(/?)"_s + QRegularExpression::escape(element.tagName) +
                                     u"(?=[\\s>/])"_s,
                                 QRegularExpression::CaseInsensitiveOption);
    int depth = 1;
    QRegularExpressionMatchIterator it = tag.globalMatch(m_html, element.openEnd);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        depth += m.capturedLength(1) == 0 ? 1 : -1;
        if (depth == 0) {
            const qsizetype gt = m_html.indexOf(u'>', m.capturedEnd());
            return {m.capturedStart(), gt < 0 ? m_html.size() : gt + 1};
        }
    }
    return {m_html.size(), m_html.size()};
}

void PageText::setAttribute(const Element &element, const QString &name,
                            const std::optional<QString> &value)
{
    for (const Attribute &a : element.attributes) {
        if (a.name != name)
            continue;
        if (value)
            m_html.replace(a.start, a.end - a.start, name + u'=' + quotedAttribute(*value));
        else
            m_html.remove(a.start - 1, a.end - a.start + 1); // with the space before it
        return;
    }
    if (!value)
        return;
    const qsizetype at = element.openEnd - (element.selfClosing ? 2 : 1);
    m_html.insert(at, u' ' + name + u'=' + quotedAttribute(*value));
}

QString PageText::body() const
{
    for (const Element &e : elements()) {
        if (e.tagName == "body"_L1)
            return m_html.mid(e.openEnd, closing(e).first - e.openEnd);
    }
    return m_html;
}

void PageText::apply(const DomEdits &edits)
{
    for (const DomEdit &edit : edits)
        apply(edit);
}

void PageText::apply(const DomEdit &edit)
{
    if (edit.kind == DomEdit::Kind::LockAnswers) {
        // From the last box back, so that earlier offsets stay right.
        const QList<Element> all = elements();
        for (auto it = all.crbegin(); it != all.crend(); ++it)
            if (it->tagName == "input"_L1 && it->attribute(u"class"_s) == "text"_L1)
                setAttribute(*it, u"readonly"_s, u"readonly"_s);
        return;
    }
    if (edit.kind == DomEdit::Kind::ScrollTo || edit.kind == DomEdit::Kind::PrintHeader ||
        edit.kind == DomEdit::Kind::PrintKey)
        return; // what only a printer sees

    if (edit.kind == DomEdit::Kind::SetBody) {
        for (const Element &e : elements()) {
            if (e.tagName == "body"_L1) {
                const qsizetype end = closing(e).first;
                m_html.replace(e.openEnd, end - e.openEnd, edit.text);
                return;
            }
        }
        m_html = edit.text;
        return;
    }
    const std::optional<Element> element = find(edit.target);
    if (!element)
        return;
    switch (edit.kind) {
    case DomEdit::Kind::InsertTextAfter:
        m_html.insert(closing(*element).second, edit.text.toHtmlEscaped());
        break;
    case DomEdit::Kind::InsertHtmlAfter:
        m_html.insert(closing(*element).second, edit.text);
        break;
    case DomEdit::Kind::SetInnerHtml: {
        const qsizetype end = closing(*element).first;
        m_html.replace(element->openEnd, end - element->openEnd, edit.text);
        break;
    }
    case DomEdit::Kind::SetValue:
        setAttribute(*element, u"value"_s, edit.text);
        break;
    case DomEdit::Kind::SetChecked:
        setAttribute(*element, u"checked"_s,
                     edit.flag ? std::optional<QString>(u"checked"_s) : std::nullopt);
        break;
    case DomEdit::Kind::SetTag:
        setAttribute(*element, u"tag"_s, edit.text);
        break;
    case DomEdit::Kind::SetBody:
    case DomEdit::Kind::LockAnswers:
    case DomEdit::Kind::ScrollTo:
    case DomEdit::Kind::PrintHeader:
    case DomEdit::Kind::PrintKey:
        break;
    }
}

PageDocument PageText::snapshot() const
{
    QList<PageElement> named;
    for (const Element &e : elements()) {
        const QString name = e.attribute(u"name"_s).value_or(QString());
        const QString id = e.attribute(u"id"_s).value_or(QString());
        if (name.isEmpty() && id.isEmpty())
            continue;
        PageElement element;
        element.name = name;
        element.id = id;
        element.type = e.attribute(u"type"_s).value_or(e.tagName).toLower();
        const bool hasValue = e.tagName == "input"_L1 || e.tagName == "button"_L1 ||
                              e.tagName == "select"_L1 || e.tagName == "option"_L1;
        const bool toggles = element.type == "radio"_L1 || element.type == "checkbox"_L1;
        if (hasValue)
            element.value = e.attribute(u"value"_s).value_or(toggles ? u"on"_s : QString());
        else if (e.tagName == "textarea"_L1)
            element.value =
                decodeEntities(QStringView(m_html).mid(e.openEnd, closing(e).first - e.openEnd));
        element.tag = e.attribute(u"tag"_s).value_or(QString());
        element.checked = toggles && e.attribute(u"checked"_s).has_value();
        named.append(element);
    }
    return PageDocument(named);
}

} // namespace quorvel
