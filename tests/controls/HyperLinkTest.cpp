// SPDX-License-Identifier: MIT
// The link label in a dialog: its target, text, font and size, its colours by state, and what a
// click does when the desktop opens the target and when it cannot.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QPointer>
#include <string>
#include <vector>

#include "controls/CHyperLink.h"
#include "controls/SystemColors.h"
#include "platform/dialog/CDialog.h"
#include "controls/MessageBox.h"
#include "tests/controls/OnScreen.h"
#include "tests/support/FakeShellServices.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

namespace {

const std::string kTarget = "http://example.org/quinsum";
const std::string kUnableToOpen = "Unable to open hyperlink:\n\n";
constexpr QRgb kLinkColour = qRgb(0, 0, 238);
constexpr QRgb kVisitedColour = qRgb(85, 26, 139);

// Every box shown while it lives, by its text.
class RecordedMessageBoxes {
public:
    RecordedMessageBoxes()
        : previous_(SetMessageBoxPresenter(
              [this](QWidget*, const std::string& text, const std::string&) { texts.push_back(text); })) {}
    ~RecordedMessageBoxes() { SetMessageBoxPresenter(previous_); }
    RecordedMessageBoxes(const RecordedMessageBoxes&) = delete;
    RecordedMessageBoxes& operator=(const RecordedMessageBoxes&) = delete;

    std::vector<std::string> texts;

private:
    MessageBoxPresenter previous_;
};

TEST(HyperLinkErrorTest, WarningNamesTheCause) {
    // Codes with a sentence of their own (one ending in a blank, one over two lines), and one without.
    const std::vector<std::pair<int, std::string>> cases{
        {26, "A sharing violation occurred. "},
        {31, "There is no application associated\nwith the given filename extension."},
        {4, "Unknown Error (4) occurred."},
    };
    for (const auto& [code, message] : cases) {
        RecordedMessageBoxes boxes;
        CHyperLink link;
        link.ReportOpenError(code);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{kUnableToOpen + message}) << code;
    }
}

constexpr unsigned kLinkTemplate = 9110;
constexpr int kLink = 1201;
constexpr int kEmptyLink = 1202;
constexpr int kCentredLink = 1203;

DialogItemTemplate LinkItem(int id, const std::string& text, TemplateStyle style, int y) {
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
    QPointer<CHyperLink> link;
    QPointer<CHyperLink> emptyLink;
    QPointer<CHyperLink> centredLink;

protected:
    void DoDataExchange() override {
        DDX_Control(kLink, link);
        DDX_Control(kEmptyLink, emptyLink);
        DDX_Control(kCentredLink, centredLink);
    }
};

class HyperLinkDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterLinkTemplate(); }

    CHyperLink& Link() { return *dialog.link; }
    void ClickLink() { ClickAt(&Link(), Link().rect().center()); }
    // How many pixels of the link, painted now, have `colour` (its underline has it throughout).
    int Shows(QRgb colour) { return CountOf(Link().grab().toImage().convertToFormat(QImage::Format_RGB32), colour); }

    // A point of the dialog's own surface, away from every link.
    const QPoint surface{290, 110};
    FakeShellServices shell;
    ScopedShellServices swap{shell};
    RecordedMessageBoxes boxes;
    LinkDialog dialog;
};

TEST_F(HyperLinkDialogTest, TakesItsTargetFromItsTextUnderlinesItAndFitsIt) {
    RunInModalLoop(dialog, [&] {
        EXPECT_EQ(Link().GetTarget(), kTarget);
        EXPECT_TRUE(Link().font().underline());
        const QFontMetrics metrics(Link().font());
        EXPECT_EQ(Link().size(), QSize(metrics.horizontalAdvance(QString::fromStdString(kTarget)), metrics.height()));
        EXPECT_EQ(Link().toolTip().toStdString(), kTarget);
        EXPECT_EQ(Link().cursor().shape(), Qt::PointingHandCursor);

        // Without a text or a target the link stays empty, fitted to no width.
        EXPECT_TRUE(dialog.emptyLink->text().isEmpty());
        EXPECT_TRUE(dialog.emptyLink->GetTarget().empty());
        EXPECT_EQ(dialog.emptyLink->width(), 0);

        // A centred link shrinks towards its middle: 10 and 150 dialog units are 15 and 225 pixels.
        const int textWidth = QFontMetrics(dialog.centredLink->font()).horizontalAdvance(QStringLiteral("mid"));
        EXPECT_EQ(dialog.centredLink->x(), 15 + (225 - textWidth) / 2);
        EXPECT_NEAR(dialog.centredLink->width(), textWidth, 1);
    });
}

TEST_F(HyperLinkDialogTest, ColourFollowsVisitedAndThePointer) {
    RunInModalLoop(dialog, [&] {
        EXPECT_GT(Shows(kLinkColour), 10);
        Link().MarkVisited(true);
        EXPECT_GT(Shows(kVisitedColour), 10);
        EXPECT_EQ(Shows(kLinkColour), 0);

        // An invalid hover colour means the highlight colour.
        Link().SetLinkColors(QColor(1, 1, 1), QColor(2, 2, 2), QColor());
        EXPECT_GT(Shows(qRgb(2, 2, 2)), 10);
        Link().MarkVisited(false);
        EXPECT_GT(Shows(qRgb(1, 1, 1)), 10);

        // The pointer comes over the link from the dialog's surface.
        MoveTo(&dialog, surface);
        MoveTo(&Link(), Link().rect().center());
        EXPECT_TRUE(Link().IsOverLink());
        EXPECT_GT(Shows(kHighlight.rgb()), 10);
        // Leaving shows the link colour again.
        MoveTo(&dialog, surface);
        EXPECT_FALSE(Link().IsOverLink());
        EXPECT_GT(Shows(qRgb(1, 1, 1)), 10);
    });
}

TEST_F(HyperLinkDialogTest, ClickThatOpensTheTargetMarksTheLinkVisited) {
    RunInModalLoop(dialog, [&] {
        ClickLink();
        EXPECT_EQ(shell.opened, std::vector<std::string>{kTarget});
        EXPECT_TRUE(Link().IsVisited());
        EXPECT_GT(Shows(kVisitedColour), 10);
        EXPECT_TRUE(boxes.texts.empty());
        EXPECT_EQ(shell.beeps, 0);
    });
}

TEST_F(HyperLinkDialogTest, ClickThatFailsBeepsSaysWhyAndClearsVisited) {
    RunInModalLoop(dialog, [&] {
        Link().MarkVisited(true);
        shell.openResult = 26;
        ClickLink();
        EXPECT_FALSE(Link().IsVisited());
        EXPECT_EQ(shell.beeps, 1);
        EXPECT_EQ(boxes.texts, std::vector<std::string>{kUnableToOpen + "A sharing violation occurred. "});
        EXPECT_TRUE(dialog.IsRunning());
    });
}

}  // namespace
