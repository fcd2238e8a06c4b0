// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "controls/CColorLabel.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/SystemColors.h"
#include "tests/support/DeviceContextState.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

namespace {

COLORREF BrushColour(HBRUSH brush) {
    return brush == nullptr ? CLR_INVALID : brush->color;
}

TEST(ColorLabelTest, StartsWithButtonFaceBehindBlackText) {
    CColorLabel label;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HBRUSH brush = label.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(BrushColour(brush), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(BackgroundColourOf(dc), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(TextColourOf(dc), RGB(0, 0, 0));
}

TEST(ColorLabelTest, NewColoursReachTheColourRequest) {
    CColorLabel label;
    label.SetBackColor(RGB(150, 150, 150));
    label.SetForeColor(RGB(255, 255, 255));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    EXPECT_EQ(BrushColour(label.CtlColor(&dc, CTLCOLOR_STATIC)), RGB(150, 150, 150));
    EXPECT_EQ(BackgroundColourOf(dc), RGB(150, 150, 150));
    EXPECT_EQ(TextColourOf(dc), RGB(255, 255, 255));
}

constexpr UINT kLabelTemplate = 9120;
constexpr int kLabel = 1301;

class LabelDialog : public CDialog {
public:
    LabelDialog() : CDialog(kLabelTemplate) {}
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kLabel, label);
    }
    CColorLabel label;
};

TEST(ColorLabelWindowTest, VisibleLabelShowsItsColoursAtOnce) {
    DialogTemplate dialog;
    dialog.id = kLabelTemplate;
    dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    dialog.cx = 120;
    dialog.cy = 40;
    dialog.fontPointSize = 8;
    DialogItemTemplate item;
    item.id = kLabel;
    item.kind = ControlClass::Static;
    item.text = "Score";
    item.x = 5;
    item.y = 5;
    item.cx = 100;
    item.cy = 20;
    item.style = WS_CHILD | WS_VISIBLE | SS_LEFT;
    dialog.items.push_back(item);
    RegisterDialogTemplate(dialog);

    LabelDialog labelDialog;
    RunInModalLoop(labelDialog, [&] {
        labelDialog.label.SetBackColor(RGB(150, 150, 150));
        labelDialog.label.SetForeColor(RGB(255, 255, 255));
        const QImage shot = labelDialog.label.GetSafeHwnd()->grab().toImage();
        EXPECT_EQ(shot.pixel(shot.width() - 2, shot.height() - 2), qRgb(150, 150, 150));
        // The text is smoothed: count the pixels close to white.
        int whitish = 0;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                whitish += qGray(shot.pixel(x, y)) > 220 ? 1 : 0;
            }
        }
        EXPECT_GT(whitish, 5);
    });
}

}  // namespace
