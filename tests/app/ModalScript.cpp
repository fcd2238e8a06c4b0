// SPDX-License-Identifier: MIT
#include "tests/app/ModalScript.h"

#include <gtest/gtest.h>

ModalScript::ModalScript() {
    CDialog::SetModalHook([this](CDialog& dialog) { Run(dialog); });
}

ModalScript::~ModalScript() {
    CDialog::SetModalHook({});
}

ModalScript& ModalScript::Then(unsigned templateId, Step step) {
    steps_.push_back({templateId, std::move(step)});
    return *this;
}

ModalScript& ModalScript::Whenever(unsigned templateId, Step step) {
    // Each board run adds its own step for the board; an older one refers to a board long gone.
    for (Entry& entry : standing_) {
        if (entry.templateId == templateId) {
            entry.step = std::move(step);
            return *this;
        }
    }
    standing_.push_back({templateId, std::move(step)});
    return *this;
}

void ModalScript::Run(CDialog& dialog) {
    opened_.push_back(dialog.GetTemplateId());
    const bool nextIsForIt = !steps_.empty() && steps_.front().templateId == dialog.GetTemplateId();
    if (!nextIsForIt) {
        for (const Entry& entry : standing_) {
            if (entry.templateId == dialog.GetTemplateId()) {
                entry.step(dialog);
                return;
            }
        }
    }
    if (steps_.empty() || steps_.front().templateId != dialog.GetTemplateId()) {
        ADD_FAILURE() << "unexpected dialog " << dialog.GetTemplateId()
                      << (steps_.empty() ? std::string(" (script finished)")
                                         : " (expected " + std::to_string(steps_.front().templateId) + ")");
        dialog.EndDialog(IDCANCEL);
        return;
    }
    Step step = std::move(steps_.front().step);
    steps_.pop_front();
    step(dialog);
}
