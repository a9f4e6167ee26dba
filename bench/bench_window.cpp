// The real main window: start-up through the login dialog, start-up time,
// node click to page shown, and the memory of the whole process tree.
//
// Benchmarks (all times in milliseconds; the figures are in the counters):
//   Login/Offscreen, Login/X11 fresh processes of this binary (--login-once)
//                              start as the program does: the login dialog,
//                              then the window. Medians of: launch to the
//                              dialog on the screen (dialog_from_launch_ms),
//                              the process tree 3 s later (pss_dialog_MB),
//                              the answer to the window on the screen and to
//                              its help page loaded (window_after_confirm_ms
//                              is the later of the two), the tree 3 s later
//                              (pss_window_MB) and over 200 pages (the mean
//                              of ten readings up to page 100 and page 200).
//                              warm:0 answers at once; warm:1 chooses the
//                              account and answers 1.5 s later, the engine
//                              starting meanwhile. Login/X11 needs DISPLAY and
//                              runs as the program does (no --disable-gpu).
//   Startup/SeparateProcesses  starts the program window in N fresh processes
//                              (--startup-once), no login, and reports the
//                              medians: launch or main() to the help page
//                              loaded, and to the introduction written. The
//                              introduction waits for a 500 ms timer by
//                              design; intro_after_timer is the part after it.
//   Memory/ProcessTreePss      a fresh process (--memory-once) clicks 200
//                              pages and reports the proportional set size of
//                              itself and its web engine processes after the
//                              100th and the 200th page, and the mean of the
//                              ten readings up to each. Run by hand,
//                              `bench_window --memory-once 50 200` also lists
//                              every process of the tree.
//   Startup/FirstInProcess     the same start-up figures in this process (the
//                              window opened here serves the click benchmark).
//   Click/ToApplied            a tree node click until the pane reports the
//                              page applied; p50 and p95 of 200 clicks.
// Goals: the login dialog as soon as a small Qt program's window (about 120
// ms) with the tree under 60 MB; the window with its help page under 300 ms
// after the answer; the tree under 140 MB after login and flat over 200
// pages; click p95 under 30 ms.
//
// This binary links no web engine library: it loads the web module as the
// program does, so the figures at the login dialog are the program's own.
// Every wait runs the event loop until a signal arrives, with a timer as a
// guard against a wait that never ends.
#include "app/core/maincontroller.h"
#include "app/shell/applicationidentity.h"
#include "app/shell/dialogs.h"
#include "app/shell/form1.h"
#include "app/shell/topictreewidget.h"
#include "app/shell/webengineflags.h"
#include "app/shell/windowtimer.h"
#include "app/web/browserpane.h"
#include "content/programfiles.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "record/sqlpracticerecord.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QHash>
#include <QListWidget>
#include <QProcess>
#include <QProcessEnvironment>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <optional>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

constexpr int startupGuardMs = 60000;
constexpr int clickGuardMs = 5000;
constexpr int childGuardMs = 180000;
constexpr int clickSamples = 200;
constexpr int memoryPages = 200;    // memory is read after half of them and after all
constexpr int loginSettleMs = 3000; // a window is left alone this long before it is read

// The drill nodes the click benchmarks alternate between.
const QStringList clickKeys = {u"q17"_s, u"q13"_s, u"q31"_s, u"q41"_s, u"q39"_s,
                               u"q27"_s, u"q36"_s, u"q46"_s, u"q15"_s, u"q43"_s};

// Nanoseconds on the system-wide monotonic clock, so that a parent process
// and its child compare their readings.
qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

double msBetween(qint64 fromNs, qint64 toNs)
{
    return double(toNs - fromNs) / 1e6;
}

qint64 g_mainStartNs = 0;

// The offscreen set-up of a display-less run, unless the caller chose another.
void prepareOffscreenEnvironment()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX") && geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (!qEnvironmentVariableIsSet("QTWEBENGINE_CHROMIUM_FLAGS"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu");
}

// Runs the event loop until quit() or until the guard expires; returns false
// when the guard ended it.
class GuardedWait
{
public:
    void quit()
    {
        m_done = true;
        m_loop.quit();
    }
    bool run(int guardMs)
    {
        if (m_done)
            return true;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &m_loop, &QEventLoop::quit);
        guard.start(guardMs);
        m_loop.exec();
        return m_done;
    }
    QObject *context() { return &m_loop; }

