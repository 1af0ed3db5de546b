#pragma once

#include "workspace/CellWords.h"
#include "workspace/FunctionSettings.h"
#include "workspace/Language.h"
#include "workspace/LanguageTable.h"

// The shipped language tables, compiled into the program from the very files that are
// installed beside it, so each text has one source. A table beside the program is
// completed from the built-in copy of its language; without any table the windows show
// the built-in Chinese texts.
namespace BuiltInLanguages {
const LanguageTable& table(Language language);
// Strings 34 to 37 of the built-in table.
const CellWords& words(Language language);
// The text a control shows before any language is applied: the built-in Chinese string.
QString defaultCaption(int number);
// String `number` of the language's built-in table.
QString string(int number, Language language);
// What every message calls a channel's field and a function setting: the grid's column
// caption ("Busy Lock", "繁忙锁定") and the settings page's label ("Squelch Level"), as the
// language's built-in table gives them.
QString columnName(int column, Language language);
QString settingName(FunctionSettings::Setting setting, Language language);
} // namespace BuiltInLanguages
