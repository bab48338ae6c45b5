#pragma once
#include <QString>

// The per-user runtime folder that holds the single-instance lock and the close request:
// $XDG_RUNTIME_DIR, else /tmp/glimmora-<uid>/ (created private to the user). Ends with '/';
// empty when no safe folder is available.
QString RuntimeFolder();

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

// The close request between instances: a file of that name in the runtime folder.
// Add creates it, Exists tests for it, Delete removes it; each reports success.
bool GlobalAtomAdd(const QString& name);
bool GlobalAtomExists(const QString& name);
bool GlobalAtomDelete(const QString& name);
