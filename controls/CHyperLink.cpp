// SPDX-License-Identifier: MIT
#include "controls/CHyperLink.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>

#include "controls/MessageBox.h"
#include "controls/SystemColors.h"
#include "platform/shell/ShellServices.h"

namespace {

constexpr int kFirstSuccess = 33;  // opener results above 32 mean success

QString OpenErrorMessage(int code) {
    switch (code) {
    case 0:
        return CHyperLink::tr("The operating system is out\nof memory or resources.");
    case 2:
        return CHyperLink::tr("The specified file was not found.");
    case 3:
        return CHyperLink::tr("The specified path was not found.");
    case 5:
        return CHyperLink::tr("The operating system denied\naccess to the specified file.");
    case 8:
        return CHyperLink::tr("There was not enough memory to complete the operation.");
    case 11:
        return CHyperLink::tr("The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).");
    case 26:
        return CHyperLink::tr("A sharing violation occurred. ");
    case 27:
        return CHyperLink::tr("The filename association is\nincomplete or invalid.");
    case 28:
        return CHyperLink::tr("The DDE transaction could not\nbe completed because the request timed out.");
    case 29:
        return CHyperLink::tr("The DDE transaction failed.");
    case 30:
        return CHyperLink::tr(
            "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.");
    case 31:
        return CHyperLink::tr("There is no application associated\nwith the given filename extension.");
    case 32:
        return CHyperLink::tr("The specified dynamic-link library was not found.");
    default:
        return CHyperLink::tr("Unknown Error (%1) occurred.").arg(code);
    }
}

}  // namespace

CHyperLink::CHyperLink(QWidget* parent)
    : TextLabel(parent), linkColor(0, 0, 238), visitedColor(85, 26, 139), hoverColor(kHighlight) {
    // Clicks and the pointer are the link's own.
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void CHyperLink::PreSubclassWindow(const DialogItemTemplate& item) {
    overLink = false;
    style = item.style;
    if (target.empty()) {
        target = text().toStdString();
    }
    if (text().isEmpty()) {
        setText(QString::fromStdString(target));
    }
    QFont linkFont = font();
    linkFont.setUnderline(underline);
    setFont(linkFont);
    FitWindowToText();
    setCursor(Qt::PointingHandCursor);
    setToolTip(QString::fromStdString(target));
}

void CHyperLink::SetTarget(const std::string& newTarget) {
    target = newTarget;
    setToolTip(QString::fromStdString(target));
}

void CHyperLink::SetLinkColors(const QColor& link, const QColor& visitedLink, const QColor& hover) {
    linkColor = link;
    visitedColor = visitedLink;
    hoverColor = hover.isValid() ? hover : kHighlight;
    update();
}

void CHyperLink::MarkVisited(bool flag) {
    visited = flag;
    update();
}

QColor CHyperLink::TextColor() const {
    return overLink ? hoverColor : (visited ? visitedColor : linkColor);
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    overLink = true;
    repaint();
    TextLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    overLink = false;
    repaint();
    TextLabel::leaveEvent(event);
}

void CHyperLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        OnClicked();
    }
}

void CHyperLink::OnClicked() {
    const int result = OpenTarget(target);
    visited = result >= kFirstSuccess;
    if (visited) {
        MarkVisited(true);
    } else {
        CurrentShellServices().Beep();
        ReportOpenError(result);
    }
}

void CHyperLink::FitWindowToText() {
    if (!fitToText) {
        return;
    }
    const QFontMetrics metrics(font());
    const QSize extent(metrics.horizontalAdvance(text()), metrics.height());
    QRect area = geometry();
    if ((style & SS_CENTERIMAGE) != 0) {
        const int shrink = (area.height() - extent.height()) / 2;
        area.adjust(0, shrink, 0, -shrink);
    } else {
        area.setHeight(extent.height());
    }
    if ((style & SS_CENTER) != 0) {
        const int shrink = (area.width() - extent.width()) / 2;
        area.adjust(shrink, 0, -shrink, 0);
    } else if ((style & SS_RIGHT) != 0) {
        area.setLeft(area.right() + 1 - extent.width());
    } else {
        area.setWidth(extent.width());
    }
    setGeometry(area);
}

int CHyperLink::OpenTarget(const std::string& target) {
    return CurrentShellServices().OpenDocument(target);
}

void CHyperLink::ReportOpenError(int code) {
    ShowWarning(this, tr("Unable to open hyperlink:\n\n%1").arg(OpenErrorMessage(code)).toStdString(),
                tr("Error").toStdString());
}
