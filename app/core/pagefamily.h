#pragma once
// The contract between the window's logic and the page families. A family
// (the fraction pages, the games, the olympiad explanations …) lives in a
// file of its own: it registers its handlers with a FamilyRegistry and
// reaches the window only through a FamilyContext.
#include "app/core/grading.h"
#include "app/core/mainview.h"
#include "app/core/routing.h"
#include "app/core/topictree.h"
#include "page/itemmarker.h"
#include "page/page.h"

#include <QString>
#include <functional>

namespace quorvel {

class PageDocument;
class ProgramFiles;
class RandomSource;

// The options dialog's choices, as the generators read them.
struct PageOptions
{
    int itemsPerPage = 10; // 10, 20 or 50
    int memorySeconds = 5; // 3, 5 or 8
    int decimalPlaces = 1; // 1 to 4, for decimal division
};

// One node click on its way through the dispatcher: the handler of the
// node's route fills in the page the main pane shows afterwards.
struct NodeClick
{
    const TopicNode &node;
    QChar family;
    int number = 0; // the tag number
    Page page;
    std::function<void()> afterWrite; // runs once the page is in the pane
};

// What a family's handlers may use of the window.
class FamilyContext
{
public:
    virtual ~FamilyContext() = default;

    virtual RandomSource &random() = 0;
    virtual const ProgramFiles &files() const = 0;
    virtual PageOptions options() const = 0;
    virtual int elapsedSeconds() const = 0;
    // The clicked node, or nullptr.
    virtual const TopicNode *selectedNode() const = 0;
    virtual QString tabCaption() const = 0;
    virtual DisplayMode displayMode() const = 0;

    // The answer-password test; a refusal message when it fails.
    virtual bool mayShowAnswers() = 0;
    // False while a student's page is marked without its answers: a mark
    // says only right or wrong.
    virtual bool marksShowAnswers() const = 0;

    // Loads a file of the program folder into a pane.
    virtual void navigate(PaneId pane, const QString &relativePath) = 0;
    virtual void bringToFront(PaneId pane) = 0;
    // A file of the program folder shown in a pane brought to the front.
    void showFile(PaneId pane, const QString &relativePath)
    {
        bringToFront(pane);
        navigate(pane, relativePath);
    }
    virtual void focusPane(PaneId pane) = 0;
    // Plays a sound file of the program folder.
    virtual void playSound(const QString &relativePath) = 0;
    // Adds the children of a group the first time it is clicked after the
    // tree was built; false (and nothing added) when it was filled already.
    virtual bool fillGroupOnce(const QString &groupKey, const QList<TopicNode> &children) = 0;

    // Edits of the page in the main pane outside a page event (the games'
    // timers).
    virtual void applyToMainPane(const DomEdits &edits) = 0;
    // Bumped whenever the main pane gets a new page: a binding made on an
    // earlier page no longer receives events.
    virtual int pageSerial() const = 0;
    virtual TimerControl &timer(TimerId id) = 0;
    virtual void showMessage(const QString &text) = 0;

    // A page that grades itself and scored 100 earns a medal.
    virtual void awardMedal() = 0;
    // A page a family graded itself, item by item: recorded, and a medal at
    // 100 unless it is a game's result.
    virtual void pageGraded(const MarkedPage &marked, bool game) = 0;
};

// Where a family plugs its handlers in.
class FamilyRegistry
{
public:
    using PageHandler = std::function<void(NodeClick &)>;
    // Grading of a variant: acts on the page on screen.
    using GradingHandler = std::function<void(PageDocument &)>;
    // A document click, mouse-down or mouse-up in the main pane.
    using PageEventHandler =
        std::function<void(const QString &kind, const QString &targetName, PageDocument &)>;
    using Hook = std::function<void()>;

    virtual ~FamilyRegistry() = default;

    // The page of the nodes of a route.
    virtual void onNode(Route route, PageHandler handler) = 0;
    // The grading of a variant; families may share one, each acting on its
    // own pages.
    virtual void onGrading(GradingVariant variant, GradingHandler handler) = 0;
    virtual void onPageEvent(PageEventHandler handler) = 0;
    // At the start of every node's page.
    virtual void onPageStart(Hook hook) = 0;
    // At every tick of one of the window's timers.
    virtual void onTimer(TimerId timer, Hook hook) = 0;
};

} // namespace quorvel