private:
    QEventLoop m_loop;
    bool m_done = false;
};

// Notes when a timer fires, before any slot of its timeout runs.
class TimerFiring : public QObject
{
public:
    qint64 firstNs = -1;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Timer && firstNs < 0)
            firstNs = monotonicNs();
        return false;
    }
};

// The program window with the files of the program folder beside this binary.
struct Window
{
    Window()
        : files(DiskProgramFiles::locate(QCoreApplication::applicationDirPath())),
          random(SeededRandom::freshSeed()), form(files.root(), files, settings, random)
    {
    }

    DiskProgramFiles files;
    MemorySettingsStore settings;
    SeededRandom random;
    Form1 form;
};

struct StartupMarks
{
    qint64 beginNs = 0;         // just before the window was made
    qint64 constructedNs = -1;  // the window made
    qint64 shownNs = -1;        // show() returned
    qint64 startedNs = -1;      // the controller's start() returned
    qint64 loadedNs = -1;       // the help page loaded and its script connected
    qint64 introTimerNs = -1;   // the introduction timer fired
    qint64 introWrittenNs = -1; // the pane applied the introduction
};

// Calls `applied` each time the pane applies edits, while `context` lives.
void onEveryApplied(BrowserPane *pane, QObject *context, const std::function<void()> &applied)
{
    pane->whenApplied(context, [pane, context, applied] {
        applied();
        onEveryApplied(pane, context, applied);
    });
}

// Opens the window as the program does (show, then start) and runs until the
// help page has loaded and the introduction is written.
std::unique_ptr<Window> openWindow(StartupMarks &marks)
{
    marks.beginNs = monotonicNs();
    auto window = std::make_unique<Window>();
    marks.constructedNs = monotonicNs();
    Form1 &form = window->form;

    GuardedWait wait;
    TimerFiring firing;
    if (auto *timer = dynamic_cast<WindowTimer *>(&form.timer(TimerId::Introduction)))
        timer->timer()->installEventFilter(&firing);

    form.show();
    marks.shownNs = monotonicNs();
    form.controller().start();
    marks.startedNs = monotonicNs();
    // start() made the pane and began the load; nothing of it has come back
    // before the event loop runs.
    const auto checkDone = [&] {
        if (marks.loadedNs >= 0 && marks.introWrittenNs >= 0)
            wait.quit();
    };
    form.mainPane()->whenReady(wait.context(), [&] {
        marks.loadedNs = monotonicNs();
        checkDone();
    });
    onEveryApplied(form.mainPane(), wait.context(), [&] {
        if (marks.introWrittenNs < 0 && firing.firstNs >= 0) {
            marks.introWrittenNs = monotonicNs();
            checkDone();
        }
    });
    const bool finished = wait.run(startupGuardMs);
    if (auto *timer = dynamic_cast<WindowTimer *>(&form.timer(TimerId::Introduction)))
        timer->timer()->removeEventFilter(&firing);
    marks.introTimerNs = firing.firstNs;
    if (!finished)
        return nullptr;
    return window;
}

// Clicks a tree node and runs until the pane has applied the page; the
// milliseconds taken, or nullopt when the guard expired.
std::optional<double> clickAndWait(Form1 &form, const QString &key)
{
    GuardedWait wait;
    qint64 appliedNs = -1;
    form.mainPane()->whenApplied(wait.context(), [&] {
        appliedNs = monotonicNs();
        wait.quit();
    });
    const qint64 startNs = monotonicNs();
    Q_EMIT form.TreeView1->nodeClicked(key);
    if (!wait.run(clickGuardMs))
        return std::nullopt;
    return msBetween(startNs, appliedNs);
}

// The proportional set size of a process and all its descendants, in kB.
struct TreeMemory
{
    qint64 pssKb = 0;
    int processes = 0;
    QList<std::pair<qint64, qint64>> perProcess; // pid, Pss in kB
};

