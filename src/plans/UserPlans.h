#pragma once

#include "plans/ChannelPlan.h"
#include "workspace/Language.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The user's own plans: every channel list (.csv) or channel file (.F19) in the plans
// folder, each under its file name. A file's channels are checked as pasting them would
// be, in the words of either language; the band is checked only when a plan fills the
// grid.
namespace UserPlans {

// $XDG_DATA_HOME/qv3307/plans, by default ~/.local/share/qv3307/plans.
QString folder();

// The plan files in `folder`, by name; other files are passed over.
QStringList files(const QString& folder);

struct Loaded
{
    ChannelPlan plan;
    // Why the file gives no plan at all (it cannot be read, is no channel file or holds
    // no channel); empty when it gives one.
    QString problem;
    // A line for each row of the file that did not become a channel of the plan.
    QStringList leftOut;

    bool ok() const { return problem.isEmpty(); }
};

// Reads the plan in the file at `path`; texts in `language`.
Loaded load(const QString& path, Language language);
// The same from the file's bytes.
Loaded fromBytes(const QByteArray& bytes, const QString& path, Language language);

} // namespace UserPlans
