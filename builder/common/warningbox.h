#pragma once

#include "text/message.h"

#include <QMessageBox>

namespace brevix {

// A warning box titled "Brevix " whose buttons speak the interface language (Qt's own button
// texts are English unless a translation is installed).
QMessageBox::StandardButton warningBox(QWidget *parent, Language language, const QString &text,
                                       QMessageBox::StandardButtons buttons = QMessageBox::Ok);

} // namespace brevix
