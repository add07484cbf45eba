// SPDX-License-Identifier: GPL-3.0-or-later
// Persistent threads for the fast engine's phases. A phase is cut into
// parts that write disjoint data; the calling thread and the workers claim
// them one by one from a shared counter, so a thread that has lost its core
// leaves its unstarted parts to the others, and the phase ends when every
// part is done. Which thread runs which part never changes a result.
#pragma once

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

class CWorkPool {
public:
    // part: 0 .. parts - 1; thread: 0 for the caller, 1 .. for the workers,
    // below the run's thread count (per-thread scratch may be indexed by it).
    using Job = void (*)(void* context, int part, int thread);

    CWorkPool() = default;
    ~CWorkPool();
    CWorkPool(const CWorkPool&) = delete;
    CWorkPool& operator=(const CWorkPool&) = delete;

    // Runs job for every part on up to threads threads, this one among them,
    // and returns when all parts are done. The workers are made when first
    // needed and kept.
    void run(int threads, int parts, Job job, void* context);
    // The same for a member function of the context, (object->*member)(part, thread).
    template <class T, void (T::*member)(int, int)>
    void run(int threads, int parts, T* object)
    {
        run(threads, parts, [](void* o, int part, int thread) { (static_cast<T*>(o)->*member)(part, thread); }, object);
    }
    int workers() const { return static_cast<int>(workers_.size()); }

private:
    // The run's generation, the next part to claim and the parts, in one word,
    // so that a worker late from an earlier run can never claim in a later one.
    static std::uint64_t pack(std::uint32_t generation, int next, int parts)
    {
        return std::uint64_t(generation) << 32 | std::uint64_t(next) << 16 | std::uint64_t(parts);
    }
    // Claims the next part of the run of this generation; -1 when none is left.
    int claim(std::uint32_t generation);
    void runParts(std::uint32_t generation, int thread);
    void workerLoop(int thread);
    static void pause();

    std::vector<std::thread> workers_;
    alignas(64) std::atomic<std::uint64_t> claims_{0};
    alignas(64) std::atomic<std::uint32_t> generation_{0};  // what sleeping workers wait on
    std::atomic<int> threadsWanted_{1};                     // of the current run
    alignas(64) std::atomic<int> partsDone_{0};
    Job job_ = nullptr;
    void* context_ = nullptr;
    std::atomic<bool> stopping_{false};
};
