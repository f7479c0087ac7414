#pragma once

#include "model/savebackupsettings.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace brevix {

// "保存和备份": automatic save with its interval and the backup on every save.
class SaveBackupDialog : public QDialog
{
    Q_OBJECT
public:
    SaveBackupDialog(const SaveBackupSettings &settings, bool chinese, QWidget *parent = nullptr);
    SaveBackupSettings settings() const;
    QLineEdit *intervalEdit() const { return m_interval; }

private:
    QCheckBox *m_autoSave;
    QLineEdit *m_interval;
    QCheckBox *m_backup;
};

} // namespace brevix
