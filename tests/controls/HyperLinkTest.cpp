// SPDX-License-Identifier: MIT
// The link label: opening its target through the shell, the error
// messages, its colours, and the label in a dialog (font, size, tooltip, cursor, hover, click).

#include <gtest/gtest.h>

#include <utility>

#include "controls/CHyperLink.h"
#include "platform/dialog/DataExchange.h"
#include "platform/dialog/MessageBox.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/SystemColors.h"
#include "platform/window/CClientDC.h"
#include "tests/support/DeviceContextState.h"
#include "tests/support/FakeShellServices.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

namespace {

const std::string kTarget = "http://example.org/quinsum";

class OpenErrorMessageTest : public ::testing::TestWithParam<std::pair<int, std::string>> {};

TEST_P(OpenErrorMessageTest, WarningBoxNamesTheCause) {
    std::vector<std::pair<std::string, UINT>> boxes;
    const MessageBoxPresenter previous =
        SetMessageBoxPresenter([&](HWND, const std::string& text, const std::string&, UINT type) {
            boxes.emplace_back(text, type);
            return IDOK;
        });
    CHyperLink link;
    link.ReportOpenError(GetParam().first);
    SetMessageBoxPresenter(previous);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].first, "Unable to open hyperlink:\n\n" + GetParam().second);
    EXPECT_EQ(boxes[0].second & MB_ICONEXCLAMATION, MB_ICONEXCLAMATION);
}

INSTANTIATE_TEST_SUITE_P(
    ErrorCodes, OpenErrorMessageTest,
    // A code with a sentence of its own, one whose sentence runs over three lines, and one without.
    ::testing::Values(std::make_pair(2, "The specified file was not found."),
                      std::make_pair(30,
                                     "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
                                     "being processed."),
                      std::make_pair(31, "There is no application associated\nwith the given filename extension."),
                      std::make_pair(-7, "Unknown Error (-7) occurred.")),
    [](const ::testing::TestParamInfo<std::pair<int, std::string>>& code) {
        return code.param.first < 0 ? "CodeMinus" + std::to_string(-code.param.first)
                                    : "Code" + std::to_string(code.param.first);
    });

TEST(HyperLinkColourTest, TextColourFollowsTheStateOverATransparentBackground) {
    CHyperLink link;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    const HBRUSH brush = link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(brush, GetStockObject(NULL_BRUSH));
    EXPECT_EQ(TextColourOf(dc), RGB(0, 0, 238));
    EXPECT_EQ(BackgroundModeOf(dc), TRANSPARENT);

    link.MarkVisited(true);
    link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(TextColourOf(dc), RGB(85, 26, 139));

    link.SetLinkColors(RGB(1, 1, 1), RGB(2, 2, 2), 0xFFFFFFFFu);
    link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(TextColourOf(dc), RGB(2, 2, 2));
    link.MarkVisited(false);
    link.CtlColor(&dc, CTLCOLOR_STATIC);
    EXPECT_EQ(TextColourOf(dc), RGB(1, 1, 1));
}

constexpr UINT kLinkTemplate = 9110;
constexpr int kLink = 1201;
constexpr int kEmptyLink = 1202;
constexpr int kCentredLink = 1203;

DialogItemTemplate LinkItem(int id, const std::string& text, DWORD style, int y) {
    DialogItemTemplate item;
    item.id = id;
    item.kind = ControlClass::Static;
    item.text = text;
    item.x = 10;
    item.y = y;
    item.cx = 150;
    item.cy = 12;
    item.style = WS_CHILD | WS_VISIBLE | style;
    return item;
}

void RegisterLinkTemplate() {
    DialogTemplate dialog;
    dialog.id = kLinkTemplate;
    dialog.style = WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT;
    dialog.cx = 200;
    dialog.cy = 80;
    dialog.caption = "Link";
    dialog.fontPointSize = 8;
    dialog.fontFace = "MS Sans Serif";
    dialog.items = {LinkItem(kLink, kTarget, SS_LEFT, 10), LinkItem(kEmptyLink, "", SS_LEFT, 30),
                    LinkItem(kCentredLink, "mid", SS_CENTER, 50)};
    RegisterDialogTemplate(dialog);
}

class LinkDialog : public CDialog {
public:
    LinkDialog() : CDialog(kLinkTemplate) {}
    void DoDataExchange(CDataExchange* dx) override {
        CDialog::DoDataExchange(dx);
        DDX_Control(dx, kLink, link);
        DDX_Control(dx, kEmptyLink, emptyLink);
        DDX_Control(dx, kCentredLink, centredLink);
    }
    CHyperLink link;
    CHyperLink emptyLink;
    CHyperLink centredLink;
};

class HyperLinkDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterLinkTemplate(); }

    void SetUp() override {
        previousPresenter = SetMessageBoxPresenter([this](HWND, const std::string& text, const std::string&, UINT) {
            boxes.push_back(text);
            return IDOK;
        });
    }
    void TearDown() override { SetMessageBoxPresenter(previousPresenter); }

    // Size of `text` in the link's own font.
    CSize TextSize(CHyperLink& link, const std::string& text) {
        CClientDC dc(&link);
        const auto font = reinterpret_cast<HFONT>(link.SendMessage(WM_GETFONT));
        dc.SelectObject(static_cast<HGDIOBJ>(font));
        return dc.GetTextExtent(text);
    }

    FakeShellServices shell;
    ScopedShellServices swap{shell};
    MessageBoxPresenter previousPresenter;
    std::vector<std::string> boxes;
    LinkDialog dialog;
};

