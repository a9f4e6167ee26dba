// quorvel-sheet: prints the exercise page the program writes for a node of a
// tab, for printable worksheets and for checking exactly what a page says.
//
//   quorvel-sheet --tab T1 --key q17 [--items 10|20|50] [--seed N]
//                 [--mode normal|column|inequality] [--places 1..4] [--standalone]
//                 [--password P] [--student-marks] [--submit right|empty]
//   quorvel-sheet --tab T6 --list
//   quorvel-sheet --solve24 A B C D
//
// The page text goes to standard output in UTF-8; other pane effects of the
// click (a pane brought to the front, a navigation) go to standard error,
// one per line, and so do message boxes and medals when a page is submitted.
// Bad input exits with status 2.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "games/twentyfour.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include "page/itemmarker.h"
#include "page/worksheet.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <memory>
#ifdef QUORVEL_SHEET_PDF
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QWebEnginePage>
#include <unistd.h>
#endif
#include <QCoreApplication>
#include <QFile>
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

void printText(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
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
// style sheet and finds its pictures in the program folder. The page text is
// inserted as it is.
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
    const qsizetype bodyOpen = document.indexOf("<body"_L1, 0, Qt::CaseInsensitive);
    const qsizetype bodyStart = bodyOpen < 0 ? -1 : document.indexOf(u'>', bodyOpen);
    const qsizetype bodyEnd = document.lastIndexOf("</body>"_L1, -1, Qt::CaseInsensitive);
    if (bodyStart >= 0 && bodyEnd > bodyStart)
        document.replace(bodyStart + 1, bodyEnd - bodyStart - 1, page);
    else
        document += page;
    return document;
}

// Clicks the groups that add a node on their first click, the longest key
// that starts the wanted one first, until the node is there.
bool reachNode(MainWindowController &controller, const QString &key)
{
    QSet<QString> clicked;
    while (!controller.tree().find(key)) {
        QString group;
        for (const TopicNode &node : controller.tree().nodes())
            if (key.startsWith(node.key) && node.key.size() > group.size() &&
                !clicked.contains(node.key))
                group = node.key;
        if (group.isEmpty())
            return false;
        clicked.insert(group);
        controller.nodeClicked(group);
    }
    return true;
}

// Clicks every node until no click adds another, so that every group that
// fills itself on its first click has been clicked once.
void fillTree(MainWindowController &controller)
{
    QSet<QString> clicked;
    for (;;) {
        QStringList waiting;
        for (const TopicNode &node : controller.tree().nodes())
            if (!clicked.contains(node.key))
                waiting.append(node.key);
        if (waiting.isEmpty())
            return;
        for (const QString &key : std::as_const(waiting)) {
            clicked.insert(key);
            controller.nodeClicked(key);
        }
    }
}

void printTree(const TopicTree &tree, const QString &parentKey)
{
    for (const QString &key : tree.childKeys(parentKey)) {
        const TopicNode *node = tree.find(key);
        printLine(stdout,
                  node->key + u'\t' + node->tag + u'\t' + node->parentKey + u'\t' + node->caption);
        printTree(tree, key);
    }
}

// What a child's answers would be: every answer box typed with its own
// answer key (a word problem's key up to its "|", an inequality box with the
// key of its hidden twin), or every box left empty.
PageDocument answered(const PageDocument &page, bool right)
{
    QList<PageElement> elements = page.elements();
    if (!right)
        return PageDocument(elements);
    for (PageElement &e : elements) {
        if (e.type != "text"_L1)
            continue;
        QString key = e.tag;
        if (e.name.startsWith(u"Qanswer"_s))
            if (const PageElement *twin = page.find(e.name.mid(1)))
                key = twin->tag;
        if (!key.isEmpty())
            e.value = key.section(u'|', 0, 0);
    }
    return PageDocument(elements);
}

// Answers the page on screen as a child would and presses its submit
// button; returns the page as it stands afterwards.
QString submit(MainWindowController &controller, RecordingView &view, bool right)
{
    PageDocument page = answered(view.main.document.snapshot(), right);
    // The typed values are in the page before anything reads them.
    for (const PageElement &e : page.elements())
        if (e.type == "text"_L1 && !e.value.isEmpty())
            view.main.apply({DomEdit::setValue(e.name.isEmpty() ? e.id : e.name, e.value)});
    controller.pageEvent(u"mousedown"_s, QString(), page);
    if (right) {
        for (const PageElement &e : page.elements()) {
            if (e.type == "radio"_L1 && e.tag == "good"_L1) {
                PageDocument choice = answered(view.main.document.snapshot(), right);
                controller.pageEvent(u"mousedown"_s, e.name, choice);
                controller.pageEvent(u"mouseup"_s, e.name, choice);
                break;
            }
        }
    }
    PageDocument onScreen = answered(view.main.document.snapshot(), right);
    controller.pageEvent(u"click"_s, u"finish"_s, onScreen);
    return view.main.loadedFile.endsWith(u"/help.htm"_s) ? view.main.document.body()
                                                         : view.main.document.html();
}

