#pragma once
// What the main window's logic needs of the window: the two HTML panes, the
// pane stack, the status bar, the tree widget, the display-mode buttons and
// the timers. The Qt window implements these; tests and the sheet tool use
// plain fakes.
#include "drills/fouroperations.h"
#include "page/domedit.h"
#include "page/timercontrol.h"

#include <QString>

namespace quorvel {

class TopicTree;
struct TopicNode;

// One embedded HTML view.
class HtmlPane
{
public:
    virtual ~HtmlPane() = default;
    // Loads a file of the program folder (absolute path).
    virtual void navigate(const QString &absolutePath) = 0;
    // Applies edits to the current document, in order; edits made before the
    // document is ready wait for it.
    virtual void apply(const DomEdits &edits) = 0;
};

enum class PaneId
{
    Main,   // WebBrowser1: generated pages
    Second, // WebBrowser2: file pages
    Clock,  // Picture2: the teaching clock
};

// Timer1 ... Timer6 of the window.
enum class TimerId
{
    PageSeconds = 1,   // Timer1
    MemoryGame = 2,    // Timer2
    Introduction = 3,  // Timer3
    ClockTick = 4,     // Timer4
    LevelQuestion = 5, // Timer5
    LevelSeconds = 6,  // Timer6
};

class MainView
{
public:
    virtual ~MainView() = default;
    virtual HtmlPane &pane(PaneId id) = 0; // Main or Second
    virtual void bringToFront(PaneId id) = 0;
    // Plays a sound file (a spoken term); a file that cannot be played, or no
    // audio device, is silence.
    virtual void playSound(const QString &absolutePath) = 0;
    // Asks where to save a file; empty when the user cancels.
    virtual QString chooseSaveFile(const QString &suggestedName) = 0;
    // The keyboard goes to a pane (a game page that starts on Enter).
    virtual void focusPane(PaneId id) = 0;
    virtual void setStatusText(const QString &text) = 0;
    // Shows the tree model anew (nodes, icons, expanded groups).
    virtual void showTree(const TopicTree &tree) = 0;
    // Adds nodes (already in the model) to the tree shown, keeping the
    // selection and the expanded groups.
    virtual void addTreeNodes(const QList<TopicNode> &nodes) = 0;
    // Selects a node without it counting as a click.
    virtual void selectTreeNode(const QString &key) = 0;
    virtual DisplayMode displayMode() const = 0;
    virtual TimerControl &timer(TimerId id) = 0;

    // A message box titled "提示" with an OK button; returns when it closes.
    virtual void showMessage(const QString &text) = 0;
    // The modal dialogs; each returns when it closes.
    virtual void openLoginDialog() = 0;          // Form2
    virtual void openChangePasswordDialog() = 0; // frmPassword
    virtual void openOptionsDialog() = 0;        // frmOption
    // Prints the page shown in the main pane.
    virtual void printMainPane() = 0;
};

} // namespace quorvel
