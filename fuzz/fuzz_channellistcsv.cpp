// A channel list of any content, imported against a band; what it imports must export and
// import back to the same channels, each on its own channel.
#include "files/ChannelListCsv.h"
#include "files/ChannelListCsvText.h"

#include <cstddef>
#include <cstdint>

namespace {

void describe(const ImportedChannelList& imported, const QString& band)
{
    for (const Language language : {Language::Chinese, Language::English}) {
        if (imported.problem)
            channelListCsvProblemText(QStringLiteral("fuzz.csv"), *imported.problem, language);
        for (const SkippedCsvRow& skipped : imported.skipped)
            skippedCsvRowText(skipped, band, language);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString band = QStringLiteral("400-470MHz");
    const CellWords words{QStringLiteral("OFF"), QStringLiteral("ON"), QStringLiteral("High"),
                          QStringLiteral("Low")};
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));

    ImportedChannelList imported = ChannelListCsv::read(bytes, band, words);
    describe(imported, band);
    // Locations that do not fit leave the choice of file order to the user.
    if (imported.problem && imported.problem->isLocationProblem()) {
        imported = ChannelListCsv::read(bytes, band, words, ChannelListCsv::Placement::FileOrder);
        describe(imported, band);
    }
    if (!imported.ok())
        return 0;
    const ExportedChannelList exported = ChannelListCsv::write(imported.channels, words);
    if (!exported.ok())
        __builtin_trap();
    const ImportedChannelList again = ChannelListCsv::read(exported.bytes, band, words);
    if (!again.ok() || !again.skipped.isEmpty() || again.channels != imported.channels)
        __builtin_trap();
    return 0;
}
