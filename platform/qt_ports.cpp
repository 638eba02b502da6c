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
    if (asksYesNo(style)) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton((style & kDefaultNo) != 0 ? QMessageBox::No : QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // Plain buttons: some platform themes put pictures on them.
    for (QAbstractButton *b : box.buttons()) {
        b->setIcon(QIcon());
    }
    // Closing a Yes/No box by its title bar or Esc counts as No.
    switch (box.exec()) {
    case QMessageBox::Yes:
        return kYes;
    case QMessageBox::No:
        return kNo;
    default:
        return asksYesNo(style) ? kNo : kOk;
    }
}

} // namespace vermona::platform
