// SPDX-License-Identifier: MIT
#include "platform/dialog/DialogTemplate.h"

#include <map>

namespace {

std::map<unsigned, DialogTemplate>& Registry() {
    static std::map<unsigned, DialogTemplate> templates;
    return templates;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    Registry()[dialogTemplate.id] = dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(unsigned id) {
    const auto found = Registry().find(id);
    return found != Registry().end() ? &found->second : nullptr;
}
