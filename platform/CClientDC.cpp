// SPDX-License-Identifier: MIT
#include "platform/CClientDC.h"

CClientDC::CClientDC(CWnd*) {}
