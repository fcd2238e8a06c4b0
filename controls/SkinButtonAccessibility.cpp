// SPDX-License-Identifier: MIT
// What screen readers learn of a skin button: a push button, a check box or a radio button by its
// kind (or a label, for one that only shows something), with its checked and pressed states, named
// by its accessible name or else its caption, labelled by its group's text, and pressed by their
// action as by a click.
#include <QAccessibleWidget>

#include "controls/CSkinButton.h"

namespace {

class SkinButtonAccessible final : public QAccessibleWidget {
public:
    explicit SkinButtonAccessible(CSkinButton* button) : QAccessibleWidget(button) {}

    QAccessible::Role role() const override {
        if (Button()->IsLabel()) {
            return QAccessible::StaticText;
        }
        switch (Button()->GetKind()) {
        case CheckKind:
            return QAccessible::CheckBox;
        case RadioKind:
            return QAccessible::RadioButton;
        case PushKind:
            break;
        }
        return QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = Button()->GetKind() != PushKind;
        state.checked = Button()->isChecked();
        state.pressed = Button()->isDown();
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        // Named by its caption (its lines as one; a word broken after its hyphen stays one word), else
        // by its template's text, when given no name of its own.
        if (kind == QAccessible::Name && Button()->accessibleName().isEmpty()) {
            const QString caption = QString::fromStdString(Button()->GetCaption())
                                        .replace(QStringLiteral("-\n"), QStringLiteral("-"))
                                        .simplified();
            return caption.isEmpty() ? Button()->text() : caption;
        }
        return QAccessibleWidget::text(kind);
    }

    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
        auto related = QAccessibleWidget::relations(match);
        if ((match & QAccessible::Label) != 0 && Button()->LabelledBy() != nullptr) {
            related.append({QAccessible::queryAccessibleInterface(Button()->LabelledBy()), QAccessible::Label});
        }
        return related;
    }

    QStringList actionNames() const override {
        if (Button()->IsLabel()) {
            return {};
        }
        return QStringList{Button()->GetKind() == PushKind ? pressAction() : toggleAction()} +
               QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction() || action == toggleAction()) {
            Button()->click();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    CSkinButton* Button() const { return static_cast<CSkinButton*>(widget()); }
};

QAccessibleInterface* SkinButtonFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("CSkinButton") && object != nullptr && object->isWidgetType()) {
        return new SkinButtonAccessible(static_cast<CSkinButton*>(object));
    }
    return nullptr;
}

}  // namespace

void InstallSkinButtonAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(SkinButtonFactory);
        return true;
    }();
    (void)installed;
}
