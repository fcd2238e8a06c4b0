// SPDX-License-Identifier: MIT
#include "platform/window/CClientDC.h"

CClientDC::CClientDC(CWnd*) {}
