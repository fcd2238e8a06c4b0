// SPDX-License-Identifier: MIT
#include "platform/dialog/DialogBuilder.h"

#include <QFontMetricsF>
#include <cmath>
#include <map>
#include <string>
#include <utility>

#include "platform/dialog/ButtonWidget.h"
#include "platform/dialog/CDialog.h"
#include "platform/dialog/DialogUnits.h"
#include "platform/dialog/DialogWidget.h"
#include "platform/dialog/EditWidget.h"
#include "platform/dialog/StaticWidget.h"
#include "platform/dialog/TemplateTypes.h"
#include "platform/draw/CFont.h"
#include "platform/draw/HandleObjects.h"

namespace {

// The templates' bitmap face is not on Linux desktops; Liberation Sans has close metrics.
std::string DisplayFace(const std::string& templateFace) {
    return templateFace == "MS Sans Serif" || templateFace.empty() ? "Liberation Sans" : templateFace;
}

// The character height at which the face's average letter is no wider than the template's
// horizontal base unit, starting from the point size at 96 dots per inch: the templates' texts
// were laid out for those base units, so they then fit their boxes.
int MeasureFittingEmPixels(const std::string& face, int pointSize) {
    static const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    constexpr int kSmallestEm = 6;
    const double baseX = DialogBaseUnits(pointSize).cx;
    int em = static_cast<int>(std::lround(pointSize * 96.0 / 72.0));
    QFont font(QString::fromStdString(face));
    for (; em > kSmallestEm; --em) {
        font.setPixelSize(em);
        if (QFontMetricsF(font).horizontalAdvance(alphabet) / static_cast<double>(alphabet.size()) <= baseX) {
            break;
        }
    }
    return em;
}

// Measured once per face and size; the dialogs of a template are built again at every showing.
int FittingEmPixels(const std::string& face, int pointSize) {
    static auto* measured = new std::map<std::pair<std::string, int>, int>;
    const auto key = std::make_pair(face, pointSize);
    auto found = measured->find(key);
    if (found == measured->end()) {
        found = measured->emplace(key, MeasureFittingEmPixels(face, pointSize)).first;
    }
    return found->second;
}

HFONT CreateTemplateFont(const DialogTemplate& dialogTemplate) {
    LOGFONT description;
    description.lfFaceName = DisplayFace(dialogTemplate.fontFace);
    description.lfWeight = FW_NORMAL;
    // Measured when the font is first used, once the window is on its way to the screen.
    return new FontObject(description, [face = description.lfFaceName, points = dialogTemplate.fontPointSize] {
        return -FittingEmPixels(face, points);
    });
}

QWidget* BuildControl(QWidget* parent, const DialogItemTemplate& item) {
    switch (item.kind) {
    case ControlClass::Button:
        return new ButtonWidget(parent, item);
    case ControlClass::Edit:
        return new EditWidget(parent, item);
    case ControlClass::Static:
        break;
    }
    return new StaticWidget(parent, item);
}

Qt::FocusPolicy FocusPolicyFor(const DialogItemTemplate& item) {
    if ((item.style & WS_TABSTOP) != 0) {
        return Qt::StrongFocus;
    }
    return item.kind == ControlClass::Static ? Qt::NoFocus : Qt::ClickFocus;
}

}  // namespace

DialogWidget* DialogBuilder::Build(CDialog& dialog, const DialogTemplate& dialogTemplate, QWidget* owner) {
    const HFONT font = CreateTemplateFont(dialogTemplate);
    auto* window = new DialogWidget(owner, dialogTemplate, font);
    const int points = dialogTemplate.fontPointSize;
    window->setFixedSize(DialogUnitsToPixelsX(dialogTemplate.cx, points),
                         DialogUnitsToPixelsY(dialogTemplate.cy, points));
    dialog.fontPointSize_ = points;
    window->Attach(&dialog);

    for (const DialogItemTemplate& item : dialogTemplate.items) {
        QWidget* control = BuildControl(window, item);
        WindowHost* host = WindowHost::Of(control);
        const CRect rect = DialogRectToPixels(item.x, item.y, item.cx, item.cy, points);
        control->setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
        host->StyleChanged();  // a picture static takes its picture's size
        control->setFocusPolicy(FocusPolicyFor(item));
        control->setEnabled((item.style & WS_DISABLED) == 0);
        control->setVisible((item.style & WS_VISIBLE) != 0);
        host->CreatePlainWnd();
        host->DefaultProcessing(WM_SETFONT, reinterpret_cast<WPARAM>(font), 0, nullptr);
    }
    return window;
}
