#include "app/web/panebridge.h"

namespace quorvel {

void PaneBridge::send(const DomEdits &edits)
{
    if (edits.isEmpty())
        return;
    if (!m_ready) {
        m_pending += edits;
        return;
    }
    Q_EMIT editsReady(toJson(edits));
}

void PaneBridge::documentGone()
{
    m_ready = false;
    // Edits meant for the document being left belong to it, not to the next.
    m_pending.clear();
}

void PaneBridge::documentReady()
{
    m_ready = true;
    if (!m_pending.isEmpty())
        Q_EMIT editsReady(toJson(std::exchange(m_pending, {})));
    Q_EMIT ready();
}

void PaneBridge::documentEvent(const QString &kind, const QString &targetName,
                               const QString &targetId, const QJsonArray &snapshot)
{
    Q_EMIT pageEvent(kind, targetName, targetId, snapshot);
}

void PaneBridge::editsApplied()
{
    Q_EMIT applied();
}

void PaneBridge::requestFocus()
{
    Q_EMIT focusRequested();
}

} // namespace quorvel
