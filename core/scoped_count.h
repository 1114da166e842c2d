#pragma once
// Marks that an operation is in progress: the count goes up when the scope
// starts and back down on every way out, exceptions included. A count rather
// than a flag, so that an inner run of the same operation leaves it set for
// the outer one.
class ScopedCount {
public:
    explicit ScopedCount(int& count) : count_(count) { ++count_; }
    ~ScopedCount() { --count_; }
    ScopedCount(const ScopedCount&) = delete;
    ScopedCount& operator=(const ScopedCount&) = delete;

private:
    int& count_;
};
