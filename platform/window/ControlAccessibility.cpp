// SPDX-License-Identifier: MIT
#include "platform/window/ControlAccessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

#include "platform/dialog/ButtonWidget.h"
#include "platform/dialog/StaticWidget.h"
#include "platform/window/MessageDispatch.h"

namespace {

class ButtonAccessible final : public QAccessibleWidget {
public:
    explicit ButtonAccessible(ButtonWidget* button) : QAccessibleWidget(button, QAccessible::Button) {}

    QAccessible::Role role() const override {
        const LRESULT code = DispatchMessage(*Button(), WM_GETDLGCODE, 0, 0);
        if ((code & DLGC_RADIOBUTTON) != 0) {
            return QAccessible::RadioButton;
        }
        return Button()->Type() == BS_CHECKBOX || Button()->Type() == BS_AUTOCHECKBOX ? QAccessible::CheckBox
                                                                                      : QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        if (role() != QAccessible::Button) {
            state.checkable = true;
            state.checked = DispatchMessage(*Button(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        }
        state.pressed = Button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QString::fromStdString(Button()->Text()).remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(kind);
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled()) {
            DispatchMessage(*Button(), BM_CLICK, 0, 0);
        }
    }

private:
    ButtonWidget* Button() const { return static_cast<ButtonWidget*>(widget()); }
};

// A static control reads as the text it shows.
class StaticAccessible final : public QAccessibleWidget {
public:
    // A picture is an image to assistive technologies; one without a name is decoration.
    explicit StaticAccessible(StaticWidget* label)
        : QAccessibleWidget(label, (label->windowStyle & SS_TYPEMASK) == SS_BITMAP ? QAccessible::Graphic
                                                                                   : QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return QString::fromStdString(static_cast<StaticWidget*>(widget())->Text()).remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* MakeInterface(const QString&, QObject* object) {
    if (auto* button = dynamic_cast<ButtonWidget*>(object)) {
        return new ButtonAccessible(button);
    }
    if (auto* label = dynamic_cast<StaticWidget*>(object)) {
        return new StaticAccessible(label);
    }
    return nullptr;
}

}  // namespace

void InstallControlAccessibility() {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(MakeInterface); });
}
