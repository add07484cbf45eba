// SPDX-License-Identifier: GPL-3.0-or-later
#include "SIM/engine/CWorkPool.h"

namespace {
// Between the phases of a step a worker waits while the caller runs the
// step's serial passes, up to a few hundred microseconds: it spins that
// long, then gives its core away now and then, and sleeps when no run comes
// (between the calls of a display, or on a core another process needs).
constexpr int kWorkerSpins = 20000;
constexpr int kYields = 64;
// The caller waits only for parts already running: a short spin, then it
// gives its core to them, which may have lost their own.
constexpr int kSpins = 4000;
}  // namespace

CWorkPool::~CWorkPool()
{
    stopping_.store(true);
    generation_.fetch_add(1, std::memory_order_release);
    generation_.notify_all();
    for (std::thread& worker : workers_) worker.join();
}

void CWorkPool::pause()
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_ia32_pause();
#else
    std::this_thread::yield();
#endif
}

int CWorkPool::claim(std::uint32_t generation)
{
    std::uint64_t word = claims_.load(std::memory_order_acquire);
    for (;;) {
        int next = static_cast<int>(word >> 16 & 0xffff), parts = static_cast<int>(word & 0xffff);
        if (static_cast<std::uint32_t>(word >> 32) != generation || next >= parts) return -1;
        if (claims_.compare_exchange_weak(word, pack(generation, next + 1, parts), std::memory_order_acq_rel))
            return next;
    }
}

// A claim succeeds only while its run lasts (the caller waits for every
// claimed part), so the job read after it is that run's.
void CWorkPool::runParts(std::uint32_t generation, int thread)
{
    for (int part; (part = claim(generation)) >= 0;) {
        job_(context_, part, thread);
        partsDone_.fetch_add(1, std::memory_order_release);
    }
}

void CWorkPool::run(int threads, int parts, Job job, void* context)
{
    if (threads > 1 + workers()) {
        // Workers are made once, before any run they could join.
        while (workers() < threads - 1) {
            int thread = workers() + 1;
            workers_.emplace_back(&CWorkPool::workerLoop, this, thread);
        }
    }
    if (threads <= 1 || parts <= 1) {
        for (int part = 0; part < parts; part++) job(context, part, 0);
        return;
    }
    job_ = job;
    context_ = context;
    partsDone_.store(0, std::memory_order_relaxed);
    threadsWanted_.store(threads, std::memory_order_relaxed);
    std::uint32_t generation = static_cast<std::uint32_t>(claims_.load(std::memory_order_relaxed) >> 32) + 1;
    claims_.store(pack(generation, 0, parts), std::memory_order_release);
    generation_.store(generation, std::memory_order_release);
    generation_.notify_all();
    runParts(generation, 0);
    // The parts still running are on threads that may have lost their core:
    // wait for them, giving this core away after a short spin.
    for (int spins = 0; partsDone_.load(std::memory_order_acquire) != parts; spins++) {
        if (spins < kSpins) pause();
        else std::this_thread::yield();
    }
}

void CWorkPool::workerLoop(int thread)
{
    std::uint32_t seen = 0;
    for (;;) {
        std::uint32_t generation;
        for (int waits = 0; (generation = generation_.load(std::memory_order_acquire)) == seen; waits++) {
            if (waits < kWorkerSpins) pause();
            else if (waits < kWorkerSpins + kYields) std::this_thread::yield();
            else generation_.wait(seen, std::memory_order_acquire);
        }
        if (stopping_.load()) return;
        seen = generation;
        if (thread < threadsWanted_.load(std::memory_order_relaxed)) runParts(generation, thread);
    }
}
