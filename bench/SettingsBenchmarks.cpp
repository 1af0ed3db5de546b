#include "SettingsBenchmarks.h"

#include "BenchLine.h"
#include "workspace/SettingsFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <limits>

namespace {

// A settings file as a user who kept learning bands leaves it: the last band selected.
QByteArray thousandBandFile()
{
    QByteArray bytes = "[open]\r\ncom=1\r\n[skin1]\r\nskintnow=0\r\n[list1]\r\nlistnow=" +
                       QByteArray::number(SettingsMeasurement::Bands - 1) +
                       "\r\nlistcount=" + QByteArray::number(SettingsMeasurement::Bands - 1) +
                       "\r\n";
    for (int band = 0; band < SettingsMeasurement::Bands; ++band)
        bytes += "combo" + QByteArray::number(band) + '=' + QByteArray::number(400 + band % 70) +
                 "-470MHz\r\n";
    return bytes;
}

double millisecondsSince(const QElapsedTimer& timer)
{
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

std::optional<double> SettingsMeasurement::startupMs()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->startupMs) : std::nullopt;
}

std::optional<double> SettingsMeasurement::exitMs()
{
    const std::optional<Figures>& measured = figures();
    return measured ? std::optional<double>(measured->exitMs) : std::nullopt;
}

const std::optional<SettingsMeasurement::Figures>& SettingsMeasurement::figures()
{
    if (!m_measured) {
        m_figures = measure();
        m_measured = true;
    }
    return m_figures;
}

std::optional<SettingsMeasurement::Figures> SettingsMeasurement::measure()
{
    const QTemporaryDir programFolder;
    QFile file(QDir(programFolder.path()).filePath(SettingsFile::FileName));
    const QByteArray bytes = thousandBandFile();
    if (!programFolder.isValid() || !file.open(QIODevice::WriteOnly) ||
        file.write(bytes) != bytes.size())
        return benchFailed(QStringLiteral("could not write a settings file"));
    file.close();

    Figures best{std::numeric_limits<double>::max(), std::numeric_limits<double>::max()};
    for (int round = 0; round < Rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        const StoredChoices choices = StoredChoices::read(SettingsFile(programFolder.path()));
        best.startupMs = std::min(best.startupMs, millisecondsSince(timer));
        if (choices.bands.size() != Bands)
            return benchFailed(QStringLiteral("the settings file gave %1 bands, not %2")
                                   .arg(choices.bands.size())
                                   .arg(Bands));

        timer.start();
        SettingsFile atExit(programFolder.path());
        const bool written = choices.write(atExit);
        best.exitMs = std::min(best.exitMs, millisecondsSince(timer));
        if (!written)
            return benchFailed(QStringLiteral("the settings file could not be written"));
    }
    return best;
}
