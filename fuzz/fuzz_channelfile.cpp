// A channel file of any content, read into a workspace that already holds channels.
#include "app/Localisation.h"
#include "app/Workspace.h"
#include "files/ChannelFileReader.h"
#include "files/ChannelFileWriter.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static int argc = 1;
    static char name[] = "fuzz_channelfile";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    static QTemporaryDir programFolder; // no language tables: switches keep the words

    Workspace workspace;
    workspace.bands.append(QStringLiteral("400-470MHz"));
    workspace.bands.select(0);
    workspace.table.setText(1, 1, QStringLiteral("400.00000"));
    Localisation localisation(workspace, programFolder.path());
    ChannelFileReader reader(workspace, localisation);

    QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    workspace.editor.Loading = true;
    reader.read(&file);

    // Whatever was read must write out again.
    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    ChannelFileWriter(workspace).write(&out);
    return 0;
}
