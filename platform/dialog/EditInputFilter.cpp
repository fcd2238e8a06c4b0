// SPDX-License-Identifier: MIT
#include "platform/dialog/EditInputFilter.h"

#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "platform/window/CWnd.h"

namespace {

// The pattern first, then whatever limit the box already had.
class PatternThenPrevious final : public QValidator {
public:
    PatternThenPrevious(const QRegularExpression& pattern, const QValidator* previous, QObject* parent)
        : QValidator(parent), pattern_(pattern), previous_(previous) {}

    State validate(QString& input, int& position) const override {
        const State byPattern = pattern_.validate(input, position);
        if (byPattern == Invalid || previous_.isNull()) {
            return byPattern;
        }
        return std::min(byPattern, previous_->validate(input, position));
    }

private:
    QRegularExpressionValidator pattern_;
    QPointer<const QValidator> previous_;
};

}  // namespace

BOOL SetEditInputFilter(CWnd* edit, const std::string& pattern) {
    auto* lineEdit = qobject_cast<QLineEdit*>(edit != nullptr ? edit->GetSafeHwnd() : nullptr);
    const QRegularExpression expression(QString::fromStdString(pattern));
    if (lineEdit == nullptr || !expression.isValid()) {
        return FALSE;
    }
    lineEdit->setValidator(new PatternThenPrevious(expression, lineEdit->validator(), lineEdit));
    return TRUE;
}
