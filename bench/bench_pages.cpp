// Page generation speed: one page of every four-operation range, and a whole
// node click through the main window's logic without a display.
//
// Every iteration makes one page from a random source seeded anew, so the
// figures cover many different pages rather than one lucky draw. Each
// benchmark reports, besides the mean time per page, the median (p50), p95
// and slowest page of the run as counters, in microseconds. Goal: p50 under
// 1 ms for every range.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "drills/fouroperations.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"
#include "record/recordsection.h"
#include "record/sqlpracticerecord.h"
#include "topics/wordproblems.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;
using namespace quorvel;

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// A well-mixed seed for iteration `index` of the benchmark with salt `salt`.
quint64 seedFor(quint64 salt, quint64 index)
{
    quint64 z = salt * 0x9E3779B97F4A7C15ull + index + 1;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

double percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const auto index = std::min(samples.size() - 1, size_t(fraction * double(samples.size())));
    return samples[index];
}

// p50, p95 and the slowest sample, in microseconds.
void reportSpread(benchmark::State &state, const std::vector<double> &seconds)
{
    state.counters["p50_us"] = percentile(seconds, 0.50) * 1e6;
    state.counters["p95_us"] = percentile(seconds, 0.95) * 1e6;
    state.counters["max_us"] = seconds.empty() ? 0 : *std::ranges::max_element(seconds) * 1e6;
}

void pageBenchmark(benchmark::State &state, DrillRequest request)
{
    const quint64 salt = quint64(request.family.unicode()) * 100003u + quint64(request.range) +
                         (request.decimal ? 7u : 0u);
    std::vector<double> seconds;
    quint64 index = 0;
    int items = 0;
    for (auto _ : state) {
        SeededRandom random(seedFor(salt, index++));
        FourOperationDrill drill(random);
        const Clock::time_point start = Clock::now();
        Page page = drill.page(request);
        const double elapsed = secondsSince(start);
        benchmark::DoNotOptimize(page.text.constData());
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        items = page.items;
    }
    if (items != request.itemCount) {
        state.SkipWithError("the page has fewer items than asked for");
        return;
    }
    state.counters["items"] = items;
    reportSpread(state, seconds);
}

void registerPage(const std::string &name, QChar family, int range, int itemCount,
                  bool decimal = false, int decimalPlaces = 1)
{
    DrillRequest request;
    request.family = family;
    request.range = range;
    request.itemCount = itemCount;
    request.decimal = decimal;
    request.decimalPlaces = decimalPlaces;
    benchmark::RegisterBenchmark(("Page/" + name + "/" + std::to_string(range)).c_str(),
                                 pageBenchmark, request)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
}

void registerPages()
{
    constexpr int items = 50;
    for (const int range : {10, 20, 50, 100, 500, 1000, 5000}) {
        // A ten-range page never has more than 20 items.
        registerPage("add", u'+', range, range == 10 ? 20 : items);
        registerPage("sub", u'-', range, range == 10 ? 20 : items);
    }
    for (const int range : {81, 100, 250, 251, 500, 501, 1000, 5000, 10000})
        registerPage("mul", u'×', range, items);
    for (const int range : {81, 100, 500, 1000, 5000, 10000})
        registerPage("div", u'÷', range, items);
    for (const int range : {81, 100, 500, 1000, 5000, 10000})
        registerPage("div_decimal4", u'÷', range, items, true, 4);
}

// A node click from the tree to the page text written into the main pane,
// through MainWindowController with a view that only records.
void nodeClickBenchmark(benchmark::State &state, QString key, QString tab)
{
    RecordingView view;
    MemoryProgramFiles files;
    files.addFile(u"help.htm"_s, "<html><body></body></html>");
    MemorySettingsStore settings;
    SeededRandom random(seedFor(qHash(key), quint64(state.range(0))));
    MainWindowController controller(view, files, settings, random);
    controller.start();
    for (int i = 0; i < catalogue::tabs().size(); ++i)
        if (catalogue::tabs()[i].key == tab)
            controller.selectTab(i);
    controller.state.defaultTiCount = int(state.range(0));

    std::vector<double> seconds;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        controller.nodeClicked(key);
        const double elapsed = secondsSince(start);
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        // The recording pane keeps every edit; drop them between clicks.
        if (view.main.body.isEmpty()) {
            state.SkipWithError("the click wrote no page");
            return;
        }
        view.main.edits.clear();
        view.frontChanges.clear();
    }
    state.counters["items"] = controller.state.pageItemCount;
    reportSpread(state, seconds);
}

