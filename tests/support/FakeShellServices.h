// SPDX-License-Identifier: MIT
#pragma once
// A shell that records what it was asked to do.

#include <string>
#include <vector>

#include "platform/shell/ShellServices.h"

class FakeShellServices final : public ShellServices {
public:
    int OpenDocument(const std::string& target, int) override {
        opened.push_back(target);
        return openResult;
    }
    void Beep(UINT type) override { beeps.push_back(type); }

    int openResult = 42;
    std::vector<std::string> opened;
    std::vector<UINT> beeps;
};
