// One sweep over every page of the program folder and every stored text: a
// child cannot tell a wrong answer key from a right one, so every numeric
// answer is recomputed here from the arithmetic kept beside it, and every
// page must open whole, without the network and without filler text.
//
// An answer is annotated in the file just before it is written:
//   <!--calc:(94-2*35)/2-->12只            the text after the note
//   <!--calc:(94-2*35)/2--><input … tag=12>  the box's answer key
//   <!--calc:22/7;places=2-->3.14           the value rounded to 2 places
#include "page/exactexpression.h"

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

const QString sourceDir = QStringLiteral(QUORVEL_SOURCE_DIR);

struct TextFile
{
    QString path; // relative to the source folder
    QString text;
};

bool isPage(const QString &path)
{
    return path.endsWith(u".htm"_s) || path.endsWith(u".html"_s);
}

// Pages of the program folder, the stored texts compiled into the program and
// the sources that collections of pages are written from.
const QList<TextFile> &contentFiles()
{
    static const QList<TextFile> files = [] {
        QList<TextFile> list;
        for (const QString &folder : {u"data"_s, u"content/texts"_s, u"content/sources"_s}) {
            QDirIterator it(sourceDir + u'/' + folder, QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString path = it.next();
                if (!isPage(path) && !path.endsWith(u".txt"_s))
                    continue;
                QFile file(path);
                if (!file.open(QIODevice::ReadOnly))
                    continue;
                QStringDecoder utf8(QStringDecoder::Utf8);
                list.append({path.mid(sourceDir.size() + 1), utf8.decode(file.readAll())});
                if (utf8.hasError())
                    list.last().text = u"\uFFFD not UTF-8"_s;
            }
        }
        std::sort(list.begin(), list.end(),
                  [](const TextFile &a, const TextFile &b) { return a.path < b.path; });
        return list;
    }();
    return files;
}

int lineOf(const QString &text, qsizetype offset)
{
    return int(QStringView(text).left(offset).count(u'\n')) + 1;
}

QString where(const TextFile &file, qsizetype offset)
{
    return file.path + u':' + QString::number(lineOf(file.text, offset));
}

// The answer written right after an annotation: the tag of a box, or the
// number the following text starts with (tags and spaces skipped).
std::optional<Rational> statedAnswer(const QString &text, qsizetype pos, QString *shown)
{
    static const QRegularExpression input(
        u"^\\s*<input\\b[^>]*?\\btag\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch box = input.match(text.mid(pos, 2000));
    if (box.hasMatch()) {
        const QString tag = box.captured(2) + box.captured(3) + box.captured(4);
        *shown = tag;
        return leadingNumber(tag);
    }
    static const QRegularExpression skip(u"^(\\s|&nbsp;|<[a-zA-Z][^>]*>|</[a-zA-Z]+>)*"_s);
    const QRegularExpressionMatch skipped = skip.match(text.mid(pos, 2000));
    const qsizetype start = pos + skipped.capturedLength();
    *shown = text.mid(start, 24).section(u'\n', 0, 0);
    return leadingNumber(QStringView(text).mid(start, 64));
}

QStringList placeholderWords()
{
    return {u"待补充"_s, u"待完善"_s, u"待续"_s,   u"敬请期待"_s, u"内容待"_s, u"此处填写"_s,
            u"占位符"_s, u"答案略"_s, u"解答略"_s, u"（略）"_s,   u"TODO"_s,   u"TBD"_s,
            u"FIXME"_s,  u"lorem"_s,  u"Lorem"_s,  u"XXXX"_s};
}

// Text outside <script> and <style>, where references are written literally.
QString markupOnly(const QString &page)
{
    static const QRegularExpression code(u"<(script|style)\\b[^>]*>.*?</\\1>"_s,
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    QString text = page;
    // Keep the line count so messages point at the right line.
    QRegularExpressionMatchIterator it = code.globalMatch(page);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        QString blank = m.captured(0);
        for (QChar &c : blank)
            if (c != u'\n')
                c = u' ';
        text.replace(m.capturedStart(0), m.capturedLength(0), blank);
    }
    return text;
}

} // namespace

class TestContentFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyAnnotatedAnswerRecomputes();
    void pagesAreUtf8AndHoldNoFiller();
    void everyReferenceResolvesInsideTheProgramFolder();
    void documentsShareTheStyleSheet();
};

