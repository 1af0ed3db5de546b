#pragma once

#include "link/WritePlan.h"
#include "workspace/Language.h"

#include <QList>
#include <QString>

// What the user reads when a write stops before it starts: that nothing was written, each
// value the radio cannot store with where it stands, and what to do. Without the final
// full stop, which the error box adds.
QString writeProblemText(const QList<WriteProblem>& problems, Language language);
