// SPDX-License-Identifier: MIT
#pragma once
// A device context over a QPainter the layer opened (erasing, owner draw, static painting).

#include "platform/draw/CDC.h"

class PainterDC : public CDC {
public:
    explicit PainterDC(QPainter* painter) { AttachPainter(painter); }
    ~PainterDC() override { DetachPainter(); }
};
