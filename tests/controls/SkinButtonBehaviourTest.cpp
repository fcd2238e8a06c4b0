// SPDX-License-Identifier: MIT
// Skin buttons in a dialog, driven by the pointer and the keyboard: kinds, check boxes, radio
// groups, the pressed look while dragging, hover, double clicks and shaped buttons.

#include <gtest/gtest.h>

#include <QPointer>
#include <QTest>
#include <QWindow>
#include <map>
#include <string>
#include <vector>

#include "controls/CSkinButton.h"
#include "platform/dialog/CDialog.h"
#include "tests/controls/TestResourceIds.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

namespace {

constexpr unsigned kButtonsTemplate = 9100;
constexpr int kPush = 1101;
constexpr int kCheck = 1102;
constexpr int kRadioA = 1103;
constexpr int kRadioB = 1104;
constexpr int kRadioC = 1105;
constexpr int kAfterGroup = 1106;

DialogItemTemplate ButtonItem(int id, TemplateStyle style, int x, int y) {
    DialogItemTemplate item;
    item.id = id;
    item.kind = ControlClass::Button;
    item.x = x;
    item.y = y;
    item.cx = 40;
    item.cy = 20;
    item.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | style;
    return item;
}

void RegisterButtonsTemplate() {
    DialogTemplate dialog;
    dialog.id = kButtonsTemplate;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    dialog.cx = 220;
    dialog.cy = 110;
    dialog.caption = "Buttons";
    dialog.fontPointSize = 8;
    dialog.fontFace = "MS Sans Serif";
    dialog.items = {
        ButtonItem(kPush, BS_PUSHBUTTON | WS_GROUP, 10, 10),
        ButtonItem(kCheck, BS_AUTOCHECKBOX | WS_GROUP, 60, 10),
        ButtonItem(kRadioA, BS_AUTORADIOBUTTON | WS_GROUP, 10, 45),
        ButtonItem(kRadioB, BS_AUTORADIOBUTTON, 60, 45),
        ButtonItem(kRadioC, BS_AUTORADIOBUTTON, 110, 45),
    };
    DialogItemTemplate after;
    after.id = kAfterGroup;
    after.kind = ControlClass::Static;
    after.text = "end of group";
    after.x = 10;
    after.y = 80;
    after.cx = 60;
    after.cy = 10;
    after.style = WS_CHILD | WS_VISIBLE | WS_GROUP;
    dialog.items.push_back(after);
    RegisterDialogTemplate(dialog);
}

class ButtonsDialog : public CDialog {
public:
    ButtonsDialog() : CDialog(kButtonsTemplate) {}

    CSkinButton& Button(int id) { return *buttons.at(id); }

    // Each click as "id:check", the check read when the dialog hears of the click.
    std::vector<std::string> clicks;

protected:
    void DoDataExchange() override {
        for (int id : {kPush, kCheck, kRadioA, kRadioB, kRadioC}) {
            DDX_Control(id, buttons[id]);
        }
    }

    bool OnInitDialog() override {
        for (auto& [id, button] : buttons) {
            button->SetSkin(kRed, kGreen, kBlue, kYellow, 0, 0, 1, 0, 0, "", QRect(), 8);
        }
        return true;
    }

    void OnCommand(int id) override {
        if (buttons.count(id) != 0) {
            clicks.push_back(std::to_string(id) + ":" + std::to_string(static_cast<int>(buttons[id]->GetCheck())));
            return;
        }
        CDialog::OnCommand(id);
    }

private:
    std::map<int, QPointer<CSkinButton>> buttons;
};

using Clicks = std::vector<std::string>;

class SkinButtonBehaviourTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterButtonsTemplate(); }

    CSkinButton& Button(int id) { return dialog.Button(id); }
    QPoint Centre(int id) { return Button(id).rect().center(); }
    QRgb Shown(int id) { return ShownAt(Button(id), 5, 5).rgb(); }
    void Run(const std::function<void()>& body) { RunInModalLoop(dialog, body); }

    // A point of the dialog's own surface, away from every control.
    const QPoint surface{300, 150};
    ButtonsDialog dialog;
};