QByteArray readProcFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TreeMemory processTreeMemory(qint64 rootPid)
{
    // Parent of every process, from the fourth field of /proc/<pid>/stat
    // (after the command name in parentheses, which may hold spaces).
    QHash<qint64, QList<qint64>> children;
    const QStringList entries = QDir(u"/proc"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        bool isPid = false;
        const qint64 pid = entry.toLongLong(&isPid);
        if (!isPid)
            continue;
        const QByteArray stat = readProcFile(u"/proc/"_s + entry + u"/stat"_s);
        const qsizetype close = stat.lastIndexOf(')');
        if (close < 0)
            continue;
        const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
        if (fields.size() > 1)
            children[fields[1].toLongLong()].append(pid);
    }

    TreeMemory memory;
    QList<qint64> pending{rootPid};
    while (!pending.isEmpty()) {
        const qint64 pid = pending.takeLast();
        pending += children.value(pid);
        const QByteArray rollup =
            readProcFile(u"/proc/"_s + QString::number(pid) + u"/smaps_rollup"_s);
        for (const QByteArray &line : rollup.split('\n')) {
            if (line.startsWith("Pss:")) {
                const qint64 kb = line.mid(4).trimmed().split(' ').value(0).toLongLong();
                memory.pssKb += kb;
                ++memory.processes;
                memory.perProcess.append({pid, kb});
                break;
            }
        }
    }
    return memory;
}

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::ranges::sort(samples);
    const auto index = std::min(samples.size() - 1, size_t(fraction * double(samples.size())));
    return samples[index];
}

double median(std::vector<double> samples)
{
    if (samples.empty())
        return 0;
    std::ranges::sort(samples);
    const size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

// --- Child modes: print one line of "key=value" figures and exit. ---

void printFigures(const char *tag, const QList<std::pair<const char *, double>> &figures)
{
    std::printf("%s", tag);
    for (const auto &[key, value] : figures)
        std::printf(" %s=%.3f", key, value);
    std::printf("\n");
    std::fflush(stdout);
}

int startupOnce(qint64 launchNs)
{
    StartupMarks marks;
    std::unique_ptr<Window> window = openWindow(marks);
    if (!window) {
        std::fprintf(stderr, "start-up did not finish within %d ms\n", startupGuardMs);
        return 1;
    }
    printFigures("STARTUP",
                 {{"loaded_from_launch_ms", msBetween(launchNs, marks.loadedNs)},
                  {"loaded_from_main_ms", msBetween(g_mainStartNs, marks.loadedNs)},
                  {"intro_from_launch_ms", msBetween(launchNs, marks.introWrittenNs)},
                  {"intro_from_main_ms", msBetween(g_mainStartNs, marks.introWrittenNs)},
                  {"intro_after_timer_ms", msBetween(marks.introTimerNs, marks.introWrittenNs)},
                  {"launch_to_main_ms", msBetween(launchNs, g_mainStartNs)},
                  {"main_to_window_ms", msBetween(g_mainStartNs, marks.beginNs)},
                  {"window_made_ms", msBetween(marks.beginNs, marks.constructedNs)},
                  {"show_ms", msBetween(marks.constructedNs, marks.shownNs)},
                  {"start_ms", msBetween(marks.shownNs, marks.startedNs)},
                  {"started_to_loaded_ms", msBetween(marks.startedNs, marks.loadedNs)},
                  {"started_to_timer_ms", msBetween(marks.startedNs, marks.introTimerNs)}});
    return 0;
}

// The process tree over `pages` clicked pages: the readings at the half and
// at the end, and the mean of the last ten readings up to each (the script
// engine frees memory in its own time, so one reading can fall just before
// or after a collection).
struct PagesMemory
{
    TreeMemory atHalf;
    TreeMemory atEnd;
    double halfMeanKb = 0;
    double endMeanKb = 0;
};

std::optional<PagesMemory> clickPagesReadingMemory(Form1 &form, int pages)
{
    constexpr int readings = 10;
    const qint64 self = QCoreApplication::applicationPid();
    const int half = pages / 2;
    PagesMemory memory;
    for (int page = 1; page <= pages; ++page) {
        if (!clickAndWait(form, clickKeys[(page - 1) % clickKeys.size()])) {
            std::fprintf(stderr, "page %d was not applied within %d ms\n", page, clickGuardMs);
            return std::nullopt;
        }
        if (page > half - readings && page <= half) {
            memory.atHalf = processTreeMemory(self);
            memory.halfMeanKb += double(memory.atHalf.pssKb) / readings;
        } else if (page > pages - readings) {
            memory.atEnd = processTreeMemory(self);
            memory.endMeanKb += double(memory.atEnd.pssKb) / readings;
        }
    }
    return memory;
}

int memoryOnce(int items, int pages)
{
    StartupMarks marks;
    std::unique_ptr<Window> window = openWindow(marks);
    if (!window) {
        std::fprintf(stderr, "start-up did not finish within %d ms\n", startupGuardMs);
        return 1;
    }
    Form1 &form = window->form;
    form.controller().state.defaultTiCount = items;
    const qint64 self = QCoreApplication::applicationPid();
    const TreeMemory atStart = processTreeMemory(self);
    const std::optional<PagesMemory> memory = clickPagesReadingMemory(form, pages);
    if (!memory)
        return 1;
    const auto &[atHalf, atEnd, halfMeanKb, endMeanKb] = *memory;
    // Each process of the tree, for a reader running this mode by hand.
    for (const auto &[pid, kb] : atEnd.perProcess) {
        const QByteArray command = readProcFile(u"/proc/"_s + QString::number(pid) + u"/cmdline"_s)
                                       .replace('\0', ' ')
                                       .left(120);
        std::printf("process %lld pss_kb=%lld %s\n", pid, kb, command.constData());
    }
    printFigures("MEMORY", {{"pss_start_kb", double(atStart.pssKb)},
                            {"pss_half_kb", double(atHalf.pssKb)},
                            {"pss_end_kb", double(atEnd.pssKb)},
                            {"pss_half_mean10_kb", halfMeanKb},
                            {"pss_end_mean10_kb", endMeanKb},
                            {"processes", double(atEnd.processes)}});
    return 0;
}

// Notes when each of the two windows is first exposed on the screen.
class FirstExposure : public QObject
{
public:
    explicit FirstExposure(Form1 *window) : m_window(window) {}
    qint64 dialogNs = -1;
    qint64 windowNs = -1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *surface = qobject_cast<QWindow *>(watched);
        if (event->type() != QEvent::Expose || !surface || !surface->isExposed())
            return false;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->windowHandle() != surface)
                continue;
            if (qobject_cast<Form2 *>(top) && dialogNs < 0)
                dialogNs = monotonicNs();
            if (top == m_window && windowNs < 0)
                windowNs = monotonicNs();
        }
        return false;
    }

