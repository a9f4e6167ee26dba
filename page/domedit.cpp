#include "page/domedit.h"

#include <QJsonObject>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

struct KindName
{
    DomEdit::Kind kind;
    QLatin1StringView name;
};

constexpr KindName kindNames[] = {
    {DomEdit::Kind::SetBody, "setBody"_L1},
    {DomEdit::Kind::InsertTextAfter, "insertTextAfter"_L1},
    {DomEdit::Kind::InsertHtmlAfter, "insertHtmlAfter"_L1},
    {DomEdit::Kind::SetInnerHtml, "setInnerHtml"_L1},
    {DomEdit::Kind::SetValue, "setValue"_L1},
    {DomEdit::Kind::SetChecked, "setChecked"_L1},
    {DomEdit::Kind::SetTag, "setTag"_L1},
    {DomEdit::Kind::LockAnswers, "lockAnswers"_L1},
    {DomEdit::Kind::ScrollTo, "scrollTo"_L1},
    {DomEdit::Kind::PrintHeader, "printHeader"_L1},
    {DomEdit::Kind::PrintKey, "printKey"_L1},
};

} // namespace

QJsonArray toJson(const DomEdits &edits)
{
    QJsonArray array;
    for (const DomEdit &edit : edits) {
        QJsonObject object;
        for (const KindName &k : kindNames)
            if (k.kind == edit.kind)
                object.insert("op"_L1, k.name);
        object.insert("target"_L1, edit.target);
        object.insert("text"_L1, edit.text);
        object.insert("flag"_L1, edit.flag);
        array.append(object);
    }
    return array;
}

DomEdits domEditsFromJson(const QJsonArray &array)
{
    DomEdits edits;
    for (const QJsonValue &value : array) {
        const QJsonObject object = value.toObject();
        const QString op = object.value("op"_L1).toString();
        for (const KindName &k : kindNames) {
            if (op == k.name) {
                edits.append({k.kind, object.value("target"_L1).toString(),
                              object.value("text"_L1).toString(),
                              object.value("flag"_L1).toBool()});
            }
        }
    }
    return edits;
}

} // namespace quorvel