// Writes the document as an A4 PDF through the web engine, offscreen;
// 0 when the file was written and is a PDF, 2 otherwise.
int writePdf(const QString &document, const QString &programFolder, const QString &path)
{
#ifdef QUORVEL_SHEET_PDF
    const QFileInfo target(path);
    if (path.isEmpty() || !target.absoluteDir().exists() ||
        (target.exists() ? !target.isWritable() : !QFileInfo(target.absolutePath()).isWritable()))
        return fail(u"cannot write the PDF file "_s + path);
    QWebEnginePage page;
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(&page, &QWebEnginePage::loadFinished, &loop, [&](bool success) {
        loaded = success;
        loop.quit();
    });
    page.setHtml(document, QUrl::fromLocalFile(programFolder + u'/'));
    loop.exec();
    if (!loaded)
        return fail(u"the sheet could not be laid out for the PDF"_s);
    bool written = false;
    QObject::connect(&page, &QWebEnginePage::pdfPrintingFinished, &loop,
                     [&](const QString &, bool success) {
                         written = success;
                         loop.quit();
                     });
    page.printToPdf(target.absoluteFilePath(),
                    QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    loop.exec();
    QFile file(target.absoluteFilePath());
    if (!written || !file.open(QIODevice::ReadOnly) || !file.read(5).startsWith("%PDF"))
        return fail(u"the PDF file could not be written: "_s + path);
    return 0;
#else
    Q_UNUSED(document);
    Q_UNUSED(programFolder);
    Q_UNUSED(path);
    return fail(u"this build has no web engine: --pdf is not available"_s);
#endif
}

// --pdf needs a GUI application for the web engine; everything else runs
// without a display.
std::unique_ptr<QCoreApplication> makeApplication(int &argc, char *argv[])
{
#ifdef QUORVEL_SHEET_PDF
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "--pdf") == 0 || qstrncmp(argv[i], "--pdf=", 6) == 0) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
                qputenv("QT_QPA_PLATFORM", "offscreen");
            if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS"))
                qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
            if (geteuid() == 0)
                qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1"); // the sandbox refuses root
            QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
            return std::make_unique<QGuiApplication>(argc, argv);
        }
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace

