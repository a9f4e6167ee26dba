#pragma once
// One running copy of the program per user: the medal count and the records
// live in one settings file, and two copies awarding at once would lose
// medals. The first copy holds a lock and listens; a second start asks it to
// bring its window to the front and then exits.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>

#include <memory>

namespace quorvel {

class SingleInstance : public QObject
{
    Q_OBJECT
public:
    // name tells the users and folders apart (one per user in the program).
    explicit SingleInstance(const QString &name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // True when this is the only copy; it then listens for later starts.
    // False when another copy runs: it has been asked to come forward.
    bool claim();

    static QString nameForCurrentUser();

Q_SIGNALS:
    // A later start asked this copy to show its window.
    void activationRequested();

private:
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer m_server;
};

} // namespace quorvel
