#include "editor/pastepagedialog.h"

#include "editing/paste.h"
#include "editor/editorsession.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brevix {

PastePageDialog::PastePageDialog(EditorSession &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("PastePageFor"));
    const bool zh = session.chinese();
    setWindowTitle(zh ? QStringLiteral("粘贴画面") : QStringLiteral("Paste Window"));
    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("SpinEdit1"));
    m_number->setRange(1, kMaxPage);
    m_number->setValue(1);
    auto *row = new QHBoxLayout;
    row->addWidget(
        new QLabel(zh ? QStringLiteral("粘贴画面到:") : QStringLiteral("Paste window to:"), this));
    row->addWidget(m_number);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
        ->setText(zh ? QStringLiteral("确认(&Y)") : QStringLiteral("OK(&Y)"));
    buttons->button(QDialogButtonBox::Cancel)
        ->setText(zh ? QStringLiteral("取消(&N)") : QStringLiteral("Cancel(&N)"));
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &PastePageDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PastePageDialog::reject);
    m_number->setFocus();
}

void PastePageDialog::accept()
{
    const Result r = pastePage(m_session.project, m_session.clipboardRecord(), m_number->value(),
                               m_session.language());
    if (!r.ok()) {
        QMessageBox::warning(this, kBuilderTitle, m_session.text(r.message()));
        return;
    }
    QDialog::accept();
}

} // namespace brevix