int main(int argc, char *argv[])
{
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication &app = *application;
    QCoreApplication::setApplicationName(u"quorvel-sheet"_s);

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Prints the exercise page of a topic node."_s);
    parser.addHelpOption();
    const QCommandLineOption tabOption(u"tab"_s, u"Tab key, T1 to T16."_s, u"key"_s);
    const QCommandLineOption keyOption(u"key"_s, u"Node key, such as q17."_s, u"key"_s);
    const QCommandLineOption listOption(
        u"list"_s, u"Lists the tab's nodes: key, tag, parent key and text, tab-separated."_s);
    const QCommandLineOption itemsOption(u"items"_s, u"Items per page: 10, 20 or 50."_s, u"count"_s,
                                         u"10"_s);
    const QCommandLineOption seedOption(u"seed"_s, u"Seed of the random draws."_s, u"n"_s);
    const QCommandLineOption modeOption(u"mode"_s, u"normal, column or inequality."_s, u"mode"_s,
                                        u"normal"_s);
    const QCommandLineOption placesOption(u"places"_s, u"Decimal places, 1 to 4."_s, u"n"_s,
                                          u"1"_s);
    const QCommandLineOption standaloneOption(u"standalone"_s,
                                              u"A complete HTML document, ready to print."_s);
    const QCommandLineOption passwordOption(
        u"password"_s, u"Acts as the advanced user when P is the answer password."_s, u"P"_s);
    const QCommandLineOption studentMarksOption(
        u"student-marks"_s,
        u"The parent's choice that the student's pages are marked, without answers."_s);
    const QCommandLineOption submitOption(
        u"submit"_s, u"Answers every box with its key (right) or not at all (empty), submits."_s,
        u"right|empty"_s);
    const QCommandLineOption answersOption(
        u"answers"_s, u"Adds the answer key after each sheet (with --standalone or --pdf)."_s);
    const QCommandLineOption pagesOption(
        u"pages"_s, u"N different sheets (seeds seed, seed+1, ...), each on its own page."_s,
        u"N"_s, u"1"_s);
    const QCommandLineOption pdfOption(u"pdf"_s, u"Writes the sheets as an A4 PDF file."_s,
                                       u"FILE"_s);
    const QCommandLineOption solveOption(
        u"solve24"_s, u"Solves a 24-point deal of four card values 1 to 10."_s, u"A B C D"_s);
    parser.addOptions({tabOption, keyOption, listOption, itemsOption, seedOption, modeOption,
                       placesOption, standaloneOption, passwordOption, submitOption, solveOption,
                       answersOption, pagesOption, pdfOption, studentMarksOption});
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
    const QString submitWith = parser.value(submitOption);
    if (parser.isSet(submitOption) && submitWith != "right"_L1 && submitWith != "empty"_L1)
        return fail(u"--submit takes right or empty"_s);
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
    const auto readFile = [](const QString &path) -> std::optional<QString> {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return QString::fromUtf8(file.readAll());
    };
    view.main.readFile = readFile;
    view.second.readFile = readFile;
    MemorySettingsStore settings;
    SeededRandom random(seed);
    MainWindowController controller(view, files, settings, random);

    // As a login would: the student, unless the answer password is given.
    controller.accounts().reloadStoredPassword();
    if (parser.isSet(passwordOption))
        controller.accounts().confirmLogin(parser.value(passwordOption));
    for (const QString &message : std::as_const(view.messages))
        printLine(stderr, u"message: "_s + message);
    view.messages.clear();

    int tabIndex = 0;
    while (catalogue::tabs()[tabIndex].key != tabKey)
        ++tabIndex;
    controller.selectTab(tabIndex);
    controller.state.defaultTiCount = items;
    controller.state.XiaoShuWeiShu = places;
    controller.state.studentMayGrade = parser.isSet(studentMarksOption);

    if (parser.isSet(listOption)) {
        fillTree(controller);
        printTree(controller.tree(), QString());
        return 0;
    }

    const QString key = parser.value(keyOption);
    if (!reachNode(controller, key))
        return fail(u"tab "_s + tabKey + u" has no node "_s + key);
    // The groups clicked on the way do not count as the node's page.
    controller.state.defaultTiCount = items;
    view.main.edits.clear();
    view.main.navigations.clear();
    view.second.navigations.clear();
    view.frontChanges.clear();
    view.messages.clear();
    view.sounds.clear();
    controller.nodeClicked(key);

    // Worksheets: several sheets, answer keys, a PDF.
    const bool answers = parser.isSet(answersOption);
    const int pages = parser.value(pagesOption).toInt(&ok);
    if (!ok || pages < 1 || pages > 100)
        return fail(u"--pages takes 1 to 100"_s);
    if (answers || pages > 1 || parser.isSet(pdfOption)) {
        const TopicNode *node = controller.tree().find(key);
        QString sheets;
        bool toldNoKey = false;
        for (int i = 0; i < pages; ++i) {
            if (i > 0) {
                random = SeededRandom(seed + quint64(i));
                controller.nodeClicked(key);
            }
            const bool wrote =
                std::any_of(view.main.edits.cbegin(), view.main.edits.cend(),
                            [](const DomEdit &e) { return e.kind == DomEdit::Kind::SetBody; });
            const QString page = wrote ? view.main.body : view.main.document.body();
            view.main.edits.clear();
            QStringList keys;
            if (answers) {
                keys = answerKeyOf(view.main.document.snapshot(), controller.pairAnswer());
                if (keys.isEmpty() && !toldNoKey) {
                    toldNoKey = true;
                    printLine(stderr,
                              u"no answer key: the page of "_s + key + u" has no answer boxes"_s);
                }
            }
            sheets += worksheet(node ? node->caption : key, page, keys);
        }
        const QString document = standaloneDocument(files, sheets);
        if (!parser.isSet(pdfOption)) {
            printText(document);
            return 0;
        }
        return writePdf(document, files.absolutePath({}), parser.value(pdfOption));
    }

    for (PaneId id : std::as_const(view.frontChanges))
        printLine(stderr, u"front: "_s + QLatin1StringView(paneName(id)));
    for (const QString &path : std::as_const(view.main.navigations))
        printLine(stderr, u"navigate WebBrowser1: "_s + path);
    for (const QString &path : std::as_const(view.second.navigations))
        printLine(stderr, u"navigate WebBrowser2: "_s + path);
    for (const QString &sound : std::as_const(view.sounds))
        printLine(stderr, u"play: "_s + sound);
    for (const QString &message : std::as_const(view.messages))
        printLine(stderr, u"message: "_s + message);
    view.messages.clear();

    if (parser.isSet(submitOption)) {
        const int medalsBefore = controller.medalCount();
        const QString page = submit(controller, view, submitWith == "right"_L1);
        for (const QString &message : std::as_const(view.messages))
            printLine(stderr, u"message: "_s + message);
        for (int m = medalsBefore; m < controller.medalCount(); ++m)
            printLine(stderr, u"medal awarded"_s);
        printText(parser.isSet(standaloneOption) && view.main.loadedFile.endsWith(u"/help.htm"_s)
                      ? standaloneDocument(files, page)
                      : page);
        return 0;
    }

    const bool wrote =
        std::any_of(view.main.edits.cbegin(), view.main.edits.cend(),
                    [](const DomEdit &e) { return e.kind == DomEdit::Kind::SetBody; });
    if (!wrote) {
        printLine(stderr, u"WebBrowser1 keeps its page"_s);
        return 0;
    }
    // The page exactly as written, with no line end added.
    printText(parser.isSet(standaloneOption) ? standaloneDocument(files, view.main.body)
                                             : view.main.body);
    return 0;
}
