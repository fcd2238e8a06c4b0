// SPDX-License-Identifier: MIT
// Edit boxes and the numbers read from them.

#include <gtest/gtest.h>
#include <QLineEdit>

#include <QTest>
#include <QWidget>

#include "platform/dialog/DlgItemInt.h"
#include "resources/GameDialogTemplates.h"
#include "resources/ResourceIds.h"
#include "tests/platform/WindowTestSupport.h"

namespace {

int Parse(const std::string& text, bool* ok, bool isSigned = true) {
    return static_cast<int>(ParseDlgItemInt(text, isSigned, ok));
}

// Where the start of the text is drawn once the box has painted with its caret where it stands.
int TextStartAfterPaint(QLineEdit* edit) {
    edit->grab();
    const int caret = edit->cursorPosition();
    edit->setCursorPosition(0);
    const int start = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
    edit->setCursorPosition(caret);
    return start;
}

}  // namespace

TEST(DlgItemInt, SignedNumbers) {
    bool ok = false;
    EXPECT_EQ(Parse("42", &ok), 42);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Parse("   -17", &ok), -17);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Parse("12abc", &ok), 12);
    EXPECT_TRUE(ok);
    EXPECT_EQ(Parse("-2147483648", &ok), -2147483647 - 1);
    EXPECT_TRUE(ok);
}

TEST(DlgItemInt, TextWithoutALeadingNumberIsZeroAndFails) {
    for (const std::string text :
         {"", "   ", "abc", "-", "--5", "- 5", "+5", "x12", "\u0663", "2147483648", "99999999999999999999"}) {
        bool ok = true;
        EXPECT_EQ(Parse(text, &ok), 0) << text;
        EXPECT_FALSE(ok) << text;
    }
}

TEST(DlgItemInt, UnsignedRefusesTheMinusSign) {
    bool ok = true;
    EXPECT_EQ(Parse("-5", &ok, false), 0);
    EXPECT_FALSE(ok);
    EXPECT_EQ(static_cast<UINT>(Parse("4294967295", &ok, false)), 4294967295u);
    EXPECT_TRUE(ok);
}

TEST(DlgItemInt, ReadsTheControlText) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        dialog.SetDlgItemText(kEditWide, " -25");
        BOOL ok = FALSE;
        EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(kEditWide, &ok, TRUE)), -25);
        EXPECT_TRUE(ok);
        dialog.SetDlgItemText(kEditWide, "");
        EXPECT_EQ(dialog.GetDlgItemInt(kEditWide, &ok, TRUE), 0u);
        EXPECT_FALSE(ok);
        EXPECT_EQ(dialog.GetDlgItemInt(9999, &ok, TRUE), 0u);
        EXPECT_FALSE(ok);
        dialog.EndDialog(IDOK);
    });
}

TEST(EditBoxes, TextCannotGrowPastTheBoxWithoutAutoScroll) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        const std::string longText(40, 'W');
        QTest::keyClicks(dialog.GetDlgItem(kEditNarrow)->m_hWnd, QString::fromStdString(longText));
        QTest::keyClicks(dialog.GetDlgItem(kEditWide)->m_hWnd, QString::fromStdString(longText));
        std::string narrow;
        std::string wide;
        dialog.GetDlgItemText(kEditNarrow, narrow);
        dialog.GetDlgItemText(kEditWide, wide);
        EXPECT_GT(narrow.size(), 0u);
        EXPECT_LT(narrow.size(), longText.size());
        EXPECT_EQ(wide, longText);
        // A refused character does not stop a narrower one from fitting in.
        QTest::keyClicks(dialog.GetDlgItem(kEditNarrow)->m_hWnd, "W");
        std::string after;
        dialog.GetDlgItemText(kEditNarrow, after);
        EXPECT_EQ(after, narrow);
        dialog.EndDialog(IDOK);
    });
}

// Pasted text loses its control characters, and characters that take no room still count
// towards the box's width.
TEST(EditBoxes, PastedControlAndInvisibleCharactersAreKeptInCheck) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        auto* narrow = static_cast<QLineEdit*>(dialog.GetDlgItem(kEditNarrow)->m_hWnd);
        narrow->insert(QStringLiteral("Al") + QChar(0) +
                       QStringLiteral("i\x1b"
                                      "ce\n"));
        EXPECT_EQ(narrow->text(), "Alice");
        narrow->clear();
        narrow->insert(QStringLiteral("A") + QString(300, QChar(0x0301)));
        narrow->insert(QString(300, QChar(0x200B)));
        EXPECT_LT(narrow->text().size(), 40);
        dialog.EndDialog(IDOK);
    });
}

// A box without horizontal scrolling never scrolls: a full box and a name set from outside show
// their first letter where a single letter would stand.
TEST(EditBoxes, BoxesShowTheStartOfTheirText) {
    RecordingDialog settings(IDD_SETTINGS);
    RunModal(settings, [](CDialog& dialog) {
        auto* box = static_cast<QLineEdit*>(dialog.GetDlgItem(IDC_SECOND_NAME)->m_hWnd);
        dialog.SetDlgItemText(IDC_SECOND_NAME, "A");
        const int start = TextStartAfterPaint(box);
        dialog.SetDlgItemText(IDC_SECOND_NAME, "Computer 1");
        EXPECT_EQ(TextStartAfterPaint(box), start);
        dialog.SetDlgItemText(IDC_SECOND_NAME, "");
        QTest::keyClicks(box, QString(40, 'W'));
        EXPECT_EQ(TextStartAfterPaint(box), start);
        dialog.SetDlgItemText(IDC_SECOND_NAME, std::string(40, 'W'));
        EXPECT_EQ(TextStartAfterPaint(box), start);
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(EditBoxes, SettingsNameBoxesHoldTheDefaultNames) {
    RecordingDialog settings(IDD_SETTINGS);
    RunModal(settings, [](CDialog& dialog) {
        QTest::keyClicks(dialog.GetDlgItem(IDC_FIRST_NAME)->m_hWnd, "X-Player");
        QTest::keyClicks(dialog.GetDlgItem(IDC_SECOND_NAME)->m_hWnd, "O-Player");
        std::string first;
        std::string second;
        dialog.GetDlgItemText(IDC_FIRST_NAME, first);
        dialog.GetDlgItemText(IDC_SECOND_NAME, second);
        EXPECT_EQ(first, "X-Player");
        EXPECT_EQ(second, "O-Player");
        dialog.EndDialog(IDCANCEL);
    });
}

TEST(EditBoxes, AnswerBoxTakesASignedAnswer) {
    RecordingDialog answer(IDD_ANSWER);
    RunModal(answer, [](CDialog& dialog) {
        QTest::keyClicks(dialog.GetDlgItem(IDC_ANSWER_BOX)->m_hWnd, "-75");
        EXPECT_EQ(static_cast<int>(dialog.GetDlgItemInt(IDC_ANSWER_BOX)), -75);
        dialog.EndDialog(IDOK);
    });
}
