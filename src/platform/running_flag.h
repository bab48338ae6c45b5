#pragma once

// Marks a piece of work as running for as long as it lives. The work processes events, so a
// handler may run inside it; the flag lets such a call see that and return instead of starting
// the same work a second time.
class RunningFlag {
public:
    explicit RunningFlag(bool& running) : running_(running) { running_ = true; }
    ~RunningFlag() { running_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& running_;
};
