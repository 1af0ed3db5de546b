#include "plans/PlanLibrary.h"

#include "plans/BuiltInPlans.h"
#include "workspace/BuiltInLanguages.h"
#include "workspace/ToneList.h"

#include <QFileInfo>

namespace PlanLibrary {

QStringList names(const QString& userFolder)
{
    QStringList names;
    for (const ChannelPlan& plan : BuiltInPlans::all())
        names.append(plan.name);
    for (const QString& path : UserPlans::files(userFolder))
        names.append(QFileInfo(path).fileName());
    return names;
}

std::optional<UserPlans::Loaded> load(const QString& name, const QString& userFolder,
                                      Language language)
{
    for (const ChannelPlan& plan : BuiltInPlans::all()) {
        if (plan.name.compare(name, Qt::CaseInsensitive) == 0)
            return UserPlans::Loaded{plan, {}, {}};
    }
    const QStringList files = UserPlans::files(userFolder);
    for (const bool withExtension : {true, false}) {
        for (const QString& path : files) {
            const QFileInfo file(path);
            const QString fileName = withExtension ? file.fileName() : file.completeBaseName();
            if (fileName.compare(name, Qt::CaseInsensitive) == 0)
                return UserPlans::load(path, language);
        }
    }
    return std::nullopt;
}

std::optional<QString> toneNamed(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.compare(QLatin1String("off"), Qt::CaseInsensitive) == 0)
        return QString();
    for (const Language language : {Language::Chinese, Language::English}) {
        if (trimmed == BuiltInLanguages::words(language).offWord)
            return QString();
    }
    for (const QString& tone : ToneList::toneTexts()) {
        if (tone.compare(trimmed, Qt::CaseInsensitive) == 0)
            return tone;
    }
    return std::nullopt;
}

std::optional<QList<int>> channelsNamed(const ChannelPlan& plan, const QString& text)
{
    const auto indexOf = [&plan](const QString& name) {
        for (int index = 0; index < plan.channels.size(); ++index) {
            if (plan.channels.at(index).name == name.trimmed())
                return index;
        }
        return -1;
    };
    QList<int> indexes;
    for (const QString& part : text.split(u',')) {
        const QStringList ends = part.split(u'-');
        const int first = indexOf(ends.first());
        const int last = ends.size() == 2 ? indexOf(ends.last()) : first;
        if (ends.size() > 2 || first < 0 || last < first)
            return std::nullopt;
        for (int index = first; index <= last; ++index)
            indexes.append(index);
    }
    return indexes;
}

} // namespace PlanLibrary
