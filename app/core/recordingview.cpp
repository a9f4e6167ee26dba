#include "app/core/recordingview.h"

namespace quorvel {

void RecordingPane::navigate(const QString &absolutePath)
{
    loadedFile = absolutePath;
    navigations.append(absolutePath);
    body.clear();
    edits.clear();
    document = PageText(readFile ? readFile(absolutePath).value_or(QString()) : QString());
}

void RecordingPane::apply(const DomEdits &newEdits)
{
    for (const DomEdit &edit : newEdits) {
        if (edit.kind == DomEdit::Kind::SetBody)
            body = edit.text;
        edits.append(edit);
    }
    document.apply(newEdits);
}

void RecordingView::bringToFront(PaneId id)
{
    front = id;
    frontChanges.append(id);
}

} // namespace quorvel
