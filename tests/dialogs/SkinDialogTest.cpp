// SPDX-License-Identifier: MIT
// The skinned dialog base: its background picture, replacing and removing it, and moving the
// window by its surface.

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/CSkinDialog.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

namespace {

constexpr UINT kSkinTemplate = 9200;
constexpr int kButton = 1401;

COLORREF Gradient(int x, int y) {
    return RGB(x % 256, y % 256, 77);
}

// A bitmap of width x height painted with Gradient, handed over as a raw handle.
HBITMAP GradientBitmap(int width, int height) {
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&dc, width, height);
    CBitmap* previous = dc.SelectObject(&bitmap);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            dc.FillSolidRect(x, y, 1, 1, Gradient(x, y));
        }
    }
    dc.SelectObject(previous);
    const HBITMAP handle = bitmap;
    bitmap.Detach();
    return handle;
}

void RegisterSkinTemplate() {
    DialogTemplate dialog;
    dialog.id = kSkinTemplate;
    dialog.style = WS_POPUP | WS_BORDER | DS_SETFONT;  // no title bar, like the game menu
    dialog.cx = 100;
    dialog.cy = 60;
    dialog.fontPointSize = 8;
    DialogItemTemplate button;
    button.id = kButton;
    button.kind = ControlClass::Button;
    button.text = "OK";
    button.x = 60;
    button.y = 40;
    button.cx = 30;
    button.cy = 14;
    button.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    dialog.items.push_back(button);
    RegisterDialogTemplate(dialog);
}

// Keeps the drag requests it posts to itself instead of starting a move.
class RecordingSkinDialog : public CSkinDialog {
public:
    RecordingSkinDialog() : CSkinDialog(kSkinTemplate) {}

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_NCLBUTTONDOWN && keepDragRequests) {
            dragRequests.push_back({wParam, lParam});
            return 0;
        }
        return CSkinDialog::WindowProc(message, wParam, lParam);
    }

    bool keepDragRequests = true;
    std::vector<std::pair<WPARAM, LPARAM>> dragRequests;
};

class SkinDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinTemplate(); }

    RecordingSkinDialog dialog;
};

TEST_F(SkinDialogTest, StartsDraggableWithoutBackground) {
    EXPECT_EQ(dialog.IsDragEnabled(), 1);
    EXPECT_FALSE(dialog.HasBackground());
    dialog.EnableDrag(0);
    EXPECT_EQ(dialog.IsDragEnabled(), 0);
}

TEST_F(SkinDialogTest, BackgroundIsPaintedOneToOneFromTheTopLeftAndCutAtTheClientEdge) {
    RunInModalLoop(dialog, [&] {
        CRect client;
        dialog.GetClientRect(&client);
        ASSERT_EQ(dialog.SetBackground(GradientBitmap(client.Width() + 40, client.Height() + 40)), 1);
        const QImage shot = dialog.GetSafeHwnd()->grab().toImage();
        for (const QPoint point : {QPoint(0, 0), QPoint(17, 9), QPoint(client.Width() - 1, client.Height() - 1)}) {
            const QRgb pixel = shot.pixel(point);
            EXPECT_EQ(RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)), Gradient(point.x(), point.y()))
                << point.x() << "," << point.y();
        }
    });
}

TEST_F(SkinDialogTest, NullBackgroundRemovesThePictureAndSucceeds) {
    RunInModalLoop(dialog, [&] {
        const COLORREF plain = ShownAt(dialog, 5, 5);
        dialog.SetBackground(GradientBitmap(300, 300));
        EXPECT_EQ(ShownAt(dialog, 5, 5), Gradient(5, 5));
        EXPECT_EQ(dialog.SetBackground(nullptr), 1);
        EXPECT_FALSE(dialog.HasBackground());
        EXPECT_EQ(ShownAt(dialog, 5, 5), plain);
    });
}

TEST_F(SkinDialogTest, MissingResourceLeavesNoBackground) {
    dialog.SetBackground(GradientBitmap(4, 4));
    EXPECT_EQ(dialog.LoadBackground(9999), 1);
    EXPECT_FALSE(dialog.HasBackground());
}

TEST_F(SkinDialogTest, UnreadableBitmapIsRefused) {
    EXPECT_EQ(dialog.SetBackground(new BitmapObject), 0);
    EXPECT_FALSE(dialog.HasBackground());
}

TEST_F(SkinDialogTest, SettingTheSameBitmapAgainKeepsIt) {
    const HBITMAP picture = GradientBitmap(8, 8);
    ASSERT_EQ(dialog.SetBackground(picture), 1);
    EXPECT_EQ(dialog.SetBackground(picture), 1);
    ASSERT_TRUE(dialog.HasBackground());
    BITMAP description;
    EXPECT_NE(GetObject(picture, sizeof(BITMAP), &description), 0);
    EXPECT_EQ(description.bmWidth, 8);
}

TEST_F(SkinDialogTest, PressOnTheSurfacePostsACaptionDragWithThePoint) {
    RunInModalLoop(dialog, [&] {
        MovePointer(ScreenPoint(dialog, 12, 7));
        PressLeft(dialog);
        ReleaseLeft(dialog);
        ASSERT_EQ(dialog.dragRequests.size(), 1u);
        EXPECT_EQ(dialog.dragRequests[0].first, static_cast<WPARAM>(HTCAPTION));
        EXPECT_EQ(dialog.dragRequests[0].second, MAKELPARAM(12, 7));
    });
}

TEST_F(SkinDialogTest, NoDragWhenSwitchedOffOrPressedOnAControl) {
    RunInModalLoop(dialog, [&] {
        ClickAt(*dialog.GetDlgItem(kButton));
        EXPECT_TRUE(dialog.dragRequests.empty());
        dialog.EnableDrag(0);
        MovePointer(ScreenPoint(dialog, 12, 7));
        PressLeft(dialog);
        ReleaseLeft(dialog);
        EXPECT_TRUE(dialog.dragRequests.empty());
    });
}

TEST_F(SkinDialogTest, DraggingTheSurfaceMovesTheWindow) {
    dialog.keepDragRequests = false;
    RunInModalLoop(dialog, [&] {
        CRect before;
        dialog.GetWindowRect(&before);
        MovePointer(ScreenPoint(dialog, 12, 7));
        PressLeft(dialog);
        MovePointer(ScreenPoint(dialog, 12, 7) + QPoint(30, 20));
        ReleaseLeft(dialog);
        CRect after;
        dialog.GetWindowRect(&after);
        EXPECT_EQ(after.left - before.left, 30);
        EXPECT_EQ(after.top - before.top, 20);
    });
}

}  // namespace
