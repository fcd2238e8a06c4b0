// SPDX-License-Identifier: MIT
#include "platform/dialog/EditWidget.h"

#include <QStyleOptionFrame>
#include <QValidator>
#include <algorithm>

#include "platform/dialog/TemplateTypes.h"
#include "platform/window/CaretBlink.h"

namespace {

// QLineEdit's own gap between its contents rectangle and the text, on either side.
constexpr int kLineEditTextMargin = 2;
constexpr int kCursorWidth = 1;

bool IsControlCharacter(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Control characters (a pasted NUL, ESC or line break) are dropped; what remains must fit.
class WidthLimit final : public QValidator {
public:
    WidthLimit(const EditWidget* edit, QObject* parent) : QValidator(parent), edit_(edit) {}
    State validate(QString& input, int& position) const override {
        const auto controls = std::count_if(input.cbegin(), input.cbegin() + position, IsControlCharacter);
        input.removeIf(IsControlCharacter);
        position -= static_cast<int>(controls);
        return edit_->TextFits(input) ? Acceptable : Invalid;
    }

private:
    const EditWidget* edit_;
};

}  // namespace

EditWidget::EditWidget(QWidget* parent, const DialogItemTemplate& item) : QLineEdit(parent), WindowHost(this) {
    SetUpWidget();
    windowStyle = item.style;
    windowExStyle = item.exStyle;
    controlId = item.id;
    setFrame((windowStyle & WS_BORDER) != 0 || (windowExStyle & WS_EX_CLIENTEDGE) != 0);
    SetText(item.text);
    StyleChanged();
    LimitCaretBlinking();
}

void EditWidget::StyleChanged() {
    if ((windowStyle & ES_AUTOHSCROLL) != 0) {
        setValidator(nullptr);
    } else if (validator() == nullptr) {
        setValidator(new WidthLimit(this, this));
    }
}

void EditWidget::SetText(const std::string& text) {
    setText(QString::fromStdString(text));
    setCursorPosition(0);
}

bool EditWidget::TextFits(const QString& text) const {
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
