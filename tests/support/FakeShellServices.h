// SPDX-License-Identifier: MIT
#pragma once
// A desktop that records what it was asked to do.

#include <string>
#include <vector>

#include "platform/shell/ShellServices.h"

class FakeShellServices final : public ShellServices {
public:
    int OpenDocument(const std::string& target) override {
        opened.push_back(target);
        return openResult;
    }
    void Beep() override { ++beeps; }

    int openResult = kOpenedDocument;
    std::vector<std::string> opened;
    int beeps = 0;
};