private:
    Form1 *m_window;
};

// The program's start as main() runs it, the login dialog answered by this
// code: the dialog is left alone for settleMs and the process tree read, then
// the student account is chosen and confirmed, at once (cold) or answerMs
// later (warm, the engine starting meanwhile as it does for a user who takes
// a moment to answer). Then the window is read after settleMs and after
// `pages` pages.
int loginOnce(qint64 launchNs, bool warm, int settleMs, int pages)
{
    constexpr int answerMs = 1500;
    installChineseTranslations();
    QTemporaryDir dataFolder;
    SqlPracticeRecord record(dataFolder.filePath(u"record.sqlite"_s));
    Window window;
    Form1 &form = window.form;
    form.controller().setPracticeRecord(&record);
    FirstExposure exposure(&form);
    qApp->installEventFilter(&exposure);

    TreeMemory atDialog;
    qint64 confirmedNs = -1;
    const qint64 self = QCoreApplication::applicationPid();
    const auto confirm = [&] {
        if (auto *dialog = qobject_cast<Form2 *>(QApplication::activeModalWidget())) {
            confirmedNs = monotonicNs();
            dialog->Command2->click();
        }
    };
    const auto answer = [&] {
        atDialog = processTreeMemory(self);
        auto *dialog = qobject_cast<Form2 *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->List1->setCurrentRow(1); // 学生帐户
        if (warm)
            QTimer::singleShot(answerMs, qApp, confirm);
        else
            confirm();
    };
    QTimer watchDialog;
    QObject::connect(&watchDialog, &QTimer::timeout, qApp, [&] {
        if (exposure.dialogNs < 0)
            return;
        watchDialog.stop();
        QTimer::singleShot(settleMs, qApp, answer);
    });
    watchDialog.start(5);
    QTimer::singleShot(startupGuardMs, qApp, [] {
        std::fprintf(stderr, "the login dialog was not answered in time\n");
        std::exit(1);
    });

    form.controller().loginHook = [&form] { form.openLoginDialog(); };
    form.controller().start();
    form.controller().tellMissingProgramFiles();
    form.show();
    qint64 helpReadyNs = -1;
    GuardedWait shown;
    const auto checkShown = [&] {
        if (helpReadyNs >= 0 && exposure.windowNs >= 0)
            shown.quit();
    };
    // Answered at once, the main pane is made only after the window's first
    // frame; it is watched from when it exists, long before its page is in.
    bool watching = false;
    const auto watchHelpPage = [&] {
        if (watching || !form.WebBrowser1)
            return;
        watching = true;
        form.WebBrowser1->whenReady(shown.context(), [&] {
            helpReadyNs = monotonicNs();
            checkShown();
        });
    };
    watchHelpPage();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, shown.context(), [&] {
        watchHelpPage();
        checkShown();
    });
    poll.start(5);
    if (!shown.run(startupGuardMs) || confirmedNs < 0) {
        std::fprintf(stderr, "the window did not show its help page in time\n");
        return 1;
    }
    const qint64 windowReadyNs = std::max(helpReadyNs, exposure.windowNs);

    GuardedWait settle;
    QTimer::singleShot(settleMs, settle.context(), [&] { settle.quit(); });
    settle.run(settleMs + 1000);
    const TreeMemory atWindow = processTreeMemory(self);

    const std::optional<PagesMemory> memory = clickPagesReadingMemory(form, pages);
    if (!memory)
        return 1;
    const auto &[atHalf, atEnd, halfMeanKb, endMeanKb] = *memory;
    printFigures("LOGIN",
                 {{"dialog_from_launch_ms", msBetween(launchNs, exposure.dialogNs)},
                  {"dialog_from_main_ms", msBetween(g_mainStartNs, exposure.dialogNs)},
                  {"pss_dialog_kb", double(atDialog.pssKb)},
                  {"processes_dialog", double(atDialog.processes)},
                  {"window_after_confirm_ms", msBetween(confirmedNs, windowReadyNs)},
                  {"window_shown_after_confirm_ms", msBetween(confirmedNs, exposure.windowNs)},
                  {"help_ready_after_confirm_ms", msBetween(confirmedNs, helpReadyNs)},
                  {"pss_window_kb", double(atWindow.pssKb)},
                  {"processes_window", double(atWindow.processes)},
                  {"pss_pages_half_mean10_kb", halfMeanKb},
                  {"pss_pages_end_mean10_kb", endMeanKb},
                  {"pss_pages_end_kb", double(atEnd.pssKb)},
                  {"processes_pages_end", double(atEnd.processes)}});
    return 0;
}

