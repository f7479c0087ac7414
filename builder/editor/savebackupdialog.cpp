#include "editor/savebackupdialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace brevix {

SaveBackupDialog::SaveBackupDialog(const SaveBackupSettings &s, bool zh, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("SaveBackupFor"));
    setWindowTitle(zh ? QStringLiteral("保存和备份") : QStringLiteral("Save and Backup"));
    auto *group = new QGroupBox(
        zh ? QStringLiteral(" 文件安全措施 ") : QStringLiteral(" File safety "), this);
    m_autoSave = new QCheckBox(
        zh ? QStringLiteral("自动保存(&U)") : QStringLiteral("Automatic save(&U)"), group);
    m_autoSave->setObjectName(QStringLiteral("CheckBox1"));
    m_interval = new QLineEdit(group);
    m_interval->setObjectName(QStringLiteral("Edit1"));
    m_interval->setMaxLength(2);
    m_interval->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,2}")), m_interval));
    m_interval->setMaximumWidth(50);
    // A typed "0" alone would mean saving continuously: it becomes 1.
    connect(m_interval, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text == QLatin1String("0"))
            m_interval->setText(QStringLiteral("1"));
    });
    m_backup = new QCheckBox(zh ? QStringLiteral("每次保存均创建备份(&B)")
                                : QStringLiteral("Create a backup on every save(&B)"),
                             group);
    m_backup->setObjectName(QStringLiteral("CheckBox2"));
    auto *intervalRow = new QHBoxLayout;
    auto *intervalLabel = new QLabel(zh ? QStringLiteral("保存间隔分钟数(&M)")
                                        : QStringLiteral("Save interval, minutes(&M)"),
                                     group);
    intervalLabel->setBuddy(m_interval);
    intervalRow->addSpacing(20);
    intervalRow->addWidget(intervalLabel);
    intervalRow->addWidget(m_interval);
    intervalRow->addStretch();
    auto *inner = new QVBoxLayout(group);
    inner->addWidget(m_autoSave);
    inner->addLayout(intervalRow);
    inner->addWidget(m_backup);
    inner->addWidget(new QLabel(zh ? QStringLiteral("临时文件的扩展名: bak$")
                                   : QStringLiteral("Extension of the backup file: bak$"),
                                group));
    auto *ok = new QPushButton(zh ? QStringLiteral("确认(&Y)") : QStringLiteral("OK(&Y)"), this);
    ok->setDefault(true);
    auto *cancel =
        new QPushButton(zh ? QStringLiteral("取消(&N)") : QStringLiteral("Cancel(&N)"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_autoSave, &QCheckBox::toggled, m_interval, &QWidget::setEnabled);

    m_autoSave->setChecked(s.autoSave);
    m_interval->setEnabled(s.autoSave);
    m_interval->setText(QString::number(s.intervalMinutes));
    m_backup->setChecked(s.backupOnSave);
}

SaveBackupSettings SaveBackupDialog::settings() const
{
    SaveBackupSettings s;
    s.autoSave = m_autoSave->isChecked();
    s.intervalMinutes = autoSaveIntervalFromText(m_interval->text());
    s.backupOnSave = m_backup->isChecked();
    return s;
}

} // namespace brevix
