// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialog/CDialog.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

// Scripts the modal dialogs of one test: each dialog that opens takes the next step, which must be
// meant for its template. A dialog nobody expected fails the test and is cancelled, so a wrong
// turn never leaves a modal loop waiting for input.
class ModalScript {
public:
    using Step = std::function<void(CDialog&)>;

    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // The next dialog to open must use `templateId`; `step` drives it and should end it.
    ModalScript& Then(unsigned templateId, Step step);
    // Every dialog of `templateId` that opens while the next step is meant for another template
    // is driven by `step` (challenges and end-of-game tables that a claim may or may not bring).
    // A later standing step for the same template replaces the earlier one.
    ModalScript& Whenever(unsigned templateId, Step step);
    // Steps not taken yet.
    std::size_t Pending() const { return steps_.size(); }
    // Template ids of the dialogs in the order they opened.
    const std::vector<unsigned>& Opened() const { return opened_; }

private:
    void Run(CDialog& dialog);

    struct Entry {
        unsigned templateId;
        Step step;
    };
    std::deque<Entry> steps_;
    std::vector<Entry> standing_;
    std::vector<unsigned> opened_;
};