void registerNodeClicks()
{
    // Drills of the first tab, and the mixed operations whose quotient pages
    // redraw until a value comes out whole.
    const std::pair<QString, QString> nodes[] = {
        {u"q17"_s, u"T1"_s}, {u"q39"_s, u"T1"_s}, {u"q9006"_s, u"T8"_s}, {u"q9007"_s, u"T8"_s}};
    for (const auto &[key, tab] : nodes)
        benchmark::RegisterBenchmark(("NodeClick/" + key.toStdString()).c_str(), nodeClickBenchmark,
                                     key, tab)
            ->ArgName("items")
            ->Arg(10)
            ->Arg(50)
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
}

// A word-problem page: the template file read, ten lines drawn, their slots
// filled and ten expressions evaluated. Goal: p50 under 1 ms.
void wordProblemBenchmark(benchmark::State &state, QString file)
{
    const DiskProgramFiles files(DiskProgramFiles::locate(QStringLiteral(QUORVEL_BENCH_BIN_DIR)));
    std::vector<double> seconds;
    quint64 index = 0;
    for (auto _ : state) {
        SeededRandom random(seedFor(7, index++));
        const Clock::time_point start = Clock::now();
        const Page page = wordproblems::page(files.readLines(file), random);
        const double elapsed = secondsSince(start);
        benchmark::DoNotOptimize(page.text.data());
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (page.items != 10) {
            state.SkipWithError("the page has not ten problems");
            return;
        }
    }
    reportSpread(state, seconds);
}

void registerWordProblems()
{
    for (const char *file : {"一年级应用题.txt", "二年级应用题.txt", "三年级应用题.txt"})
        benchmark::RegisterBenchmark((std::string("WordProblems/") + file).c_str(),
                                     wordProblemBenchmark, QString::fromUtf8(file))
            ->UseManualTime()
            ->Unit(benchmark::kMicrosecond);
}

// The practice record with 10,000 pages already in it: recording a graded
// 50-item page (goal: p50 under 5 ms) and composing the record section of
// the medal page (goal: under 30 ms).
RecordedPage fiftyItemPage(const QDate &day, int n)
{
    RecordedPage page;
    page.finished = QDateTime(day, QTime(18, 0));
    page.tab = u"加减乘除"_s;
    page.nodeKey = u"q17"_s;
    page.nodeText = u"20以内加法"_s + QString::number(n % 40);
    page.items = 50;
    page.seconds = 300;
    for (int i = 0; i < 50; ++i) {
        const bool right = (i + n) % 7 != 0;
        page.itemList.append({QString::number(i) + u"+"_s + QString::number(n % 20) + u'=',
                              QString::number(i + n % 20),
                              right ? QString::number(i + n % 20) : u"0"_s, right, 0});
        page.right += right;
    }
    page.score = page.right * 2;
    return page;
}

struct FilledRecord
{
    FilledRecord() : record(dir.filePath(u"record.sqlite"_s))
    {
        const QDate today = QDate::currentDate();
        for (int n = 0; n < 10000; ++n) {
            RecordedPage page = fiftyItemPage(today.addDays(-(n % 400)), n);
            page.itemList.resize(5); // the history's pages need not all be large
            record.recordPage(page);
        }
    }
    QTemporaryDir dir;
    SqlPracticeRecord record;
};

FilledRecord &filledRecord()
{
    static FilledRecord filled;
    return filled;
}

void recordPageBenchmark(benchmark::State &state)
{
    SqlPracticeRecord &record = filledRecord().record;
    std::vector<double> seconds;
    int n = 0;
    for (auto _ : state) {
        const RecordedPage page = fiftyItemPage(QDate::currentDate(), ++n);
        const Clock::time_point start = Clock::now();
        const bool stored = record.recordPage(page);
        const double elapsed = secondsSince(start);
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
        if (!stored) {
            state.SkipWithError("the page was not recorded");
            return;
        }
    }
    reportSpread(state, seconds);
}

void recordSectionBenchmark(benchmark::State &state)
{
    SqlPracticeRecord &record = filledRecord().record;
    std::vector<double> seconds;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        const QString html =
            recordSection(record.summary(QDate::currentDate()), QDate::currentDate());
        const double elapsed = secondsSince(start);
        benchmark::DoNotOptimize(html.data());
        state.SetIterationTime(elapsed);
        seconds.push_back(elapsed);
    }
    reportSpread(state, seconds);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv); // the SQL driver is a plugin
    registerPages();
    registerNodeClicks();
    registerWordProblems();
    benchmark::RegisterBenchmark("Record/page of 50 items", recordPageBenchmark)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Record/medal page section", recordSectionBenchmark)
        ->UseManualTime()
        ->Unit(benchmark::kMicrosecond);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