TEST_F(SkinButtonBehaviourTest, KindComesFromTheTemplateAndEachStateShowsInTheWindow) {
    Run([&] {
        EXPECT_EQ(Button(kPush).GetKind(), PushKind);
        EXPECT_EQ(Button(kCheck).GetKind(), CheckKind);
        EXPECT_EQ(Button(kRadioB).GetKind(), RadioKind);

        EXPECT_EQ(Shown(kPush), kRedColour);
        Button(kCheck).SetCheck(true);
        EXPECT_EQ(Shown(kCheck), kGreenColour) << "checked shows the pressed bitmap without the pointer";
        Button(kPush).setEnabled(false);
        EXPECT_EQ(Shown(kPush), kYellowColour);
    });
}

TEST_F(SkinButtonBehaviourTest, CheckBoxClickTogglesBeforeTheDialogHearsOfIt) {
    Run([&] {
        ClickAt(&Button(kCheck), Centre(kCheck));
        ClickAt(&Button(kCheck), Centre(kCheck));
        EXPECT_EQ(dialog.clicks, (Clicks{"1102:1", "1102:0"}));
    });
}

TEST_F(SkinButtonBehaviourTest, CheckedRadioUnchecksTheRestOfItsGroupOnceTheEventIsHandled) {
    Run([&] {
        Button(kCheck).SetCheck(true);
        Button(kRadioA).SetCheck(true);
        ProcessPostedMessages();

        // Checked by the dialog, a radio button unchecks the rest once the current event is handled.
        Button(kRadioC).SetCheck(true);
        EXPECT_TRUE(Button(kRadioA).GetCheck());
        ProcessPostedMessages();
        EXPECT_FALSE(Button(kRadioA).GetCheck());
        EXPECT_TRUE(Button(kRadioC).GetCheck());

        ClickAt(&Button(kRadioB), Centre(kRadioB));
        EXPECT_EQ(dialog.clicks, (Clicks{"1104:1"}));
        ProcessPostedMessages();
        EXPECT_FALSE(Button(kRadioA).GetCheck());
        EXPECT_TRUE(Button(kRadioB).GetCheck());
        EXPECT_FALSE(Button(kRadioC).GetCheck());
        EXPECT_TRUE(Button(kCheck).GetCheck()) << "another group is left alone";
        EXPECT_EQ(Shown(kRadioA), kRedColour);
        EXPECT_EQ(Shown(kRadioB), kGreenColour);

        // A checked radio button clicked again stays checked, and so does the group's state.
        ClickAt(&Button(kRadioB), Centre(kRadioB));
        ProcessPostedMessages();
        EXPECT_TRUE(Button(kRadioB).GetCheck());
        EXPECT_FALSE(Button(kRadioA).GetCheck());
        EXPECT_FALSE(Button(kRadioC).GetCheck());
    });
}

TEST_F(SkinButtonBehaviourTest, SpaceTogglesACheckBoxChecksARadioButtonAndLeavesAPushButton) {
    Run([&] {
        Button(kCheck).setFocus();
        PressKey(dialog, Qt::Key_Space);
        EXPECT_TRUE(Button(kCheck).GetCheck());
        PressKey(dialog, Qt::Key_Space);
        EXPECT_FALSE(Button(kCheck).GetCheck());

        Button(kRadioC).setFocus();
        PressKey(dialog, Qt::Key_Space);
        EXPECT_TRUE(Button(kRadioC).GetCheck());

        Button(kPush).setFocus();
        PressKey(dialog, Qt::Key_Space);
        EXPECT_FALSE(Button(kPush).GetCheck());
        EXPECT_EQ(dialog.clicks, (Clicks{"1102:1", "1102:0", "1105:1", "1101:0"}));
    });
}

