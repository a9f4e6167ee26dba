// quorvel-sheet: prints the exercise page the program writes for a node of a
// tab, for printable worksheets and for checking exactly what a page says.
//
//   quorvel-sheet --tab T1 --key q17 [--items 10|20|50] [--seed N]
//                 [--mode normal|column|inequality] [--places 1..4] [--standalone]
//   quorvel-sheet --solve24 A B C D
//
// The page text goes to standard output in UTF-8; other pane effects of the
// click (a pane brought to the front, a navigation) go to standard error,
// one per line. Bad input exits with status 2.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "games/twentyfour.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>
#include <QUrl>

#include <cstdio>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "quorvel-sheet: %s\n", qUtf8Printable(message));
    return 2;
}

void printLine(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fputc('\n', stream);
}

const char *paneName(PaneId id)
{
    switch (id) {
    case PaneId::Main:
        return "WebBrowser1";
    case PaneId::Second:
        return "WebBrowser2";
    case PaneId::Clock:
        return "Picture2";
    }
    return "";
}

// The page inside the start page's document, so it prints with the program's
// style sheet and finds its pictures in the program folder.
QString standaloneDocument(const ProgramFiles &files, const QString &page)
{
    QString document =
        files.readText(u"help.htm"_s)
            .value_or(
                u"<!DOCTYPE html><html><head><meta charset=\"utf-8\"></head><body></body></html>"_s);
    const QString base = u"<base href=\""_s +
                         QUrl::fromLocalFile(files.absolutePath({}) + u'/').toString() + u"\">"_s;
    const qsizetype head = document.indexOf("<head>"_L1, 0, Qt::CaseInsensitive);
    if (head >= 0)
        document.insert(head + 6, base);
    static const QRegularExpression body(u"(<body[^>]*>).*(</body>)"_s,
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    if (body.match(document).hasMatch())
        document.replace(body, u"\\1"_s + QString(page).replace(u'\\', u"\\\\"_s) + u"\\2"_s);
    else
        document += page;
    return document;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"quorvel-sheet"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Prints the exercise page of a topic node."_s);
    parser.addHelpOption();
    const QCommandLineOption tabOption(u"tab"_s, u"Tab key, T1 to T16."_s, u"key"_s);
    const QCommandLineOption keyOption(u"key"_s, u"Node key, such as q17."_s, u"key"_s);
    const QCommandLineOption itemsOption(u"items"_s, u"Items per page: 10, 20 or 50."_s, u"count"_s,
                                         u"10"_s);
    const QCommandLineOption seedOption(u"seed"_s, u"Seed of the random draws."_s, u"n"_s);
    const QCommandLineOption modeOption(u"mode"_s, u"normal, column or inequality."_s, u"mode"_s,
                                        u"normal"_s);
    const QCommandLineOption placesOption(u"places"_s, u"Decimal places, 1 to 4."_s, u"n"_s,
                                          u"1"_s);
    const QCommandLineOption standaloneOption(u"standalone"_s,
                                              u"A complete HTML document, ready to print."_s);
    const QCommandLineOption solveOption(
        u"solve24"_s, u"Solves a 24-point deal of four card values 1 to 10."_s, u"A B C D"_s);
    parser.addOptions({tabOption, keyOption, itemsOption, seedOption, modeOption, placesOption,
                       standaloneOption, solveOption});
    if (!parser.parse(app.arguments()))
        return fail(parser.errorText());
    if (parser.isSet(u"help"_s)) {
        printLine(stdout, parser.helpText());
        return 0;
    }
    if (parser.isSet(solveOption)) {
        const QStringList values =
            QStringList{parser.value(solveOption)} + parser.positionalArguments();
        twentyfour::Deal deal{};
        bool valid = values.size() == 4;
        for (int i = 0; valid && i < 4; ++i) {
            deal[i] = values[i].toInt(&valid);
            valid = valid && deal[i] >= 1 && deal[i] <= 10;
        }
        if (!valid)
            return fail(u"--solve24 takes four card values from 1 to 10"_s);
        const QStringList solutions = twentyfour::solve(deal);
        printLine(stdout, QString::number(solutions.size()));
        for (const QString &solution : solutions)
            printLine(stdout, solution);
        return 0;
    }
    if (!parser.positionalArguments().isEmpty())
        return fail(u"unexpected argument: "_s + parser.positionalArguments().first());

    const QString tabKey = parser.value(tabOption);
    const QString caption = catalogue::captionOfKey(tabKey);
    if (caption.isEmpty())
        return fail(u"unknown tab: "_s + tabKey + u" (T1 to T16)"_s);

    bool ok = false;
    const int items = parser.value(itemsOption).toInt(&ok);
    if (!ok || (items != 10 && items != 20 && items != 50))
        return fail(u"--items takes 10, 20 or 50"_s);
    const int places = parser.value(placesOption).toInt(&ok);
    if (!ok || places < 1 || places > 4)
        return fail(u"--places takes 1 to 4"_s);
    quint64 seed = SeededRandom::freshSeed();
    if (parser.isSet(seedOption)) {
        seed = parser.value(seedOption).toULongLong(&ok);
        if (!ok)
            return fail(u"--seed takes a whole number"_s);
    }
    RecordingView view;
    const QString mode = parser.value(modeOption);
    if (mode == "normal"_L1)
        view.mode = DisplayMode::Horizontal;
    else if (mode == "column"_L1)
        view.mode = DisplayMode::Column;
    else if (mode == "inequality"_L1)
        view.mode = DisplayMode::Inequality;
    else
        return fail(u"--mode takes normal, column or inequality"_s);

    DiskProgramFiles files(DiskProgramFiles::locate(QCoreApplication::applicationDirPath()));
    MemorySettingsStore settings;
    SeededRandom random(seed);
    MainWindowController controller(view, files, settings, random);

    int tabIndex = 0;
    while (catalogue::tabs()[tabIndex].key != tabKey)
        ++tabIndex;
    controller.selectTab(tabIndex);

    const QString key = parser.value(keyOption);
    if (!controller.tree().find(key))
        return fail(u"tab "_s + tabKey + u" has no node "_s + key);

    controller.state.defaultTiCount = items;
    controller.state.XiaoShuWeiShu = places;

    // Only what the click itself does is reported.
    view.main.edits.clear();
    view.main.navigations.clear();
    view.second.navigations.clear();
    view.frontChanges.clear();
    controller.nodeClicked(key);

    for (PaneId id : std::as_const(view.frontChanges))
        printLine(stderr, u"front: "_s + QLatin1StringView(paneName(id)));
    for (const QString &path : std::as_const(view.main.navigations))
        printLine(stderr, u"navigate WebBrowser1: "_s + path);
    for (const QString &path : std::as_const(view.second.navigations))
        printLine(stderr, u"navigate WebBrowser2: "_s + path);

    const bool wrote =
        std::any_of(view.main.edits.cbegin(), view.main.edits.cend(),
                    [](const DomEdit &e) { return e.kind == DomEdit::Kind::SetBody; });
    if (!wrote) {
        printLine(stderr, u"WebBrowser1 keeps its page"_s);
        return 0;
    }
    // The page exactly as written, with no line end added.
    const QByteArray page =
        (parser.isSet(standaloneOption) ? standaloneDocument(files, view.main.body)
                                        : view.main.body)
            .toUtf8();
    std::fwrite(page.constData(), 1, size_t(page.size()), stdout);
    return 0;
}
