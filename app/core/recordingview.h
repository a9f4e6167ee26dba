#pragma once
// A MainView without a display: it keeps what the panes were told (the body
// text written last, the edits, the files navigated to), which pane is in
// front, the status text and the timers. The sheet tool and the tests use it.
#include "app/core/mainview.h"
#include "app/core/topictree.h"
#include "page/pagetext.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace quorvel {

class RecordingPane final : public HtmlPane
{
public:
    void navigate(const QString &absolutePath) override;
    void apply(const DomEdits &edits) override;

    QString body;            // the last body written (after the last navigation)
    QString loadedFile;      // the file navigated to last
    DomEdits edits;          // every edit since the last navigation
    QStringList navigations; // every file navigated to
    // The document as it stands: the file navigated to (when readFile is
    // set) with every edit since applied.
    PageText document;
    std::function<std::optional<QString>(const QString &absolutePath)> readFile;
};

class RecordingView final : public MainView
{
public:
    HtmlPane &pane(PaneId id) override { return id == PaneId::Second ? second : main; }
    void bringToFront(PaneId id) override;
    void focusPane(PaneId id) override { focused = id; }
    QString chooseSaveFile(const QString &suggestedName) override
    {
        dialogs.append(u"save "_qs + suggestedName);
        return saveFileAnswer;
    }
    void playSound(const QString &absolutePath) override { sounds.append(absolutePath); }
    void setStatusText(const QString &text) override { statusText = text; }
    void showTree(const TopicTree &tree) override { shownTree = tree; }
    void addTreeNodes(const QList<TopicNode> &nodes) override
    {
        for (const TopicNode &node : nodes)
            shownTree.add(node);
    }
    void selectTreeNode(const QString &key) override { selectedKey = key; }
    DisplayMode displayMode() const override { return mode; }
    TimerControl &timer(TimerId id) override { return timers[int(id) - 1]; }
    void showMessage(const QString &text) override
    {
        messages.append(text);
        if (onMessage)
            onMessage(text);
    }
    void openLoginDialog() override { dialogs.append(QStringLiteral("Form2")); }
    void openChangePasswordDialog() override { dialogs.append(QStringLiteral("frmPassword")); }
    void openOptionsDialog() override { dialogs.append(QStringLiteral("frmOption")); }
    void printMainPane() override { dialogs.append(QStringLiteral("print")); }

    RecordingPane main;
    RecordingPane second;
    PaneId front = PaneId::Main;
    QList<PaneId> frontChanges;    // every bring-to-front, in order
    std::optional<PaneId> focused; // the pane given the keyboard last
    QStringList sounds;            // every sound played, in order
    QString saveFileAnswer;        // what the save dialog answers
    QString statusText;
    TopicTree shownTree;
    QString selectedKey;
    DisplayMode mode = DisplayMode::Horizontal;
    PlainTimer timers[6];
    QStringList messages;                           // every message box, in order
    std::function<void(const QString &)> onMessage; // while the box would be open
    QStringList dialogs;                            // every dialog opened, and "print"
};

} // namespace quorvel
