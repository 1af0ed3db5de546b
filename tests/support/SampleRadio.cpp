#include "support/SampleRadio.h"

namespace {
constexpr int ImageSize = 1024;
constexpr int BlockSize = 8;
constexpr int SettingsAddress = 0x03C0;
constexpr int BandAddress = 0x03E0;
const QByteArray Ack(1, 0x06);

const char* const SettingsBlock = "FD0503060301FEFF";
const char* const BandBlock = "00400047FFFFFFFF";

QByteArray address(int value)
{
    QByteArray bytes;
    bytes.append(char(value >> 8));
    bytes.append(char(value & 0xFF));
    return bytes;
}

int channelAddress(int row)
{
    return 16 * row;
}
} // namespace

QList<SampleRadio::Channel> SampleRadio::channels()
{
    return {
        {1,
         "002551430025604318132380F2FFFFFF",
         {"435.12500", "131.8", "436.02500", "D023N", "Low", "ON", "ON", "ON"}},
        {2,
         "2506604425066044FFFFFFFFFFFFFFFF",
         {"446.00625", "OFF", "446.00625", "OFF", "High", "ON", "OFF", "OFF"}},
        // No transmit frequency: the tones and flags are still read.
        {4,
         "00005214FFFFFFFF700654C7F8FFFFFF",
         {"145.20000", "67.0", "", "D754I", "High", "OFF", "ON", "ON"}},
        {7,
         "506225465062754600102380F0FFFFFF",
         {"462.56250", "100.0", "467.56250", "D023N", "Low", "OFF", "ON", "ON"}},
        {12,
         "000000400095994685084125F9FFFFFF",
         {"400.00000", "88.5", "469.99500", "254.1", "High", "OFF", "OFF", "ON"}},
        {16,
         "50126013501260135487FFFFFFFFFFFF",
         {"136.01250", "D754N", "136.01250", "OFF", "High", "ON", "OFF", "OFF"}},
    };
}

QStringList SampleRadio::rowTexts(int row)
{
    for (const Channel& channel : channels()) {
        if (channel.row == row)
            return channel.texts;
    }
    return QStringList(8, QString());
}

QByteArray SampleRadio::image()
{
    QByteArray memory(ImageSize, char(0xFF));
    for (const Channel& channel : channels())
        memory.replace(channelAddress(channel.row), 16, QByteArray::fromHex(channel.record));
    memory.replace(SettingsAddress, BlockSize, QByteArray::fromHex(SettingsBlock));
    memory.replace(BandAddress, BlockSize, QByteArray::fromHex(BandBlock));
    return memory;
}

QByteArray SampleRadio::block(const QByteArray& image, int address)
{
    return image.mid(address, BlockSize);
}

void SampleRadio::fill(Workspace& workspace)
{
    workspace.words = Words;
    for (int row = 1; row <= 16; ++row) {
        const QStringList texts = rowTexts(row);
        for (int field = 0; field < texts.size(); ++field)
            workspace.table.setText(row, field + 1, texts[field]);
    }
    workspace.settings.reset(Settings);
    workspace.settings.setVoxInhibit(VoxInhibit);
    if (workspace.bands.indexOf(Band) < 0)
        workspace.bands.append(Band);
    workspace.bands.select(workspace.bands.indexOf(Band));
}

QByteArray SampleRadio::hello()
{
    return QByteArray::fromHex("0251584B4D4E72");
}

QByteArray SampleRadio::helloReply()
{
    return QByteArray::fromHex("06214A7355627177");
}

QByteArray SampleRadio::readRequest(int at)
{
    return QByteArray(1, 0x52) + address(at) + QByteArray(1, 0x08);
}

QByteArray SampleRadio::readReply(const QByteArray& image, int at)
{
    return QByteArray(1, 0x57) + address(at) + QByteArray(1, 0x08) + block(image, at);
}

QByteArray SampleRadio::writeRequest(const QByteArray& image, int at)
{
    return QByteArray(1, 0x57) + address(at) + QByteArray(1, 0x08) + block(image, at);
}

QList<int> SampleRadio::writeAddresses()
{
    QList<int> addresses;
    for (int row = 1; row <= 16; ++row)
        addresses << channelAddress(row) << channelAddress(row) + BlockSize;
    return addresses << SettingsAddress << BandAddress;
}

QByteArray SampleRadio::exitCommand()
{
    return QByteArray::fromHex("646F");
}

QByteArray SampleRadio::readFromProgram()
{
    QByteArray bytes = hello() + Ack + readRequest(BandAddress) + Ack;
    for (int row = 1; row <= 16; ++row) {
        bytes += readRequest(channelAddress(row)) + Ack;
        bytes += readRequest(channelAddress(row) + BlockSize) + Ack;
    }
    return bytes + readRequest(SettingsAddress) + Ack + exitCommand();
}

QByteArray SampleRadio::readFromRadio(const QByteArray& image)
{
    QByteArray bytes = helloReply() + Ack + readReply(image, BandAddress) + Ack;
    for (int row = 1; row <= 16; ++row) {
        bytes += readReply(image, channelAddress(row)) + Ack;
        bytes += readReply(image, channelAddress(row) + BlockSize) + Ack;
    }
    return bytes + readReply(image, SettingsAddress) + Ack;
}

QByteArray SampleRadio::writeFromProgram(const QByteArray& image)
{
    QByteArray bytes = hello() + Ack;
    for (const int at : writeAddresses())
        bytes += writeRequest(image, at);
    return bytes + exitCommand();
}

QByteArray SampleRadio::writeFromRadio()
{
    return helloReply() + Ack + Ack.repeated(writeAddresses().size());
}