TEST_F(HyperLinkDialogTest, SubclassingTakesTargetUnderlinesAndFitsToText) {
    RunInModalLoop(dialog, [&] {
        EXPECT_EQ(dialog.link.GetTarget(), kTarget);
        EXPECT_NE(dialog.link.GetStyle() & SS_NOTIFY, 0u);
        const auto font = reinterpret_cast<HFONT>(dialog.link.SendMessage(WM_GETFONT));
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->LogFont().lfUnderline, 1);

        CRect client;
        dialog.link.GetClientRect(&client);
        const CSize text = TextSize(dialog.link, kTarget);
        EXPECT_EQ(client.Width(), text.cx);
        EXPECT_EQ(client.Height(), text.cy);
        EXPECT_EQ(dialog.link.GetSafeHwnd()->toolTip().toStdString(), kTarget);
    });
}

TEST_F(HyperLinkDialogTest, ShowingTheDialogAgainSetsTheLinkUpAgain) {
    RunInModalLoop(dialog, [&] { MovePointer(ScreenCentre(dialog.link)); });
    RunInModalLoop(dialog, [&] {
        EXPECT_FALSE(dialog.link.IsOverLink());
        const auto font = reinterpret_cast<HFONT>(dialog.link.SendMessage(WM_GETFONT));
        ASSERT_NE(font, nullptr);
        EXPECT_EQ(font->LogFont().lfUnderline, 1);
        EXPECT_EQ(dialog.link.GetSafeHwnd()->toolTip().toStdString(), kTarget);
    });
}

TEST_F(HyperLinkDialogTest, EmptyTextAndTargetStayEmptyAndFitToZeroWidth) {
    RunInModalLoop(dialog, [&] {
        std::string text = "x";
        dialog.emptyLink.GetWindowText(text);
        EXPECT_TRUE(text.empty());
        EXPECT_TRUE(dialog.emptyLink.GetTarget().empty());
        CRect client;
        dialog.emptyLink.GetClientRect(&client);
        EXPECT_EQ(client.Width(), 0);
    });
}

TEST_F(HyperLinkDialogTest, CentredLinkShrinksTowardsItsMiddle) {
    RunInModalLoop(dialog, [&] {
        CRect window;
        dialog.centredLink.GetWindowRect(&window);
        dialog.ScreenToClient(&window);
        const int templateLeft = 15;    // 10 dialog units
        const int templateWidth = 225;  // 150 dialog units
        const int textWidth = TextSize(dialog.centredLink, "mid").cx;
        EXPECT_EQ(window.left, templateLeft + (templateWidth - textWidth) / 2);
        EXPECT_NEAR(window.Width(), textWidth, 1);
    });
}

TEST_F(HyperLinkDialogTest, TargetSetBeforeSubclassingFillsAnEmptyText) {
    dialog.emptyLink.SetTarget("quinsum-help.html");
    RunInModalLoop(dialog, [&] {
        std::string text;
        dialog.emptyLink.GetWindowText(text);
        EXPECT_EQ(text, "quinsum-help.html");
    });
}

TEST_F(HyperLinkDialogTest, PointerOverTheLinkCapturesAndLeavingReleases) {
    RunInModalLoop(dialog, [&] {
        MovePointer(ScreenCentre(dialog.link));
        EXPECT_TRUE(dialog.link.IsOverLink());
        EXPECT_EQ(CWnd::GetCapture(), &dialog.link);
        EXPECT_EQ(dialog.link.SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(dialog.link.GetSafeHwnd()),
                                          MAKELPARAM(HTCLIENT, static_cast<int>(WM_MOUSEMOVE))),
                  TRUE);
        MovePointer(ScreenPoint(dialog, 290, 110));
        EXPECT_FALSE(dialog.link.IsOverLink());
        EXPECT_NE(CWnd::GetCapture(), &dialog.link);
    });
}

TEST_F(HyperLinkDialogTest, SuccessfulClickMarksTheLinkVisited) {
    RunInModalLoop(dialog, [&] {
        ClickAt(dialog.link);
        EXPECT_EQ(shell.opened, (std::vector<std::string>{kTarget}));
        EXPECT_TRUE(dialog.link.IsVisited());
        EXPECT_TRUE(boxes.empty());
        EXPECT_TRUE(shell.beeps.empty());
    });
}

TEST_F(HyperLinkDialogTest, FailedClickBeepsReportsAndClearsVisited) {
    RunInModalLoop(dialog, [&] {
        dialog.link.MarkVisited(true);
        shell.openResult = SE_ERR_SHARE;
        ClickAt(dialog.link);
        EXPECT_FALSE(dialog.link.IsVisited());
        EXPECT_EQ(shell.beeps, (std::vector<UINT>{MB_ICONEXCLAMATION}));
        EXPECT_EQ(boxes, (std::vector<std::string>{"Unable to open hyperlink:\n\nA sharing violation occurred. "}));
    });
}

}  // namespace