// Runs this binary with `arguments` and returns the figures of its output
// line starting with `tag`; empty when it failed.
QHash<QString, double>
runChild(const QStringList &arguments, const QString &tag,
         const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(arguments);
    child.setProcessEnvironment(environment);
    // The web engine's start-up chatter goes to the error channel; it is shown
    // only when the run fails.
    GuardedWait wait;
    QObject::connect(&child, &QProcess::finished, wait.context(), [&] { wait.quit(); });
    QObject::connect(&child, &QProcess::errorOccurred, wait.context(), [&] { wait.quit(); });
    child.start();
    if (!wait.run(childGuardMs)) {
        std::fprintf(stderr, "%s", child.readAllStandardError().constData());
        child.kill();
        child.waitForFinished(5000);
        return {};
    }
    QHash<QString, double> figures;
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "%s", child.readAllStandardError().constData());
        return figures;
    }
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    for (const QString &line : output.split(u'\n')) {
        if (!line.startsWith(tag + u' '))
            continue;
        for (const QString &field : line.mid(tag.size() + 1).split(u' ', Qt::SkipEmptyParts)) {
            const qsizetype eq = field.indexOf(u'=');
            if (eq > 0)
                figures.insert(field.left(eq), field.mid(eq + 1).toDouble());
        }
    }
    return figures;
}

// --- Benchmarks run in this process. ---

std::unique_ptr<Window> g_window;
StartupMarks g_windowMarks;

// The window of this process, opened on first use.
Form1 *sharedWindow(benchmark::State &state)
{
    if (!g_window) {
        g_window = openWindow(g_windowMarks);
        if (!g_window) {
            state.SkipWithError("the window did not start");
            return nullptr;
        }
    }
    return &g_window->form;
}

using Figures = QHash<QString, double>;

// Every figure of `runs` fresh children, over the runs; empty, the benchmark
// told, when a run failed. Each child gets `arguments()` (made anew for its
// launch time) and `describe` prints its line as it ends.
QHash<QString, std::vector<double>>
runChildren(benchmark::State &state, int runs, const std::function<QStringList()> &arguments,
            const QString &tag, const QProcessEnvironment &environment,
            const std::function<void(int run, const Figures &)> &describe)
{
    QHash<QString, std::vector<double>> samples;
    for (int run = 0; run < runs; ++run) {
        const Figures figures = runChild(arguments(), tag, environment);
        if (figures.isEmpty()) {
            state.SkipWithError("a child run failed");
            return {};
        }
        describe(run + 1, figures);
        for (auto it = figures.cbegin(); it != figures.cend(); ++it)
            samples[it.key()].push_back(it.value());
    }
    return samples;
}

