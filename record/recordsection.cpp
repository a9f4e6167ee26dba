#include "record/recordsection.h"

#include <QRegularExpression>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

QString number(int n)
{
    return QString::number(n);
}

QString weekRow(const QString &caption, const WeekFigures &w)
{
    return u"<tr><td>"_s + caption + u"</td><td>"_s + number(w.pages) + u"</td><td>"_s +
           number(w.items) + u"</td><td>"_s +
           (w.pages ? number(w.averageScore) + u"分"_s : u"—"_s) + u"</td><td>"_s +
           number(w.minutes) + u"分钟</td></tr>"_s;
}

// A bar chart of values 0..top, one bar each, with a label under some bars.
QString barChart(const QList<int> &values, int top, const QStringList &labels, const QString &unit,
                 const QString &description)
{
    const int width = 480;
    const int height = 150;
    const int left = 34;
    const int bottom = 22;
    const int plotHeight = height - bottom - 8;
    const int count = int(std::max<qsizetype>(values.size(), 1));
    const double slot = double(width - left - 4) / count;
    QString svg =
        u"<svg class=chart xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
        u"viewBox=\"0 0 %1 %2\" role=\"img\" aria-label=\"%3\" "
        u"font-size=\"11\" font-family=\"sans-serif\">"_s.arg(width)
            .arg(height)
            .arg(description);
    // The grid: the top, the middle and the base line, each with its value.
    for (const int v : {0, top / 2, top}) {
        const double y = 8 + plotHeight - double(v) / top * plotHeight;
        svg += u"<line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%2\" stroke=\"#c9d6cf\"/>"
               u"<text x=\"%4\" y=\"%5\" text-anchor=\"end\" fill=\"#4f6170\">%6</text>"_s.arg(left)
                   .arg(y, 0, 'f', 1)
                   .arg(width - 4)
                   .arg(left - 4)
                   .arg(y + 4, 0, 'f', 1)
                   .arg(v);
    }
    for (qsizetype i = 0; i < values.size(); ++i) {
        const int v = std::clamp(values[i], 0, top);
        const double h = double(v) / top * plotHeight;
        const double x = left + slot * double(i) + slot * 0.15;
        svg += u"<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"#3d8f7b\">"
               u"<title>%5%6</title></rect>"_s.arg(x, 0, 'f', 1)
                   .arg(8 + plotHeight - h, 0, 'f', 1)
                   .arg(slot * 0.7, 0, 'f', 1)
                   .arg(h, 0, 'f', 1)
                   .arg(values[i])
                   .arg(unit);
        if (i < labels.size() && !labels[i].isEmpty())
            svg += u"<text x=\"%1\" y=\"%2\" text-anchor=\"middle\" fill=\"#4f6170\">%3</text>"_s
                       .arg(x + slot * 0.35, 0, 'f', 1)
                       .arg(height - 6)
                       .arg(labels[i]);
    }
    return svg + u"</svg>"_s;
}

} // namespace

