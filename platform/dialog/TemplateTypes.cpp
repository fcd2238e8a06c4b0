// SPDX-License-Identifier: MIT
#include "platform/dialog/TemplateTypes.h"

#include <map>

namespace {

std::map<UINT, DialogTemplate>& Registry() {
    static std::map<UINT, DialogTemplate> templates;
    return templates;
}

}  // namespace

void RegisterDialogTemplate(const DialogTemplate& dialogTemplate) {
    Registry()[dialogTemplate.id] = dialogTemplate;
}

const DialogTemplate* FindDialogTemplate(UINT id) {
    const auto found = Registry().find(id);
    return found != Registry().end() ? &found->second : nullptr;
}
