// SPDX-License-Identifier: MIT
// Static text painted with the reflected colour request: the control's own colours, the
// dialog's default colours, and a hollow brush that lets the parent's background show.

#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
#include <cstdlib>

#include "platform/dialog/CStatic.h"
#include "platform/draw/CBrush.h"
#include "platform/draw/CDC.h"
#include "platform/draw/HandleObjects.h"
#include "platform/draw/SystemColors.h"
#include "tests/platform/WindowTestSupport.h"

namespace {

constexpr COLORREF kRed = RGB(200, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

class ColouredLabel : public CStatic {
public:
    HBRUSH CtlColor(CDC* dc, UINT) override {
        ++requests;
        dc->SetTextColor(kWhite);
        dc->SetBkColor(kRed);
        return hollow ? static_cast<HBRUSH>(GetStockObject(NULL_BRUSH)) : static_cast<HBRUSH>(brush);
    }
    CBrush brush{kRed};
    bool hollow = false;
    int requests = 0;
};

COLORREF PixelOf(const QImage& image, int x, int y) {
    const QRgb pixel = image.pixel(x, y);
    return RGB(qRed(pixel), qGreen(pixel), qBlue(pixel));
}

// Text is smoothed, so its strokes come close to the colour rather than on it.
bool HasPixelNear(const QImage& image, COLORREF colour) {
    constexpr int kTolerance = 90;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const COLORREF pixel = PixelOf(image, x, y);
            if (std::abs(GetRValue(pixel) - GetRValue(colour)) < kTolerance &&
                std::abs(GetGValue(pixel) - GetGValue(colour)) < kTolerance &&
                std::abs(GetBValue(pixel) - GetBValue(colour)) < kTolerance) {
                return true;
            }
        }
    }
    return false;
}

// What the window shows where the widget is.
QImage Snapshot(QWidget* widget) {
    QWidget* window = widget->window();
    const QPoint origin = widget->mapTo(window, QPoint(0, 0));
    const QPixmap shot =
        window->screen()->grabWindow(window->winId(), origin.x(), origin.y(), widget->width(), widget->height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

TEST(Statics, ReflectedColourRequestPaintsTheLabel) {
    RecordingDialog test;
    ColouredLabel label;
    RunModal(test, [&label](CDialog& dialog) {
        ASSERT_TRUE(label.SubclassDlgItem(kPlainStatic, &dialog));
        label.RedrawWindow();
        const QImage image = Snapshot(label.m_hWnd);
        EXPECT_GE(label.requests, 1);
        EXPECT_EQ(PixelOf(image, 0, 0), kRed);
        EXPECT_EQ(PixelOf(image, image.width() - 1, image.height() - 1), kRed);
        EXPECT_TRUE(HasPixelNear(image, kWhite));  // the text
        dialog.EndDialog(IDOK);
    });
}

TEST(Statics, WithoutAnAnswerTheDialogColoursApply) {
    RecordingDialog test;
    RunModal(test, [](CDialog& dialog) {
        const QImage image = Snapshot(dialog.GetDlgItem(kPlainStatic)->m_hWnd);
        EXPECT_EQ(PixelOf(image, 0, 0), GetSysColor(COLOR_BTNFACE));
        EXPECT_TRUE(HasPixelNear(image, RGB(0, 0, 0)));
        dialog.EndDialog(IDOK);
    });
    EXPECT_GE(test.Count(WM_CTLCOLORSTATIC), 1);
}

TEST(Statics, HollowBrushShowsTheParentsBackground) {
    RecordingDialog test;
    ColouredLabel label;
    label.hollow = true;
    test.handler = [](UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
        if (message == WM_ERASEBKGND) {
            auto* dc = reinterpret_cast<CDC*>(wParam);
            dc->FillSolidRect(CRect(0, 0, 1000, 1000), kGreen);
            result = TRUE;
            return true;
        }
        return false;
    };
    RunModal(test, [&label](CDialog& dialog) {
        ASSERT_TRUE(label.SubclassDlgItem(kPlainStatic, &dialog));
        label.RedrawWindow();
        label.RedrawWindow();
        const QImage image = Snapshot(label.m_hWnd);
        EXPECT_EQ(PixelOf(image, 0, 0), kGreen);
        dialog.EndDialog(IDOK);
    });
}

TEST(Painting, EraseOnlyWhereAsked) {
    RecordingDialog test;
    RunModal(test, [&test](CDialog& dialog) {
        ProcessPostedMessages();
        const int erases = test.Count(WM_ERASEBKGND);
        const int paints = test.Count(WM_PAINT);
        dialog.Invalidate(FALSE);
        dialog.UpdateWindow();
        EXPECT_EQ(test.Count(WM_PAINT), paints + 1);
        EXPECT_EQ(test.Count(WM_ERASEBKGND), erases);
        dialog.Invalidate(TRUE);
        dialog.UpdateWindow();
        EXPECT_EQ(test.Count(WM_PAINT), paints + 2);
        EXPECT_EQ(test.Count(WM_ERASEBKGND), erases + 1);
        const CRect corner(0, 0, 10, 10);
        dialog.RedrawWindow(&corner, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(test.Count(WM_PAINT), paints + 3);
        EXPECT_EQ(test.Count(WM_ERASEBKGND), erases + 2);
        dialog.UpdateWindow();  // nothing pending: nothing painted
        EXPECT_EQ(test.Count(WM_PAINT), paints + 3);
        dialog.EndDialog(IDOK);
    });
}
