// SPDX-License-Identifier: MIT
#include "bench/desktop/ProgramRun.h"

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

ProgramRun::ProgramRun(const std::string& program, const Environment& environment) {
    startedAt_ = Clock::now();
    pid_ = fork();
    if (pid_ == 0) {
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
}

ProgramRun::~ProgramRun() {
    Stop();
}

std::map<int, long long> ProgramRun::CpuNanoseconds() const {
    std::map<int, long long> threads;
    std::error_code error;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid_) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long onCpu = 0;
        if (schedstat >> onCpu) {
            threads[std::atoi(task.path().filename().c_str())] = onCpu;
        }
    }
    return threads;
}

double ProgramRun::Stop() {
    if (pid_ <= 0) {
        return 0;
    }
    kill(pid_, SIGTERM);
    rusage usage{};
    int status = 0;
    for (int waited = 0; wait4(pid_, &status, WNOHANG, &usage) == 0; ++waited) {
        if (waited == 300) {
            kill(pid_, SIGKILL);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    pid_ = -1;
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}
