#include "editor/newpagedialog.h"

#include "editing/newpage.h"
#include "editing/paste.h"
#include "editor/editorsession.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

namespace brevix {

NewPageDialog::NewPageDialog(EditorSession &session, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("Npagefor"));
    const bool zh = session.chinese();
    setWindowTitle(zh ? QStringLiteral("新键画面") : QStringLiteral("New Window"));
    m_number = new QSpinBox(this);
    m_number->setObjectName(QStringLiteral("SpinEdit1"));
    m_number->setRange(1, kMaxPage);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Edit1"));
    m_name->setMaxLength(20);
    auto *form = new QFormLayout;
    form->addRow(zh ? QStringLiteral("画面号:") : QStringLiteral("Window No.:"), m_number);
    form->addRow(zh ? QStringLiteral("画面名称:") : QStringLiteral("Window name:"), m_name);
    auto *ok = new QPushButton(zh ? QStringLiteral("确认(&Y)") : QStringLiteral("OK(&Y)"), this);
    ok->setObjectName(QStringLiteral("BitBtn1"));
    ok->setDefault(true);
    auto *cancel =
        new QPushButton(zh ? QStringLiteral("取消(&N)") : QStringLiteral("Cancel(&N)"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &NewPageDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &NewPageDialog::reject);
    connect(m_name, &QLineEdit::returnPressed, this, &NewPageDialog::accept);

    const int n = proposedPageNumber(session.project);
    m_number->setValue(n);
    m_name->setText(proposedPageName(n));
    connect(m_number, &QSpinBox::valueChanged, this, [this](int value) {
        m_name->setText(pageNameAfterNumberChange(m_name->text(), value));
    });
    m_name->setFocus();
    m_name->selectAll();
    adjustSize();
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.center().x() - width() / 2, area.center().y() - height() / 2 - 100);
    }
}

int NewPageDialog::pageNumber() const
{
    return m_number->value();
}

QString NewPageDialog::pageName() const
{
    return m_name->text();
}

void NewPageDialog::accept()
{
    const int n = pageNumber();
    if (m_session.project.PageExists(n)) {
        QMessageBox::warning(this, kBuilderTitle, m_session.text(pageExistsWarning(n)));
        return; // the dialog stays open
    }
    QDialog::accept();
}

} // namespace brevix
