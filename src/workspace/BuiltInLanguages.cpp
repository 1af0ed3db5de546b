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

CellWords wordsOf(const LanguageTable& table)
{
    return {table.string(LanguageString::OffWord), table.string(LanguageString::OnWord),
            table.string(LanguageString::HighWord), table.string(LanguageString::LowWord)};
}
} // namespace

const LanguageTable& BuiltInLanguages::table(Language language)
{
    static const LanguageTable chinese = loadResource(Language::Chinese);
    static const LanguageTable english = loadResource(Language::English);
    return language == Language::English ? english : chinese;
}

const CellWords& BuiltInLanguages::words(Language language)
{
    static const CellWords chinese = wordsOf(table(Language::Chinese));
    static const CellWords english = wordsOf(table(Language::English));
    return language == Language::English ? english : chinese;
}

QString BuiltInLanguages::defaultCaption(int number)
{
    return table(Language::Chinese).string(number);
}

QString BuiltInLanguages::string(int number, Language language)
{
    return table(language).string(number);
}

QString BuiltInLanguages::columnName(int column, Language language)
{
    return string(LanguageString::columnCaption(column), language);
}

QString BuiltInLanguages::settingName(FunctionSettings::Setting setting, Language language)
{
    return string(LanguageString::settingLabel(setting), language);
}
