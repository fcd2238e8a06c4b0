// SPDX-License-Identifier: MIT
// The colour label in a dialog: the face colour and black text until it is given its own colours,
// which show at once.

#include <gtest/gtest.h>

#include <QPointer>

#include "controls/CColorLabel.h"
#include "controls/SystemColors.h"
#include "platform/dialog/CDialog.h"
#include "tests/controls/OnScreen.h"
#include "tests/support/ModalRun.h"

namespace {

constexpr unsigned kLabelTemplate = 9120;
constexpr int kLabel = 1301;
constexpr QRgb kGrey = qRgb(150, 150, 150);
constexpr QRgb kWhite = qRgb(255, 255, 255);
constexpr int kTextTolerance = 40;

void RegisterLabelTemplate() {
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
}

class LabelDialog : public CDialog {
public:
    LabelDialog() : CDialog(kLabelTemplate) {}
    QPointer<CColorLabel> label;

protected:
    void DoDataExchange() override { DDX_Control(kLabel, label); }
};

TEST(ColorLabelTest, NewColoursShowAtOnceOverTheFaceColour) {
    RegisterLabelTemplate();
    LabelDialog dialog;
    RunInModalLoop(dialog, [&] {
        CColorLabel& label = *dialog.label;
        const QImage before = OnScreen(label);
        EXPECT_EQ(before.pixel(before.width() - 2, before.height() - 2), kButtonFace.rgb());
        EXPECT_GT(CountOf(before, qRgb(0, 0, 0), kTextTolerance), 5) << "black text";

        label.SetBackColor(QColor(kGrey));
        label.SetForeColor(QColor(kWhite));
        // No return to the event loop: the label has repainted itself already.
        const QImage after = OnScreen(label);
        EXPECT_EQ(after.pixel(after.width() - 2, after.height() - 2), kGrey);
        EXPECT_GT(CountOf(after, kWhite, kTextTolerance), 5) << "white text";
        EXPECT_EQ(CountOf(after, qRgb(0, 0, 0), kTextTolerance), 0);
    });
}

}  // namespace
