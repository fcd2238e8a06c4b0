// SPDX-License-Identifier: MIT
// Dialogs built from templates: geometry in pixels, frames, tab order and groups, what Enter,
// Escape and the close box do, placement over the owner (as a window of its own, or inside the
// owner where the window system places windows itself), edit boxes that never scroll.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "platform/dialog/DialogUnits.h"
#include "platform/dialog/TemplateControls.h"
#include "platform/shell/CWinApp.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"
#include "tests/support/Input.h"
#include "tests/support/ModalRun.h"

namespace {

constexpr unsigned kTestTemplate = 9100;
constexpr unsigned kOwnerTemplate = 9101;
constexpr int kName = 10;
constexpr int kRadioA = 11;
constexpr int kRadioB = 12;
constexpr int kRadioC = 13;
constexpr int kPush = 14;
constexpr int kHidden = 15;
constexpr int kCell = 16;

DialogItemTemplate Item(int id, ControlClass kind, const std::string& text, int x, int y, int cx, int cy,
                        TemplateStyle style) {
    return {id, kind, text, x, y, cx, cy, style, 0, 0};
}

constexpr TemplateStyle kChild = WS_CHILD | WS_VISIBLE;

void RegisterTestTemplates() {
    DialogTemplate test;
    test.id = kTestTemplate;
    test.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
    test.x = 10;
    test.y = 5;
    test.cx = 200;
    test.cy = 150;
    test.caption = "Test";
    test.fontFace = "MS Sans Serif";
    test.items = {
        Item(kName, ControlClass::Edit, "", 4, 4, 36, 14, kChild | WS_BORDER | WS_TABSTOP | WS_GROUP),
        Item(kRadioA, ControlClass::Button, "A", 4, 24, 30, 12, kChild | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP),
        Item(kRadioB, ControlClass::Button, "B", 40, 24, 30, 12, kChild | BS_AUTORADIOBUTTON),
        Item(kRadioC, ControlClass::Button, "C", 76, 24, 30, 12, kChild | BS_AUTORADIOBUTTON),
        Item(kPush, ControlClass::Button, "Push", 60, 40, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON | WS_GROUP),
        Item(kHidden, ControlClass::Static, "Hidden", 136, 60, 60, 10, WS_CHILD),
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
    owner.items = {Item(kCell, ControlClass::Button, "Cell", 4, 4, 38, 38, kChild | WS_TABSTOP | BS_PUSHBUTTON)};
    RegisterDialogTemplate(owner);
}

// A radio button that leaves the arrow keys to its dialog, as the game's own buttons do.
class GroupButton : public QPushButton {
public:
    explicit GroupButton(QWidget* parent) : QPushButton(parent) { setCheckable(true); }

protected:
    void nextCheckState() override { setChecked(true); }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right || event->key() == Qt::Key_Up ||
            event->key() == Qt::Key_Down) {
            event->ignore();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

// Records the commands it gets.
class RecordingDialog : public CDialog {
public:
    explicit RecordingDialog(unsigned templateId = kTestTemplate) : CDialog(templateId) {
        static const bool registered = (RegisterTestTemplates(), true);
        (void)registered;
    }
    void OnCommand(int id) override {
        commands.push_back(id);
        CDialog::OnCommand(id);
    }
    bool OnInitDialog() override {
        if (endDuringSetUp) {
            EndDialog(5);
        }
        return true;
    }
    std::vector<int> commands;
    bool endDuringSetUp = false;
    std::array<QPointer<GroupButton>, 3> radios;

protected:
    void DoDataExchange() override {
        DDX_Control(kRadioA, radios[0]);
        DDX_Control(kRadioB, radios[1]);
        DDX_Control(kRadioC, radios[2]);
    }
};

class OwnedDialogTest : public testing::Test {
protected:
    ~OwnedDialogTest() override {
        CDialog::EmbedInOwner(false);
        application.m_pMainWnd = nullptr;
    }
    // Runs `body` with the owner window running and made the main window.
    void WithOwner(const std::function<void(CDialog&)>& body) {
        application.m_pMainWnd = &owner;
        RunModal(owner, [&body](CDialog& main) {
            body(main);
            main.EndDialog(IDOK);
        });
    }
    CWinApp application;
    RecordingDialog owner{kOwnerTemplate};
};

}  // namespace

TEST(DialogUnits, FixedBaseUnitsPerFontSize) {
    EXPECT_EQ(DialogBaseUnits(8), QSize(6, 13));
    EXPECT_EQ(DialogBaseUnits(10), QSize(8, 16));
    EXPECT_EQ(DialogBaseUnits(14), QSize(11, 24));
    EXPECT_EQ(DialogBaseUnits(12), QSize(8, 16));  // nearest listed size below
    EXPECT_EQ(DialogRectToPixels(4, 4, 38, 38, 10), QRect(8, 8, 76, 76));
    EXPECT_EQ(DialogUnitsToPixelsX(1, 8), 2);  // 1.5 rounds away from zero
    EXPECT_EQ(DialogUnitsToPixelsY(3, 8), 5);  // 4.875
}

// The board: 638 x 480 with 76-pixel cells; frames stay hidden, a picture takes its own size.
TEST(DialogBuild, TemplatesGiveTheirPixelGeometryFramesAndFocus) {
    RecordingDialog board(IDD_BOARD);
    RunModal(board, [](CDialog& dialog) {
        EXPECT_EQ(dialog.size(), QSize(638, 480));
        EXPECT_EQ(dialog.GetDlgItem(IDC_FIRST_CELL)->geometry(), QRect(8, 8, 76, 76));
        EXPECT_EQ(dialog.GetDlgItem(IDC_LAST_CELL)->geometry(), QRect(312, 312, 76, 76));
        EXPECT_FALSE(dialog.GetDlgItem(IDC_PLAYER1_LIST)->isVisible());
        EXPECT_EQ(dialog.GetDlgItem(-1)->geometry(), QRect(16, 418, 53, 53));
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        EXPECT_FALSE(dialog.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        dialog.EndDialog(IDOK);
    });
    RecordingDialog answer(IDD_ANSWER);
    RunModal(answer, [](CDialog& dialog) {
        EXPECT_EQ(dialog.size(), QSize(396, 132));
        EXPECT_TRUE(dialog.GetDlgItem(IDC_ANSWER_BOX)->hasFocus());
        dialog.EndDialog(IDCANCEL);
    });
    RecordingDialog menu(IDD_MENU);
    RunModal(menu, [](CDialog& dialog) {
        EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
        dialog.EndDialog(IDCANCEL);
    });
    RecordingDialog settings(IDD_SETTINGS);
    RunModal(settings, [](CDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QString("Settings for this Game..."));
        // The template's font keeps the labels inside their boxes.
        for (const int id : {IDC_FIRST_NAME_LABEL, IDC_OPPONENT_LABEL, IDC_SECOND_NAME_LABEL, IDC_RANGE_LABEL}) {
            QWidget* label = dialog.GetDlgItem(id);
            EXPECT_LE(label->fontMetrics().horizontalAdvance(QString::fromStdString(dialog.GetDlgItemText(id))),
                      label->width())
                << id;
        }
        dialog.EndDialog(IDCANCEL);
    });
}

// Controls are built afresh at every showing; an unknown template gives -1; a dialog ended while
// it sets itself up never runs its loop.
TEST(DialogBuild, EachShowingBuildsTheControlsAgain) {
    RecordingDialog test;
    QPointer<QWidget> first;
    RunModal(test, [&first](CDialog& dialog) {
        first = dialog.GetDlgItem(kPush);
        EXPECT_FALSE(dialog.GetDlgItem(kHidden)->isVisible());
        dialog.EndDialog(IDOK);
    });
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(test.GetDlgItem(kPush), nullptr);
    RunModal(test, [](CDialog& dialog) { dialog.EndDialog(7); });

    test.endDuringSetUp = true;
    bool hookRan = false;
    EXPECT_EQ(RunModal(test, [&hookRan](CDialog&) { hookRan = true; }), 5);
    EXPECT_FALSE(hookRan);
    EXPECT_EQ(RecordingDialog(4242).DoModal(), -1);
}

TEST(DialogKeys, EnterEscapeAndTheCloseBox) {
    RecordingDialog test;
    EXPECT_EQ(RunModal(test, [](CDialog& dialog) { PressKey(dialog, Qt::Key_Return); }), IDOK);
    EXPECT_EQ(RunModal(test, [](CDialog& dialog) { PressKey(dialog, Qt::Key_Escape); }), IDCANCEL);
    EXPECT_EQ(RunModal(test,
                       [](CDialog& dialog) {
                           dialog.close();
                           ProcessPostedMessages();
                       }),
              IDCANCEL);
    EXPECT_EQ(test.commands, (std::vector<int>{IDOK, IDCANCEL, IDCANCEL}));

    // Enter on a focused push button is that button's; a disabled default button takes none.
    test.commands.clear();
    RunModal(test, [](CDialog& dialog) {
        dialog.GetDlgItem(kPush)->setFocus();
        PressKey(dialog, Qt::Key_Return);
        dialog.GetDlgItem(kName)->setFocus();
        dialog.GetDlgItem(IDOK)->setEnabled(false);
        PressKey(dialog, Qt::Key_Return);
        dialog.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(test.commands, (std::vector<int>{kPush}));
}

// The arrow keys move within a group and check the radio button they land on; Tab goes from
// group to group in template order and lands on a group's checked radio button.
TEST(DialogKeys, ArrowsMoveWithinAGroupAndTabLandsOnTheCheckedRadio) {
    RecordingDialog test;
    RunModal(test, [&test](CDialog& dialog) {
        QAbstractButton* c = test.radios[2];
        c->setChecked(true);
        EXPECT_TRUE(dialog.GetDlgItem(kName)->hasFocus());
        PressKey(dialog, Qt::Key_Tab);
        EXPECT_TRUE(c->hasFocus());
        PressKey(dialog, Qt::Key_Right);  // wraps round to the group's first, and checks it
        EXPECT_TRUE(test.radios[0]->hasFocus());
        EXPECT_TRUE(test.radios[0]->isChecked());
        test.radios[0]->setChecked(false);
        PressKey(dialog, Qt::Key_Up);
        EXPECT_TRUE(c->hasFocus());
        PressKey(dialog, Qt::Key_Tab);
        EXPECT_TRUE(dialog.GetDlgItem(kPush)->hasFocus());
        PressKey(dialog, Qt::Key_Backtab);
        EXPECT_TRUE(c->hasFocus());
        EXPECT_EQ(test.commands, (std::vector<int>{kRadioA, kRadioC}));
        dialog.EndDialog(IDOK);
    });
}

TEST(DialogText, NumbersAreReadAsTheDesignedPlatformReadsThem) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        const auto read = [&dialog](const char* text) {
            dialog.SetDlgItemText(kName, text);
            return dialog.GetDlgItemInt(kName);
        };
        EXPECT_EQ(read("42"), 42);
        EXPECT_EQ(read("  -17"), -17);
        EXPECT_EQ(read("12ab"), 12);
        EXPECT_EQ(read("ab12"), 0);
        EXPECT_EQ(read(""), 0);
        EXPECT_EQ(read("-"), 0);
        EXPECT_EQ(read("99999999999"), 2147483647);
        dialog.EndDialog(IDOK);
    });
}

// An edit box takes only what fits its width and drops control characters; a pattern narrows
// what it takes further.
TEST(DialogText, EditBoxesNeverScroll) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        auto* box = static_cast<TemplateEdit*>(dialog.GetDlgItem(kName));
        QTest::keyClicks(box, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
        EXPECT_FALSE(box->text().isEmpty());
        EXPECT_LT(box->text().size(), 26);
        EXPECT_TRUE(box->TextFits(box->text()));
        box->clear();
        box->insert(
            QStringLiteral("a\tb\x1b"
                           "c\nd"));
        EXPECT_EQ(box->text(), QStringLiteral("abcd"));
        box->clear();
        box->SetPattern(QStringLiteral("-?[0-9]*"));
        QTest::keyClicks(box, QStringLiteral("-1x2-"));
        EXPECT_EQ(box->text(), QStringLiteral("-12"));
        dialog.EndDialog(IDOK);
    });
}

