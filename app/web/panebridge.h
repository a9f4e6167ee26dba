#pragma once
// The one object a pane registers on its web channel. It carries edits to the
// page (holding them while no document is ready to take them) and brings the
// page's events back.
#include "page/domedit.h"

#include <QJsonArray>
#include <QObject>

namespace quorvel {

class PaneBridge : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Sends edits to the current document, or keeps them until the next
    // document reports ready.
    void send(const DomEdits &edits);
    // The current document is going away (a navigation started).
    void documentGone();
    bool isReady() const { return m_ready; }

public Q_SLOTS:
    // Called by the page script once the channel is up.
    void documentReady();
    // Called by the page script for document click, mousedown and mouseup.
    void documentEvent(const QString &kind, const QString &targetName, const QString &targetId,
                       const QJsonArray &snapshot);
    // Called by the page script after each batch of edits.
    void editsApplied();
    // Called by the page script when a page with answer boxes is written:
    // the keyboard belongs in its first box.
    void requestFocus();

Q_SIGNALS:
    void editsReady(const QJsonArray &edits);
    void pageEvent(const QString &kind, const QString &targetName, const QString &targetId,
                   const QJsonArray &snapshot);
    void ready();
    void applied();
    void focusRequested();

private:
    bool m_ready = false;
    DomEdits m_pending;
};

} // namespace quorvel