QString recordSection(const RecordSummary &s, const QDate &today)
{
    QString html = u"<div class=record><h2>练习记录</h2>"_s
                   u"<table class=figures><tr><th></th><th>练习页数</th><th>题数</th>"
                   u"<th>平均得分</th><th>练习时间</th></tr>"_s +
                   weekRow(u"本周"_s, s.thisWeek) + weekRow(u"上周"_s, s.lastWeek) + u"</table>"_s;

    html += u"<h3>最近30页的得分</h3>"_s;
    if (s.lastScores.isEmpty()) {
        html += u"<p>还没有批改过的练习。</p>"_s;
    } else {
        QStringList labels;
        for (qsizetype i = 0; i < s.lastScores.size(); ++i)
            labels.append(i == 0 || i + 1 == s.lastScores.size() ? number(int(i) + 1) : QString());
        html += barChart(s.lastScores, 100, labels, u"分"_s, u"最近30页的得分"_s);
    }

    html += u"<h3>最近14天每天练习的分钟数</h3>"_s;
    QStringList days;
    for (int i = 13; i >= 0; --i) {
        const QDate d = today.addDays(-i);
        days.append(i % 2 == 0 ? number(d.month()) + u'/' + number(d.day()) : QString());
    }
    const int most = s.minutesPerDay.isEmpty()
                         ? 0
                         : *std::max_element(s.minutesPerDay.cbegin(), s.minutesPerDay.cend());
    const int top = std::max(10, (most + 9) / 10 * 10);
    html += barChart(s.minutesPerDay, top, days, u"分钟"_s, u"最近14天每天练习的分钟数"_s);

    html += u"<h3>最近30天各类题目的正确率（从弱到强）</h3>"_s;
    if (s.topics.isEmpty()) {
        html += u"<p>最近30天还没有批改过的练习。</p>"_s;
    } else {
        html +=
            u"<table class=topics><tr><th>题目</th><th>页数</th><th>题数</th><th>正确率</th></tr>"_s;
        for (const TopicAccuracy &t : s.topics)
            html += u"<tr><td>"_s + t.nodeText.toHtmlEscaped() + u"</td><td>"_s + number(t.pages) +
                    u"</td><td>"_s + number(t.items) + u"</td><td>"_s + number(t.percent()) +
                    u"%</td></tr>"_s;
        html += u"</table>"_s;
    }

    html += u"<p><input class=button name="_s + practiseMistakesButton.toString() +
            u" type=button value=练习错题（"_s + number(s.mistakes) +
            u"道）>&nbsp;&nbsp;<input class=button name="_s + exportRecordButton.toString() +
            u" type=button value=导出记录></p></div>"_s;
    return html;
}

namespace {

// The text of a piece of markup as it reads.
QString plainText(QString markup)
{
    static const QRegularExpression tag(u"<[^>]*>"_s);
    return markup.remove(tag)
        .replace(u"&nbsp;"_s, u" "_s)
        .replace(u"&lt;"_s, u"<"_s)
        .replace(u"&gt;"_s, u">"_s)
        .replace(u"&amp;"_s, u"&"_s)
        .trimmed();
}

} // namespace

QString questionOfItem(const QString &html, int n)
{
    const QRegularExpression box(u"<input[^>]*name=\"?answer(?:left|up)?%1[\"\\s>]"_s.arg(n),
                                 QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = box.match(html);
    if (!m.hasMatch())
        return {};
    static const QRegularExpression lineEnd(u"<br>|<p[ >]|</p>|<tr[ >]|</tr>|<div[ >]|</div>"_s,
                                            QRegularExpression::CaseInsensitiveOption);
    // The lines before the box, last first; a line that only says "答案 ="
    // (the word problems) belongs to the question above it.
    QList<qsizetype> ends{0};
    for (auto it = lineEnd.globalMatch(html.left(m.capturedStart())); it.hasNext();) {
        const QRegularExpressionMatch e = it.next();
        ends.append(e.capturedStart());
        ends.append(e.capturedEnd());
    }
    ends.append(m.capturedStart());
    static const QRegularExpression answerLabel(u"^答案\\s*[=＝]$"_s);
    static const QRegularExpression number(u"^(?:第\\d+题|\\d+)[：:]"_s);
    for (qsizetype i = ends.size() - 1; i >= 1; i -= 2) {
        const QString line = plainText(html.mid(ends[i - 1], ends[i] - ends[i - 1]));
        if (line.isEmpty() || answerLabel.match(line).hasMatch())
            continue;
        return QString(line).remove(number).trimmed();
    }
    return {};
}

QString mistakePage(const QList<Mistake> &mistakes)
{
    if (mistakes.isEmpty())
        return u"错题本里还没有题。做错的题会自动记进错题本。"_s;
    QString html = u"<h2>练习错题</h2>"_s;
    int n = 0;
    for (const Mistake &m : mistakes) {
        const QString k = number(++n);
        // The key goes into an attribute: quoted, so that any text stays one.
        html += u"第"_s + k + u"题："_s + m.question.toHtmlEscaped() +
                u" <input class=text name=answer"_s + k + u" type=text size=7 tag=\""_s +
                m.expected.toHtmlEscaped() + u"\"><br><br>"_s;
    }
    return html + u"<input class=button name=finish type=button value=提交答案 tag=十><br><br>"_s;
}

} // namespace quorvel