TEST_F(SkinButtonBehaviourTest, PressedLookFollowsThePointerAndAReleaseOffClicksNothing) {
    Run([&] {
        PressAt(&Button(kCheck), Centre(kCheck));
        EXPECT_EQ(Shown(kCheck), kGreenColour);

        MoveTo(&dialog, surface);
        EXPECT_EQ(Shown(kCheck), kRedColour);

        MoveTo(&Button(kCheck), Centre(kCheck));
        EXPECT_EQ(Shown(kCheck), kGreenColour);

        MoveTo(&dialog, surface);
        ReleaseAt(&dialog, surface);
        EXPECT_FALSE(Button(kCheck).GetCheck());
        EXPECT_EQ(Shown(kCheck), kRedColour);
        EXPECT_TRUE(dialog.clicks.empty());
    });
}

TEST_F(SkinButtonBehaviourTest, HoverShowsUntilTheLeaveAndComesBackOnlyWithTheNextMove) {
    Run([&] {
        MoveTo(&Button(kPush), Centre(kPush));
        EXPECT_TRUE(Button(kPush).IsHovering());
        EXPECT_EQ(Shown(kPush), kBlueColour);

        MoveTo(&dialog, surface);
        EXPECT_FALSE(Button(kPush).IsHovering());
        EXPECT_EQ(Shown(kPush), kRedColour);

        MoveTo(&Button(kPush), Centre(kPush));
        PressAt(&Button(kPush), Centre(kPush));
        EXPECT_FALSE(Button(kPush).IsHovering());
        EXPECT_EQ(Shown(kPush), kGreenColour);
        ReleaseAt(&Button(kPush), Centre(kPush));
        EXPECT_EQ(Shown(kPush), kRedColour);
        EXPECT_EQ(dialog.clicks, (Clicks{"1101:0"}));

        MoveTo(&Button(kPush), Centre(kPush) + QPoint(1, 1));
        EXPECT_EQ(Shown(kPush), kBlueColour);
    });
}

TEST_F(SkinButtonBehaviourTest, DoubleClickActsAsASecondPress) {
    Run([&] {
        MoveTo(&Button(kCheck), Centre(kCheck));
        QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, Qt::NoModifier,
                           Button(kCheck).mapTo(&dialog, Centre(kCheck)));
        ProcessPostedMessages();
        EXPECT_EQ(dialog.clicks, (Clicks{"1102:1", "1102:0"}));
    });
}

TEST_F(SkinButtonBehaviourTest, MaskShapesTheButtonForThePointerAndSizesItInCopyMode) {
    Run([&] {
        const QSize templateSize = Button(kRadioC).size();

        Button(kPush).SetSkin(kRed, kGreen, 0, 0, 0, kMaskOpenLeft, 0, 0, 0, "", QRect(), 8);
        EXPECT_EQ(Button(kPush).size(), QSize(30, 16));
        EXPECT_TRUE(Button(kPush).mask().xored(QRegion(5, 0, 25, 16)).isEmpty());
        ClickAt(&Button(kPush), QPoint(2, 8));
        EXPECT_TRUE(dialog.clicks.empty()) << "the white part of the mask is not the button";
        ClickAt(&Button(kPush), QPoint(20, 8));
        EXPECT_EQ(dialog.clicks, (Clicks{"1101:0"}));

        Button(kCheck).SetSkin(kRed, kGreen, 0, 0, 0, kMaskOpenLeft, 1, 0, 0, "", QRect(), 8);
        EXPECT_EQ(Button(kCheck).size(), templateSize) << "Stretch keeps the template's size";

        Button(kRadioA).SetSkin(kRed, kGreen, 0, 0, 0, kMissing, 0, 0, 0, "", QRect(), 8);
        EXPECT_EQ(Button(kRadioA).size(), templateSize) << "a mask that cannot be loaded neither shapes nor shrinks";
        EXPECT_TRUE(Button(kRadioA).mask().isEmpty());
    });
}

}  // namespace