void startupSeparateProcesses(benchmark::State &state)
{
    const int runs = int(state.range(0));
    for (auto _ : state) {
        QHash<QString, std::vector<double>> samples = runChildren(
            state, runs,
            [] {
                return QStringList{u"--startup-once"_s, QString::number(monotonicNs())};
            },
            u"STARTUP"_s, QProcessEnvironment::systemEnvironment(),
            [](int run, const Figures &figures) {
                std::fprintf(stderr,
                             "start-up run %d: help page loaded %.1f ms, introduction written "
                             "%.1f ms (window made %.1f ms, start() to loaded %.1f ms)\n",
                             run, figures.value(u"loaded_from_launch_ms"_s),
                             figures.value(u"intro_from_launch_ms"_s),
                             figures.value(u"window_made_ms"_s),
                             figures.value(u"started_to_loaded_ms"_s));
            });
        if (samples.isEmpty())
            return;
        const std::vector<double> &loaded = samples[u"loaded_from_launch_ms"_s];
        state.SetIterationTime(median(loaded) / 1000);
        for (auto it = samples.cbegin(); it != samples.cend(); ++it)
            state.counters[it.key().toStdString()] = median(it.value());
        state.counters["loaded_min_ms"] = *std::ranges::min_element(loaded);
        state.counters["loaded_max_ms"] = *std::ranges::max_element(loaded);
    }
}

// The login figures of fresh processes, offscreen or on the X display named
// by DISPLAY: start to the dialog on the screen, the process tree at the
// dialog, the answer to the window with its help page, and the tree at the
// window and over `memoryPages` pages.
void loginSeparateProcesses(benchmark::State &state, bool onX11)
{
    const int runs = int(state.range(0));
    const bool warm = state.range(1) != 0;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (onX11) {
        if (qEnvironmentVariableIsEmpty("DISPLAY")) {
            state.SkipWithError("no X display (DISPLAY is not set)");
            return;
        }
        environment.insert(u"QT_QPA_PLATFORM"_s, u"xcb"_s);
        // As the program runs: the engine with its GPU thread.
        environment.insert(u"QTWEBENGINE_CHROMIUM_FLAGS"_s, QString());
    } else {
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    }
    for (auto _ : state) {
        QHash<QString, std::vector<double>> samples = runChildren(
            state, runs,
            [warm] {
                return QStringList{u"--login-once"_s, QString::number(monotonicNs()),
                                   QString::number(int(warm)), QString::number(loginSettleMs),
                                   QString::number(memoryPages)};
            },
            u"LOGIN"_s, environment,
            [](int run, const Figures &figures) {
                std::fprintf(stderr,
                             "login run %d: dialog %.1f ms, %.1f MB; window %.1f ms after the "
                             "answer, %.1f MB; %.1f MB after %d pages\n",
                             run, figures.value(u"dialog_from_launch_ms"_s),
                             figures.value(u"pss_dialog_kb"_s) / 1024,
                             figures.value(u"window_after_confirm_ms"_s),
                             figures.value(u"pss_window_kb"_s) / 1024,
                             figures.value(u"pss_pages_end_mean10_kb"_s) / 1024, memoryPages);
            });
        if (samples.isEmpty())
            return;
        state.SetIterationTime(median(samples[u"dialog_from_launch_ms"_s]) / 1000);
        for (auto it = samples.cbegin(); it != samples.cend(); ++it) {
            QString key = it.key();
            double value = median(it.value());
            if (key.endsWith(u"_kb"_s)) {
                key = key.chopped(3) + u"_MB"_s;
                value /= 1024;
            }
            state.counters[key.toStdString()] = value;
        }
    }
}

