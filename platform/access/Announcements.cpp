// SPDX-License-Identifier: MIT
#include "platform/access/Announcements.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace {

// A label only screen readers find, in the role it gives them.
class SpokenLabel final : public QLabel {
public:
    SpokenLabel(QWidget* window, QAccessible::Role role) : QLabel(window), role_(role) {
        static const bool installed = (QAccessible::installFactory(Interface), true);
        (void)installed;
        setGeometry(0, 0, 1, 1);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
    }
    QAccessible::Role Role() const { return role_; }

protected:
    void paintEvent(QPaintEvent*) override {}

private:
    class Accessible final : public QAccessibleWidget {
    public:
        explicit Accessible(SpokenLabel* label) : QAccessibleWidget(label, label->Role()) {}
        QString text(QAccessible::Text kind) const override {
            return kind == QAccessible::Name ? static_cast<QLabel*>(widget())->text() : QAccessibleWidget::text(kind);
        }
    };
    static QAccessibleInterface* Interface(const QString&, QObject* object) {
        auto* label = dynamic_cast<SpokenLabel*>(object);
        return label != nullptr ? new Accessible(label) : nullptr;
    }

    QAccessible::Role role_;
};

SpokenLabel* LabelOf(QWidget* window, QAccessible::Role role) {
    // The window's other labels are QLabels too; findChildren's cast cannot tell them apart.
    for (auto* child : window->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        auto* label = dynamic_cast<SpokenLabel*>(child);
        if (label != nullptr && label->Role() == role) {
            return label;
        }
    }
    return new SpokenLabel(window, role);
}

}  // namespace

void Announce(QWidget* window, const QString& text) {
    SpokenLabel* notification = LabelOf(window, QAccessible::Notification);
    // A notification is spoken as it comes on screen.
    notification->hide();
    notification->setText(text);
    notification->show();
}

void SetStatus(QWidget* window, const QString& text) {
    SpokenLabel* status = LabelOf(window, QAccessible::StatusBar);
    status->setText(text);
    status->show();
}
