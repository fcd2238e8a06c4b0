// SPDX-License-Identifier: MIT
#include "platform/dialog/TemplateControls.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QStyleHints>
#include <QStyleOptionFrame>
#include <algorithm>
#include <optional>

#include "platform/dialog/DialogUnits.h"

namespace {

// QLineEdit's own gap between its contents rectangle and the text, on either side.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;
constexpr int kBlinkForMs = 10000;

bool IsControlCharacter(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Control characters are dropped; what remains must match the pattern, if any, and fit.
class EditLimit final : public QValidator {
public:
    explicit EditLimit(const TemplateEdit* edit) : QValidator(const_cast<TemplateEdit*>(edit)), edit_(edit) {}

    void SetPattern(const QString& pattern) { pattern_.emplace(QRegularExpression(pattern)); }

    State validate(QString& input, int& position) const override {
        const auto controls = std::count_if(input.cbegin(), input.cbegin() + position, IsControlCharacter);
        input.removeIf(IsControlCharacter);
        position -= static_cast<int>(controls);
        const State byPattern = pattern_ ? pattern_->validate(input, position) : Acceptable;
        if (byPattern == Invalid || !edit_->TextFits(input)) {
            return Invalid;
        }
        return byPattern;
    }

private:
    const TemplateEdit* edit_;
    std::optional<QRegularExpressionValidator> pattern_;
};

}  // namespace

QWidget* BuildTemplateControl(QWidget* parent, const DialogItemTemplate& item, const QString& text) {
    switch (item.kind) {
    case ControlClass::Button: {
        auto* button = new QPushButton(text, parent);
        // Enter is the dialog's (the template names its default button).
        button->setAutoDefault(false);
        return button;
    }
    case ControlClass::Edit: {
        auto* edit = new TemplateEdit(parent);
        edit->setFrame((item.style & WS_BORDER) != 0 || (item.exStyle & WS_EX_CLIENTEDGE) != 0);
        return edit;
    }
    case ControlClass::Static:
        break;
    }
    if ((item.style & SS_TYPEMASK) == SS_BITMAP) {
        return new TemplatePicture(parent, item.imageId);
    }
    // Frames only mark an area of the window; they are never shown.
    auto* label = new QLabel((item.style & SS_TYPEMASK) != SS_ETCHEDFRAME ? text : QString(), parent);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

TemplateEdit::TemplateEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new EditLimit(this));
    blinkStop_.setSingleShot(true);
    blinkStop_.setInterval(kBlinkForMs);
    connect(&blinkStop_, &QTimer::timeout, this, [] { QGuiApplication::styleHints()->setCursorFlashTime(0); });
}

void TemplateEdit::BlinkAgain() {
    // The desktop's blink rate, as it was before any box stopped it.
    static const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    QGuiApplication::styleHints()->setCursorFlashTime(flashTime);
    blinkStop_.start();
}

void TemplateEdit::focusInEvent(QFocusEvent* event) {
    BlinkAgain();
    QLineEdit::focusInEvent(event);
}

void TemplateEdit::keyPressEvent(QKeyEvent* event) {
    BlinkAgain();
    QLineEdit::keyPressEvent(event);
}

void TemplateEdit::mousePressEvent(QMouseEvent* event) {
    BlinkAgain();
    QLineEdit::mousePressEvent(event);
}

void TemplateEdit::SetPattern(const QString& pattern) {
    static_cast<EditLimit*>(const_cast<QValidator*>(validator()))->SetPattern(pattern);
}

bool TemplateEdit::TextFits(const QString& text) const {
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents =
        style()->subElementRect(QStyle::SE_LineEditContents, &option, this).marginsRemoved(textMargins());
    // QLineEdit scrolls unless the text, the caret and the font's widest overhangs on either side
    // fit; a box that cannot scroll takes no more than that.
    const int overhangs = std::max(0, -fontMetrics().minLeftBearing()) + std::max(0, -fontMetrics().minRightBearing());
    const int available = contents.width() - 2 * kLineEditTextMargin - kCursorWidth - overhangs;
    // Characters that take no room of their own (combining marks, zero-width characters) still
    // count, so that the width limits what is stored as well as what is seen.
    const auto invisible = std::count_if(text.cbegin(), text.cend(), [](QChar c) {
        const QChar::Category category = c.category();
        return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing ||
               category == QChar::Other_Format;
    });
    const int width =
        fontMetrics().horizontalAdvance(text) + static_cast<int>(invisible) * fontMetrics().averageCharWidth();
    return width <= available;
}

TemplatePicture::TemplatePicture(QWidget* parent, unsigned bitmapId) : QLabel(parent), picture_(bitmapId) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    if (!picture_.IsNull()) {
        // Screen readers find an image.
        setPixmap(QPixmap::fromImage(picture_.Pixels()));
    }
}

QRect TemplatePicture::PlacedRect(const QRect& placed, qreal scale) const {
    if (picture_.IsNull()) {
        return placed;
    }
    return {placed.topLeft(), ScaledRect(QRect(QPoint(), picture_.Size()), scale).size()};
}

void TemplatePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    picture_.Draw(painter, QRectF(rect()), QRectF(QPointF(0, 0), picture_.Size()));
}