void memoryProcessTree(benchmark::State &state)
{
    const int items = int(state.range(0));
    const int pages = memoryPages;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        const QHash<QString, double> figures = runChild(
            {u"--memory-once"_s, QString::number(items), QString::number(pages)}, u"MEMORY"_s);
        state.SetIterationTime(double(timer.nsecsElapsed()) / 1e9);
        if (figures.isEmpty()) {
            state.SkipWithError("the memory run failed");
            return;
        }
        const double half = figures.value(u"pss_half_kb"_s) / 1024;
        const double end = figures.value(u"pss_end_kb"_s) / 1024;
        state.counters["pss_start_MB"] = figures.value(u"pss_start_kb"_s) / 1024;
        state.counters["pss_page100_MB"] = half;
        state.counters["pss_page200_MB"] = end;
        state.counters["growth_100_to_200_MB"] = end - half;
        const double halfMean = figures.value(u"pss_half_mean10_kb"_s) / 1024;
        const double endMean = figures.value(u"pss_end_mean10_kb"_s) / 1024;
        state.counters["pss_mean_pages91to100_MB"] = halfMean;
        state.counters["pss_mean_pages191to200_MB"] = endMean;
        state.counters["growth_of_means_MB"] = endMean - halfMean;
        state.counters["processes"] = figures.value(u"processes"_s);
    }
}

void startupFirstInProcess(benchmark::State &state)
{
    for (auto _ : state) {
        if (!sharedWindow(state))
            return;
        const StartupMarks &m = g_windowMarks;
        state.SetIterationTime(msBetween(m.beginNs, m.loadedNs) / 1000);
        state.counters["loaded_ms"] = msBetween(m.beginNs, m.loadedNs);
        state.counters["intro_ms"] = msBetween(m.beginNs, m.introWrittenNs);
        state.counters["intro_after_timer_ms"] = msBetween(m.introTimerNs, m.introWrittenNs);
    }
}

void clickToApplied(benchmark::State &state)
{
    Form1 *form = sharedWindow(state);
    if (!form)
        return;
    form->controller().state.defaultTiCount = int(state.range(0));
    std::vector<double> samples;
    int click = 0;
    for (auto _ : state) {
        const std::optional<double> ms = clickAndWait(*form, clickKeys[click++ % clickKeys.size()]);
        if (!ms) {
            state.SkipWithError("a page was not applied in time");
            return;
        }
        state.SetIterationTime(*ms / 1000);
        samples.push_back(*ms);
    }
    state.counters["p50_ms"] = percentile(samples, 0.50);
    state.counters["p95_ms"] = percentile(samples, 0.95);
    state.counters["max_ms"] = *std::ranges::max_element(samples);
}

void registerBenchmarks()
{
    // The child-process runs come first, while this process has no web engine
    // running to compete with them.
    for (const bool onX11 : {false, true}) {
        benchmark::RegisterBenchmark(onX11 ? "Login/X11" : "Login/Offscreen",
                                     loginSeparateProcesses, onX11)
            ->ArgNames({"runs", "warm"})
            ->Args({7, 0})
            ->Args({7, 1})
            ->Iterations(1)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Startup/SeparateProcesses", startupSeparateProcesses)
        ->ArgName("runs")
        ->Arg(7)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Memory/ProcessTreePss", memoryProcessTree)
        ->ArgName("items")
        ->Arg(10)
        ->Arg(50)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Startup/FirstInProcess", startupFirstInProcess)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Click/ToApplied", clickToApplied)
        ->ArgName("items")
        ->Arg(10)
        ->Arg(50)
        ->Iterations(clickSamples)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char **argv)
{
    g_mainStartNs = monotonicNs();
    prepareOffscreenEnvironment();

    // Child modes, started by the benchmarks below.
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    if (mode == "--startup-once" || mode == "--memory-once" || mode == "--login-once") {
        quorvel::prepareWebEngine();
        QApplication app(argc, argv);
        if (mode == "--login-once")
            return loginOnce(argc > 2 ? QByteArray(argv[2]).toLongLong() : g_mainStartNs,
                             argc > 3 && QByteArray(argv[3]) == "1",
                             argc > 4 ? QByteArray(argv[4]).toInt() : loginSettleMs,
                             argc > 5 ? QByteArray(argv[5]).toInt() : memoryPages);
        if (mode == "--startup-once")
            return startupOnce(argc > 2 ? QByteArray(argv[2]).toLongLong() : g_mainStartNs);
        return memoryOnce(argc > 2 ? QByteArray(argv[2]).toInt() : 50,
                          argc > 3 ? QByteArray(argv[3]).toInt() : memoryPages);
    }

    registerBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    quorvel::prepareWebEngine();
    QApplication app(argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
