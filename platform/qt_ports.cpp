// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_ports.h"

#include "platform/application.h"

#include <QAbstractButton>
#include <QIcon>
#include <QMessageBox>

namespace vermona::platform {

void QtPorts::unknownScreen(std::string_view id) {
    warn("no screen " + std::string(id) + "; the click did nothing");
}

int QtPorts::messageBox(const Text &prompt, int style, const Text &title) {
    const Translation *language = language_ ? language_() : nullptr;
    QMessageBox box(parent_ ? parent_() : nullptr);
    box.setIcon((style & kQuestion) != 0 ? QMessageBox::Question : QMessageBox::NoIcon);
    box.setWindowTitle(QString::fromStdString(title.in(language)));
    box.setTextFormat(Qt::PlainText);
    box.setText(QString::fromStdString(prompt.in(language)));
    const bool noByDefault = (style & kDefaultNo) != 0;
    if (asksYesNo(style)) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        // Enter and Escape give the same, safe, answer.
        const QMessageBox::StandardButton safe = noByDefault ? QMessageBox::No : QMessageBox::Yes;
        box.setDefaultButton(safe);
        box.setEscapeButton(safe);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // Plain buttons: some platform themes put pictures on them.
    for (QAbstractButton *b : box.buttons()) {
        b->setIcon(QIcon());
    }
    // Closing the box by its title bar counts as Escape.
    switch (box.exec()) {
    case QMessageBox::Yes:
        return kYes;
    case QMessageBox::No:
        return kNo;
    default:
        return !asksYesNo(style) ? kOk : noByDefault ? kNo : kYes;
    }
}

} // namespace vermona::platform
