// A channel file of any content, converted: either a problem the user can read in both
// languages, or content whose every value is one the workspace can take.
#include "files/ChannelFileParser.h"
#include "files/ChannelFileProblemText.h"
#include "workspace/ChannelColumn.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const ParsedChannelFile parsed = ChannelFileParser::parse(bytes);
    if (!parsed.ok()) {
        for (const Language language : {Language::Chinese, Language::English}) {
            if (channelFileProblemText(QStringLiteral("fuzz.F19"), *parsed.problem, language)
                    .isEmpty())
                __builtin_trap();
        }
        return 0;
    }
    // Every position converted lies inside its list.
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting) {
        const int position = parsed.content.positions[setting];
        if (position < 0 ||
            position >= FunctionSettings::entryCount(FunctionSettings::Setting(setting)))
            __builtin_trap();
    }
    // Every row holds one text for each field of the grid.
    for (const QStringList& fields : parsed.content.channels) {
        if (fields.size() != Column::LastField - Column::FirstField + 1)
            __builtin_trap();
    }
    return 0;
}
