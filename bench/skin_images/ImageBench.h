#pragma once
#include <chrono>

// Seconds per call of `f`, from enough repetitions to run ~0.3 s.
template <typename F>
double SecondsPerCall(F&& f) {
    using Clock = std::chrono::steady_clock;
    f(); // warm-up
    long n = 1;
    for (;;) {
        const auto start = Clock::now();
        for (long i = 0; i < n; ++i) f();
        const double s = std::chrono::duration<double>(Clock::now() - start).count();
        if (s > 0.3) return s / double(n);
        n *= 2;
    }
}

void RunDecodeBench();
void RunNineGridBench();
