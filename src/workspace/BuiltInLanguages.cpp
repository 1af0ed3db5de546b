#include "workspace/BuiltInLanguages.h"

#include "workspace/LanguageStrings.h"

#include <QFile>

namespace {
LanguageTable loadResource(Language language)
{
    QFile file(QStringLiteral(":/languages/%1.lang").arg(languageName(language)));
    // The resource is part of the program: it cannot be missing.
    const bool opened = file.open(QIODevice::ReadOnly);
    Q_ASSERT(opened);
    Q_UNUSED(opened);
    return LanguageTable::parse(file.readAll());
}
} // namespace

const LanguageTable& BuiltInLanguages::table(Language language)
{
    static const LanguageTable chinese = loadResource(Language::Chinese);
    static const LanguageTable english = loadResource(Language::English);
    return language == Language::English ? english : chinese;
}

CellWords BuiltInLanguages::words(Language language)
{
    const LanguageTable& builtIn = table(language);
    return {builtIn.string(LanguageString::offWord), builtIn.string(LanguageString::onWord),
            builtIn.string(LanguageString::highWord), builtIn.string(LanguageString::lowWord)};
}

QString BuiltInLanguages::defaultCaption(int number)
{
    return table(Language::Chinese).string(number);
}
