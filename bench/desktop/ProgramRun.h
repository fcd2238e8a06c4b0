// SPDX-License-Identifier: MIT
#pragma once
// One run of a program under test: started with a few extra environment variables, its CPU time
// read while it runs, stopped with SIGTERM, and its peak resident memory read as it ends.

#include "bench/desktop/Clock.h"

#include <sys/types.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

class ProgramRun {
public:
    using Environment = std::vector<std::pair<std::string, std::string>>;
    ProgramRun(const std::string& program, const Environment& environment);
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;
    ~ProgramRun();

    bool Started() const { return pid_ > 0; }
    // Just before the program was executed.
    TimePoint StartedAt() const { return startedAt_; }
    // Nanoseconds on a CPU so far, per live thread.
    std::map<int, long long> CpuNanoseconds() const;
    // Ends the program; its peak resident set in MiB (0 when unknown).
    double Stop();

private:
    pid_t pid_ = -1;
    TimePoint startedAt_;
};
