// SPDX-License-Identifier: MIT
// The skinned dialog base: its background picture, replacing and removing it, and moving the
// window by its surface.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>

#include "dialogs/CSkinDialog.h"
#include "platform/draw/Resources.h"
#include "resources/ResourceIds.h"
#include "tests/dialogs/DialogTestSupport.h"

namespace {

constexpr unsigned kSkinTemplate = 9200;
constexpr int kButton = 1401;
constexpr unsigned kMissingBitmap = 9999;

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

// What the dialog has put on the screen so far, without painting it anew.
QImage OnScreen(CSkinDialog& dialog) {
    return dialog.screen()->grabWindow(dialog.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

// How many pixels of the dialog's surface, outside its button, differ from the picture's pixel at
// the same place.
int DifferingPixels(CSkinDialog& dialog, const QImage& shown, const QImage& picture) {
    const QRect button = dialog.GetDlgItem(kButton)->geometry();
    int differing = 0;
    for (int y = 0; y < dialog.height(); ++y) {
        for (int x = 0; x < dialog.width(); ++x) {
            differing += !button.contains(x, y) && shown.pixel(x, y) != picture.pixel(x, y) ? 1 : 0;
        }
    }
    return differing;
}

class SkinDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterSkinTemplate(); }

    CSkinDialog dialog{kSkinTemplate};
};

TEST_F(SkinDialogTest, BackgroundShowsOneToOneFromTheCornerCutAtTheEdgeAndCanBeRemoved) {
    RunInModalLoop(dialog, [&] {
        EXPECT_FALSE(dialog.HasBackground());
        const QRgb plain = ShownAt(dialog, 5, 5).rgb();

        // Both pictures are larger than the dialog; a new one replaces the last on the screen.
        for (unsigned id : {IDB_DIALOG_BACKGROUND, IDB_MENU_BACKGROUND}) {
            const QImage picture = BitmapResource(id);
            ASSERT_GT(picture.width(), dialog.width());
            ASSERT_GT(picture.height(), dialog.height());
            EXPECT_EQ(dialog.LoadBackground(id), 1);
            EXPECT_TRUE(dialog.HasBackground());
            ProcessPostedMessages();
            EXPECT_EQ(DifferingPixels(dialog, OnScreen(dialog), picture), 0) << id;
        }

        EXPECT_EQ(dialog.SetBackground(Picture()), 1);
        EXPECT_FALSE(dialog.HasBackground());
        ProcessPostedMessages();
        EXPECT_EQ(OnScreen(dialog).pixel(5, 5), plain);

        dialog.LoadBackground(IDB_DIALOG_BACKGROUND);
        EXPECT_EQ(dialog.LoadBackground(kMissingBitmap), 1);
        EXPECT_FALSE(dialog.HasBackground());
        EXPECT_EQ(ShownAt(dialog, 5, 5).rgb(), plain);
    });
}

// Under the offscreen platform the window system moves nothing itself: the dialog follows the
// pointer on its own.
TEST_F(SkinDialogTest, DraggingTheSurfaceMovesTheWindow) {
    RunInModalLoop(dialog, [&] { EXPECT_EQ(DragBy(dialog, QPoint(12, 7), QPoint(30, 20)), QPoint(30, 20)); });
}

TEST_F(SkinDialogTest, NoMoveWhenSwitchedOffOrPressedOnAControl) {
    RunInModalLoop(dialog, [&] {
        QWidget* button = dialog.GetDlgItem(kButton);
        EXPECT_EQ(DragBy(dialog, button->geometry().center(), QPoint(30, 20)), QPoint(0, 0));
        dialog.EnableDrag(0);
        EXPECT_EQ(DragBy(dialog, QPoint(12, 7), QPoint(30, 20)), QPoint(0, 0));
    });
}

}  // namespace
