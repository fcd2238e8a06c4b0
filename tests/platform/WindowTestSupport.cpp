// SPDX-License-Identifier: MIT
#include "tests/platform/WindowTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/dialog/DataExchange.h"
#include "platform/dialog/TemplateTypes.h"

namespace {

DialogItemTemplate Item(int id, ControlClass kind, const std::string& text, int x, int y, int cx, int cy, DWORD style,
                        DWORD exStyle = 0) {
    return {id, kind, text, x, y, cx, cy, style, exStyle, 0};
}

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

}  // namespace

namespace {

void RegisterTestTemplates() {
    DialogTemplate test;
    test.id = kTestTemplate;
    test.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    test.x = 10;
    test.y = 5;
    test.cx = 200;
    test.cy = 150;
    test.caption = "Test";
    test.fontPointSize = 8;
    test.fontFace = "MS Sans Serif";
    test.items = {
        Item(kEditNarrow, ControlClass::Edit, "", 4, 4, 36, 14, kChild | WS_BORDER | WS_TABSTOP | WS_GROUP),
        Item(kEditWide, ControlClass::Edit, "", 44, 4, 36, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL),
        Item(kRadioA, ControlClass::Button, "A", 4, 24, 30, 12, kChild | BS_AUTORADIOBUTTON | WS_GROUP),
        Item(kRadioB, ControlClass::Button, "B", 40, 24, 30, 12, kChild | BS_AUTORADIOBUTTON),
        Item(kRadioC, ControlClass::Button, "C", 76, 24, 30, 12, kChild | BS_AUTORADIOBUTTON),
        Item(kCheckBox, ControlClass::Button, "Check", 4, 40, 50, 12,
             kChild | BS_AUTOCHECKBOX | BS_PUSHLIKE | WS_GROUP),
        Item(kPushButton, ControlClass::Button, "Push", 60, 40, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON),
        Item(kNotifyStatic, ControlClass::Static, "Notify", 4, 60, 60, 10, kChild | SS_NOTIFY),
        Item(kPlainStatic, ControlClass::Static, "Plain", 70, 60, 60, 10, kChild | SS_CENTER),
        Item(kHiddenStatic, ControlClass::Static, "Hidden", 136, 60, 60, 10, WS_CHILD),
        Item(kOwnerDrawn, ControlClass::Button, "", 4, 76, 40, 20, kChild | WS_TABSTOP | BS_OWNERDRAW),
        Item(IDOK, ControlClass::Button, "OK", 100, 120, 40, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON | WS_GROUP),
        Item(IDCANCEL, ControlClass::Button, "Cancel", 150, 120, 40, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON),
    };
    RegisterDialogTemplate(test);

    DialogTemplate owner;
    owner.id = kOwnerTemplate;
    owner.style = WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_MINIMIZEBOX | DS_MODALFRAME | DS_SETFONT;
    owner.cx = 300;
    owner.cy = 200;
    owner.fontPointSize = 10;
    owner.fontFace = "MS Sans Serif";
    owner.items = {Item(1, ControlClass::Button, "Cell", 4, 4, 38, 38, kChild | WS_TABSTOP | BS_PUSHBUTTON)};
    RegisterDialogTemplate(owner);
}

}  // namespace

TestApp& TheTestApp() {
    return *static_cast<TestApp*>(AfxGetApp());
}

namespace {

class WindowTestEnvironment final : public testing::Environment {
public:
    void SetUp() override {
        RegisterTestTemplates();
        app_ = std::make_unique<TestApp>();
    }
    void TearDown() override { app_.reset(); }

private:
    std::unique_ptr<TestApp> app_;
};

[[maybe_unused]] testing::Environment* const windowTestEnvironment =
    testing::AddGlobalTestEnvironment(new WindowTestEnvironment);

}  // namespace

LRESULT RecordingDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    log.push_back({message, wParam, lParam});
    LRESULT result = 0;
    if (handler && handler(message, wParam, lParam, result)) {
        return result;
    }
    return CDialog::WindowProc(message, wParam, lParam);
}

void RecordingDialog::OnCancel() {
    ++cancelCount;
    CDialog::OnCancel();
}

void RecordingDialog::DoDataExchange(CDataExchange* dx) {
    exchangeDirections.push_back(dx->m_bSaveAndValidate);
    if (exchange) {
        exchange(dx);
    }
}

int RecordingDialog::Count(UINT message) const {
    int count = 0;
    for (const LoggedMessage& entry : log) {
        count += entry.message == message ? 1 : 0;
    }
    return count;
}

std::vector<std::pair<int, int>> RecordingDialog::Commands() const {
    std::vector<std::pair<int, int>> commands;
    for (const LoggedMessage& entry : log) {
        if (entry.message == WM_COMMAND) {
            commands.emplace_back(static_cast<std::int16_t>(LOWORD(entry.wParam)), HIWORD(entry.wParam));
        }
    }
    return commands;
}
