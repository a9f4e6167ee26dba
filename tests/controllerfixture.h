#pragma once
// The window's logic as the core tests drive it: a recording view, the
// program folder in memory, the settings in memory and a random source of the
// test's choosing (a SeededRandom or a ScriptedRandom). The window is started
// and the advanced user logged in, as a parent would before a child practises.
#include "app/core/catalogue.h"
#include "app/core/maincontroller.h"
#include "app/core/recordingview.h"
#include "content/programfiles.h"
#include "page/pagedocument.h"
#include "page/randomsource.h"
#include "page/settingsstore.h"

#include <QHash>
#include <QStringList>

// A page as the child answered it: every answer box typed as its key, except
// the boxes named in `typed`, which hold the text given.
inline quorvel::PageDocument answeredPage(const quorvel::PageText &page,
                                          const QHash<QString, QString> &typed = {})
{
    QList<quorvel::PageElement> elements = page.snapshot().elements();
    for (quorvel::PageElement &e : elements) {
        if (e.type != QStringLiteral("text") && e.type != QStringLiteral("hidden"))
            continue;
        if (e.type == QStringLiteral("text"))
            e.value = e.tag;
        const auto it = typed.constFind(e.name);
        if (it != typed.cend())
            e.value = *it;
    }
    return quorvel::PageDocument(elements);
}

// The edits of a grading without the two that close every graded page (its
// boxes made read-only, the score line scrolled into view).
inline quorvel::DomEdits marksOnly(const quorvel::DomEdits &edits)
{
    quorvel::DomEdits marks;
    for (const quorvel::DomEdit &edit : edits)
        if (edit.kind != quorvel::DomEdit::Kind::LockAnswers &&
            edit.kind != quorvel::DomEdit::Kind::ScrollTo)
            marks.append(edit);
    return marks;
}

// Draws from a source the test owns.
class BorrowedRandom final : public quorvel::RandomSource
{
public:
    explicit BorrowedRandom(quorvel::RandomSource &source) : m_source(source) {}
    float next() override { return m_source.next(); }

private:
    quorvel::RandomSource &m_source;
};

// Files the program folder holds besides the start page, there before the
// window starts.
struct WithFiles
{
    QHash<QString, QByteArray> files;
};

template <typename Random = quorvel::SeededRandom> struct ControllerFixture
{
    template <typename... RandomArguments>
    explicit ControllerFixture(WithFiles extra, RandomArguments &&...arguments)
        : random(std::forward<RandomArguments>(arguments)...)
    {
        files.addFile(QStringLiteral("help.htm"), "<html><body></body></html>");
        for (auto it = extra.files.cbegin(); it != extra.files.cend(); ++it)
            files.addFile(it.key(), it.value());
        controller.start();
        controller.accounts().reloadStoredPassword();
        controller.accounts().confirmLogin(QStringLiteral("463"));
    }
    template <typename... RandomArguments>
    explicit ControllerFixture(RandomArguments &&...arguments)
        : ControllerFixture(WithFiles{}, std::forward<RandomArguments>(arguments)...)
    {
    }

    // Selects the tab of a key, "T1" … "T16".
    ControllerFixture &onTab(QStringView tabKey)
    {
        const auto &tabs = quorvel::catalogue::tabs();
        for (int i = 0; i < tabs.size(); ++i)
            if (tabs[i].key == tabKey)
                controller.selectTab(i);
        return *this;
    }

    // Clicks a node; returns the page written.
    QString click(const QString &key)
    {
        controller.nodeClicked(key);
        return view.main.body;
    }

    // The page on screen as the child answered it (see answeredPage).
    quorvel::PageDocument answered(const QHash<QString, QString> &typed = {}) const
    {
        return answeredPage(view.main.document, typed);
    }

    // Submits the page answered so; returns the edits the grading made.
    quorvel::DomEdits submit(const QHash<QString, QString> &typed = {})
    {
        quorvel::PageDocument page = answered(typed);
        view.main.edits.clear();
        controller.pageEvent(QStringLiteral("click"), QStringLiteral("finish"), page);
        return marksOnly(view.main.edits);
    }

    bool pageTimerOn() { return view.timer(quorvel::TimerId::PageSeconds).isEnabled(); }

    Random random;
    quorvel::RecordingView view;
    quorvel::MemoryProgramFiles files;
    quorvel::MemorySettingsStore settings;
    quorvel::MainWindowController controller{view, files, settings, random};
};
