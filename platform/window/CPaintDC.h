// SPDX-License-Identifier: MIT
#pragma once
// The device context of a WM_PAINT (or WM_ERASEBKGND) in progress: draws on the window being
// painted. Outside a paint of that window it draws nothing.

#include <memory>

#include "platform/draw/CDC.h"

class CWnd;
class QPainter;
class WindowHost;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* window);
    ~CPaintDC() override;

private:
    WindowHost* host_ = nullptr;
    std::unique_ptr<QPainter> painter_;
};
