#pragma once

#include "model/project.h"
#include "settings/devicedatabase.h"
#include "text/message.h"

#include <QString>
#include <vector>

namespace brevix {

enum class CheckSeverity { Error, Warning };

// One row of the compile check's list.
struct CheckRow
{
    CheckSeverity severity = CheckSeverity::Error;
    int page = 0;        // 0 for project-wide findings
    QString pageCaption; // PageNumberText + ":" + PageName
    int kind = 0;
    Message typeName; // element type name, empty for kinds without one
    int slot = -1;
    Message message;
};

struct CheckResult
{
    std::vector<CheckRow> rows;
    int keyCellsLowered = 0; // key/LED cells set down to the register maximum before the rules ran

    int errorCount() const;
    int warningCount() const;
    bool hasErrors() const { return errorCount() > 0; }
};

// The compile check: lowers the key and LED cells above the register maximum (the one change it
// makes to the project), then applies the address rules of every element of every page and
// adds the warnings about values the compiled records cannot hold. Errors block a build;
// warnings do not.
CheckResult StartCheck(Project &project, const DeviceLists &lists);

// Element type name of a kind in both languages; empty for kinds without one.
Message elementTypeName(int kind);

// Texts of the check.
Message keyLedCellsMessage();
Message errorListLabel(int count);
Message errorSummaryMessage(int count);

} // namespace brevix
