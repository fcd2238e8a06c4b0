// SPDX-License-Identifier: MIT
#pragma once
// A small template of every control kind and a dialog that records its messages; the templates
// and an application object of the framework (the owner of template dialogs) exist while tests run.

#include <functional>
#include <string>
#include <vector>

#include "platform/dialog/CDialog.h"
#include "platform/shell/CWinApp.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

inline constexpr UINT kTestTemplate = 9001;
inline constexpr UINT kOwnerTemplate = 9002;
inline constexpr int kEditNarrow = 10;
inline constexpr int kEditWide = 11;
inline constexpr int kRadioA = 20;
inline constexpr int kRadioB = 21;
inline constexpr int kRadioC = 22;
inline constexpr int kCheckBox = 23;
inline constexpr int kPushButton = 30;
inline constexpr int kNotifyStatic = 40;
inline constexpr int kPlainStatic = 41;
inline constexpr int kHiddenStatic = 42;
inline constexpr int kOwnerDrawn = 50;

class TestApp : public CWinApp {
public:
    void OnHelp() override { ++helpRequests; }
    int helpRequests = 0;
};

TestApp& TheTestApp();

struct LoggedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Records every message; `handler` may answer one first (return true to skip the base).
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(UINT templateId = kTestTemplate, CWnd* parent = nullptr) : CDialog(templateId, parent) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCancel() override;
    void DoDataExchange(CDataExchange* dx) override;

    std::function<bool(UINT, WPARAM, LPARAM, LRESULT&)> handler;
    std::function<void(CDataExchange*)> exchange;
    std::vector<LoggedMessage> log;
    std::vector<BOOL> exchangeDirections;
    int cancelCount = 0;

    int Count(UINT message) const;
    // The WM_COMMAND notifications received, as (id, code).
    std::vector<std::pair<int, int>> Commands() const;
};
