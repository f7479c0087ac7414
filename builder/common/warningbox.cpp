#include "common/warningbox.h"

#include <QAbstractButton>

namespace brevix {

QMessageBox::StandardButton warningBox(QWidget *parent, Language language, const QString &text,
                                       QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Warning, kBuilderTitle, text, buttons, parent);
    if (language == Language::Chinese) {
        const std::pair<QMessageBox::StandardButton, const char *> captions[] = {
            {QMessageBox::Yes, "是(&Y)"},
            {QMessageBox::No, "否(&N)"},
            {QMessageBox::Cancel, "取消"},
            {QMessageBox::Ok, "确定"}};
        for (const auto &[button, caption] : captions) {
            if (QAbstractButton *b = box.button(button))
                b->setText(QString::fromUtf8(caption));
        }
    }
    box.exec();
    return box.standardButton(box.clickedButton());
}

} // namespace brevix
