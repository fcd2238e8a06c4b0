// SPDX-License-Identifier: MIT
#pragma once
// A shell that answers from a table and records what it was asked to do.

#include <map>
#include <string>
#include <vector>

#include "platform/ShellServices.h"

class FakeShellServices final : public ShellServices {
public:
    int OpenDocument(const std::string& target, int) override {
        opened.push_back(target);
        return openResult;
    }
    std::optional<std::string> ClassesRootValue(const std::string& subKey) override {
        const auto found = classesRoot.find(subKey);
        return found == classesRoot.end() ? std::nullopt : std::optional<std::string>(found->second);
    }
    int RunCommand(const std::string& commandLine, int) override {
        commands.push_back(commandLine);
        return runResult;
    }
    void Beep(UINT type) override { beeps.push_back(type); }

    int openResult = 42;
    int runResult = 33;
    std::map<std::string, std::string> classesRoot;
    std::vector<std::string> opened;
    std::vector<std::string> commands;
    std::vector<UINT> beeps;
};
