#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

// The per-user runtime folder that holds the single-instance lock and the close request:
// $XDG_RUNTIME_DIR, else glimmora-<uid>/ in the temporary folder ($TMPDIR, else /tmp), made
// private to the user. When another user holds that name, or it is open to others or a link, the
// folder "runtime" in the fallback folder (see SetRuntimeFallback) takes its place, then and in
// every later start. Every folder must be a real folder of the user's, closed to others. Ends
// with '/'; empty when no such folder can be had.
QString RuntimeFolder();
// The folder of the user's own (the data folder) that holds the runtime folder when the shared
// temporary folder cannot. Set before the first lock is taken.
void SetRuntimeFallback(const QString& folder);

// The single-instance marker: an exclusive lock on the file `name` in the runtime folder, held for
// the object's lifetime. The kernel drops it when the process dies, so a crashed instance never
// blocks the next one. Locks belong to the open file, so a second object in the same process
// sees the first one's lock as held elsewhere too, as a second named mutex would.
class RuntimeLock {
public:
    explicit RuntimeLock(const QString& name = QStringLiteral("GlimmoraMutex"));
    ~RuntimeLock();
    RuntimeLock(const RuntimeLock&) = delete;
    RuntimeLock& operator=(const RuntimeLock&) = delete;

    bool held() const { return fd_ >= 0; }       // this object owns the lock
    bool heldElsewhere() const { return busy_; } // another holder had it when we asked
    void release();

private:
    int fd_ = -1;
    bool busy_ = false;
};

// Starting instances queue here while they wait for the lock: each holds a shared lock on the file
// `name` in the runtime folder from its start until it has the lock or gives up. The lock's new
// holder asks whether it is the only one; the kernel drops a dead process's place.
class StartQueue {
public:
    explicit StartQueue(const QString& name); // joins, waiting while a holder is alone
    ~StartQueue();
    StartQueue(const StartQueue&) = delete;
    StartQueue& operator=(const StartQueue&) = delete;

    // True when nobody else queues; the queue then stays closed to newcomers until leave(). False
    // when others queue (this place may then be lost: leave, the start is not needed).
    bool alone();
    void leave();

private:
    int fd_ = -1;
};

// The close request between instances: a file of that name in the runtime folder.
// Add creates it, Exists tests for it, Delete removes it; each reports success.
bool GlobalAtomAdd(const QString& name);
// Adds the request with `text` in it (at most 4 KiB), whole or not at all, for TakeRequestText.
bool GlobalAtomAddText(const QString& name, const QByteArray& text);
bool GlobalAtomExists(const QString& name);
bool GlobalAtomDelete(const QString& name);
// Tells one request from a later one of the same name (changes when the file is deleted and made
// anew); empty while there is none.
QByteArray GlobalAtomIdentity(const QString& name);

// Takes the requests between instances (deletes their files) the moment they appear, in a thread
// of its own, so that an instance answers even while its start-up keeps the event loop from
// running. One per process.
class RequestWatcher {
public:
    explicit RequestWatcher(const QStringList& names);
    ~RequestWatcher();
    RequestWatcher(const RequestWatcher&) = delete;
    RequestWatcher& operator=(const RequestWatcher&) = delete;

private:
    struct State;
    std::unique_ptr<State> state_;
};

// How many requests of that name have come since the last call: those the running watcher took,
// and one present now (then it is taken here).
int TakeRequests(const QString& name);

// The text of the latest request of that name taken since the last call (see GlobalAtomAddText);
// empty when none carried one.
QByteArray TakeRequestText(const QString& name);

// Whether a close request for this process has come. True once per request.
bool TakeCloseRequest(const QString& name);
