// SPDX-License-Identifier: MIT
#pragma once
// Owner of one drawing-object handle, as the framework's wrapper classes: the destructor and
// DeleteObject free an attached handle; Detach gives it up without freeing.

#include "platform/GdiHandles.h"

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of `object`; FALSE (and nothing taken) when a handle is already attached or
    // `object` is null.
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    // Frees the attached handle; FALSE when there is none.
    BOOL DeleteObject();

    HGDIOBJ m_hObject = nullptr;
};
