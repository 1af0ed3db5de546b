#pragma once

#include "workspace/FunctionSettings.h"
#include "workspace/Language.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// What a .F19 channel file holds, converted from its bytes and not yet applied: the
// language, the band, the function settings and the 16 channel rows. Every value in it
// has converted, so applying it cannot fail half way.
struct ChannelFileContent
{
    static constexpr int ChannelCount = 16;

    // The language the file asks for: code 1 Chinese, 2 English. Other digits ask for no
    // change.
    std::optional<Language> language;
    // The band text as the file writes it (at most ten characters), and whether it may
    // join the band list when the list does not hold it yet: a band of the radio starts
    // with 1, 2 or 4.
    QString band;
    bool bandLearnable = false;
    // Positions within the settings' lists; each one lies inside its list.
    FunctionSettings::Positions positions{};
    bool voxInhibit = false;
    // The eight field texts of rows 1 to 16, receive frequency first. A row the file
    // leaves empty, or does not reach, holds eight empty texts.
    std::array<QStringList, ChannelCount> channels;
};
