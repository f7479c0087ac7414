#pragma once

#include <QString>
#include <QStringList>

namespace brevix {

// A New or Open request that a running editor leaves on the clipboard for a fresh one.
struct HandOver
{
    enum class Kind { None, Open, New };
    Kind kind = Kind::None;
    QString path; // for Open
};

inline const QString kOpenHandOverPrefix = QStringLiteral("Brevix  .OpenFileName:=");
inline const QString kNewHandOverText = QStringLiteral("Brevix  .New.FileName:=KXP1.KX3");
inline const QString kNewHandOverPrefix = QStringLiteral("Brevix  .New.FileName:=");
// What the receiving editor leaves on the clipboard once it has taken the request.
inline const QString kHandOverTaken = QStringLiteral("OK");

HandOver parseHandOver(const QString &clipboardText);
QString openHandOverText(const QString &path);

// The command line as the editor takes it: the words joined by single blanks, leading blanks
// stripped.
QString commandLineText(const QStringList &arguments);

} // namespace brevix