// A dialog opens at its template's place in the owner's client area; the owner takes no clicks
// while it runs; its frame is counted from the start.
TEST_F(OwnedDialogTest, ADialogOpensAtItsPlaceOverItsOwner) {
    WithOwner([](CDialog& main) {
        RecordingDialog test;
        RunModal(test, [&main](CDialog& dialog) {
            EXPECT_EQ(dialog.pos(), main.mapToGlobal(QPoint(15, 8)));  // (10, 5) dialog units at 8 points
            EXPECT_TRUE(dialog.isWindow());
            EXPECT_EQ(dialog.WindowRect().size(), dialog.frameGeometry().size());
            QWidget* cell = main.GetDlgItem(kCell);
            ClickAt(cell, cell->rect().center());
            dialog.EndDialog(IDOK);
        });
        EXPECT_EQ(static_cast<RecordingDialog&>(main).commands, std::vector<int>{});
    });
}

// Where windows are placed by the system, the dialog is a child of its owner at the same place;
// the owner's controls take no clicks and Tab stays within the dialog.
TEST_F(OwnedDialogTest, InsideItsOwnerADialogKeepsItsPlaceAndItsModality) {
    CDialog::EmbedInOwner(true);
    WithOwner([](CDialog& main) {
        RecordingDialog test;
        RunModal(test, [&main](CDialog& dialog) {
            EXPECT_FALSE(dialog.isWindow());
            EXPECT_EQ(dialog.parentWidget(), &main);
            EXPECT_EQ(dialog.mapToGlobal(QPoint(0, 0)), main.mapToGlobal(QPoint(15, 8)));
            QWidget* cell = main.GetDlgItem(kCell);
            ClickAt(cell, cell->rect().center());
            for (int press = 0; press < 6; ++press) {
                PressKey(dialog, Qt::Key_Tab);
                EXPECT_EQ(dialog.focusWidget()->parentWidget(), &dialog);
            }
            dialog.EndDialog(IDOK);
        });
        EXPECT_EQ(static_cast<RecordingDialog&>(main).commands, std::vector<int>{});
    });
}

// Timers and queued calls keep running under a modal dialog.
TEST_F(OwnedDialogTest, TimersTickUnderAModalDialog) {
    WithOwner([](CDialog&) {
        int ticks = 0;
        QTimer timer;
        QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
        timer.start(5);
        RecordingDialog test;
        RunModal(test, [&ticks](CDialog& dialog) {
            for (int wait = 0; wait < 200 && ticks < 3; ++wait) {
                QTest::qWait(10);
            }
            dialog.EndDialog(IDOK);
        });
        EXPECT_GE(ticks, 3);
    });
}
