// The documents of "各年级试卷", "讲座和故事" and "学习奥数": school exam
// papers and the olympiad papers in the second pane, their answers written
// into the main pane behind the answer password, the entrance-exam papers,
// the lectures, the olympiad topic lessons, the lessons by grade, the
// question bank's exercise pages and the two reading folders.
#include "app/core/pagefamilies.h"
#include "content/programfiles.h"
#include "content/storedtexts.h"

using namespace Qt::StringLiterals;

namespace quorvel {

namespace {

// An answer page: the node's text as its heading, the stored answers with
// their line ends as line breaks.
QString answerPage(const QString &caption, const QString &answers)
{
    QString text = answers;
    if (text.endsWith(u"\r\n"_s))
        text.chop(2);
    return u"<h1>"_s + caption + u"</h1>"_s + text.replace(u"\r\n"_s, u"<br>"_s);
}

// The file an index line names before its first ">" ("3aoshu01.htm>第1讲 …<"),
// in "zimu/"; empty when the line names none, or names a path that would
// leave the folder.
QString indexedFile(const std::optional<QStringList> &lines, int line)
{
    if (!lines || line < 0 || line >= lines->size())
        return {};
    const QString &text = lines->at(line);
    const qsizetype close = text.indexOf(u'>');
    const QString name = close > 0 ? text.left(close).trimmed() : QString();
    if (name.isEmpty() || name.contains(u'/') || name.contains(u'\\') || name.contains(u"..") ||
        name.contains(u':'))
        return {};
    return u"zimu/"_s + name;
}

} // namespace

void registerPapersAndLectures(FamilyRegistry &registry, FamilyContext &context)
{
    FamilyContext &c = context;

    // 2001–2023 exam papers, 2024–2036 olympiad papers, 2037–2072 answers.
    registry.onNode(Route::ExamPapers, [&c](NodeClick &click) {
        const int n = click.number;
        if (n <= 2023) {
            c.showFile(PaneId::Second, u"test/"_s + texts::examPaperCode(n - 2001) + u".htm"_s);
        } else if (n <= 2036) {
            c.showFile(PaneId::Second, u"test/"_s + QString::number(1991 + n - 2024) + u".htm"_s);
        } else if (c.mayShowAnswers()) {
            // The key of a paper stays with the parent until the child is done.
            click.page.text = answerPage(click.node.caption, texts::paperAnswers(n - 2037));
        }
    });

    // 小升初: xsc01 … xsc20 in node order; an answer node needs the password.
    registry.onNode(Route::EntranceExamPapers, [&c](NodeClick &click) {
        if (click.node.caption.endsWith(u"答案"_s) && !c.mayShowAnswers())
            return;
        c.showFile(PaneId::Second,
                   u"test/xsc%1.htm"_s.arg(click.number - 63667600, 2, 10, QChar(u'0')));
    });

    // 三年级奥数 … 六年级奥数: lesson g of grade n is line g of
    // zimu/<n>aoshulesson.txt; a line without a file name has no page.
    registry.onNode(Route::OlympiadLessonsByGrade, [&c](NodeClick &click) {
        const int grade = click.number / 100 % 100;
        const QString file = indexedFile(
            c.files().readLines(u"zimu/"_s + QString::number(grade) + u"aoshulesson.txt"_s),
            click.number % 100);
        if (!file.isEmpty() && c.files().exists(file))
            c.showFile(PaneId::Second, file);
    });

    // 小学奥数专题练习题库: an entry's exercise page in the main pane, graded in
    // place over its own items; a chapter has no page, an entry without a
    // file shows the help page.
    registry.onNode(Route::QuestionBank, [&c](NodeClick &click) {
        if (click.node.caption.contains(u'、'))
            return;
        const QString file =
            indexedFile(c.files().readLines(u"zimu/tk.txt"_s), click.number - 86389000);
        c.bringToFront(PaneId::Main);
        c.navigate(PaneId::Main, !file.isEmpty() && c.files().exists(file) ? file : u"help.htm"_s);
    });

    registry.onNode(Route::Lectures, [&c](NodeClick &click) {
        c.showFile(PaneId::Second, u"flash/j"_s + QString::number(click.number - 1000) + u".htm"_s);
    });

    // 基础知识, 数论知识, 图形知识, 行程问题: zsd/ao<tag number>.htm; the group
    // nodes (…00) have no page.
    registry.onNode(Route::OlympiadTopicLessons, [&c](NodeClick &click) {
        if (click.number % 100 != 0)
            c.showFile(PaneId::Second, u"zsd/ao"_s + QString::number(click.number) + u".htm"_s);
    });

    // The reading folders: a node opens the file its text names. A file whose
    // name is too short to have lost an extension is named whole.
    const auto reading = [&c](const QString &folder) {
        return [&c, folder](NodeClick &click) {
            QString file = folder + click.node.caption + u".htm"_s;
            if (!c.files().exists(file) && c.files().exists(folder + click.node.caption))
                file = folder + click.node.caption;
            c.showFile(PaneId::Second, file);
        };
    };
    registry.onNode(Route::BookReading, reading(u"book/"_s));
    registry.onNode(Route::StoryReading, reading(u"story/"_s));
}

} // namespace quorvel