void TestContentFiles::everyAnnotatedAnswerRecomputes()
{
    static const QRegularExpression note(u"<!--\\s*calc:(.*?)-->"_s,
                                         QRegularExpression::DotMatchesEverythingOption);
    QStringList faults;
    int checked = 0;
    for (const TextFile &file : contentFiles()) {
        QRegularExpressionMatchIterator it = note.globalMatch(file.text);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            QString expression = m.captured(1).trimmed();
            int places = -1;
            if (const qsizetype semi = expression.indexOf(u';'); semi >= 0) {
                const QString option = expression.mid(semi + 1).trimmed();
                expression.truncate(semi);
                bool ok = false;
                if (option.startsWith(u"places="_s))
                    places = option.mid(7).toInt(&ok);
                if (!ok) {
                    faults << where(file, m.capturedStart(0)) + u": unknown option "_s + option;
                    continue;
                }
            }
            const std::optional<Rational> computed = evaluateExact(expression);
            QString shown;
            const std::optional<Rational> stated =
                statedAnswer(file.text, m.capturedEnd(0), &shown);
            if (!computed) {
                faults << where(file, m.capturedStart(0)) + u": cannot evaluate "_s + expression;
                continue;
            }
            if (!stated) {
                faults << where(file, m.capturedStart(0)) +
                              u": no number after the note, found \""_s + shown + u'"';
                continue;
            }
            const Rational expected = places >= 0 ? computed->rounded(places) : *computed;
            if (expected != *stated)
                faults << where(file, m.capturedStart(0)) + u": "_s + expression + u" = "_s +
                              expected.toString() + u" but the answer says \""_s + shown + u'"';
            ++checked;
        }
    }
    qInfo("%d annotated answers recomputed", checked);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestContentFiles::pagesAreUtf8AndHoldNoFiller()
{
    QStringList faults;
    const QStringList words = placeholderWords();
    for (const TextFile &file : contentFiles()) {
        if (file.text.startsWith(u"\uFFFD not UTF-8"_s)) {
            faults << file.path + u": not UTF-8"_s;
            continue;
        }
        for (const QString &word : words) {
            const qsizetype at = file.text.indexOf(word);
            if (at >= 0)
                faults << where(file, at) + u": filler text \""_s + word + u'"';
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestContentFiles::everyReferenceResolvesInsideTheProgramFolder()
{
    static const QRegularExpression reference(
        u"\\b(?:src|href)\\s*=\\s*(\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"_s,
        QRegularExpression::CaseInsensitiveOption);
    const QString dataRoot = QDir(sourceDir + u"/data"_s).canonicalPath();
    QStringList faults;
    for (const TextFile &file : contentFiles()) {
        if (!isPage(file.path) || !file.path.startsWith(u"data/"_s))
            continue;
        const QString markup = markupOnly(file.text);
        const QString folder = QFileInfo(sourceDir + u'/' + file.path).absolutePath();
        QRegularExpressionMatchIterator it = reference.globalMatch(markup);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            QString target = m.captured(2) + m.captured(3) + m.captured(4);
            if (target.isEmpty() || target.startsWith(u'#') || target.startsWith(u"javascript:"_s))
                continue;
            if (target.contains(u"://"_s) || target.startsWith(u"//"_s) ||
                target.startsWith(u"data:"_s)) {
                faults << where(file, m.capturedStart(0)) + u": outside reference "_s + target;
                continue;
            }
            target =
                QUrl::fromPercentEncoding(target.section(u'#', 0, 0).section(u'?', 0, 0).toUtf8());
            target.replace(u'\\', u'/');
            const QFileInfo resolved(target.startsWith(u'/') ? dataRoot + target
                                                             : folder + u'/' + target);
            const QString canonical = resolved.canonicalFilePath();
            if (canonical.isEmpty() || !canonical.startsWith(dataRoot + u'/'))
                faults << where(file, m.capturedStart(0)) + u": missing "_s + target;
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestContentFiles::documentsShareTheStyleSheet()
{
    // Game pages in flash/ carry their own look; lectures there share it.
    QStringList faults;
    for (const TextFile &file : contentFiles()) {
        if (!isPage(file.path) || !file.path.startsWith(u"data/"_s))
            continue;
        const QString name = QFileInfo(file.path).fileName();
        if (file.path.startsWith(u"data/flash/"_s) && !name.startsWith(u'j'))
            continue;
        if (!file.text.contains(u"content.css"_s))
            faults << file.path + u": does not link content.css"_s;
        if (!file.text.contains(u"<meta charset=\"utf-8\">"_s, Qt::CaseInsensitive))
            faults << file.path + u": no <meta charset=\"utf-8\">"_s;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestContentFiles)
#include "tst_contentfiles.moc"
