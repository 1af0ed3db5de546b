#pragma once

#include "workspace/Language.h"
#include "workspace/RadioContents.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <array>
#include <utility>

class LanguageTable;
class QLocale;
class QPagedPaintDevice;
class QPainter;
class Workspace;

// What the channel sheet shows, every text already in the interface's language.
struct ChannelSheetContent
{
    Language language = Language::Chinese;
    QString band;
    QDate date;
    QString fileName; // empty when the data is in no file
    // The grid's captions, channel number first, as the window shows them.
    QStringList columnCaptions;
    // The eight cells of each channel, its words in the interface's language.
    std::array<QStringList, RadioContents::ChannelCount> channels;
    QString settingsTitle;
    // Each function setting and VOX inhibit: its label and what its list shows.
    QList<std::pair<QString, QString>> settings;
};

// The printed channel sheet a shop or club hands out with a radio: one page with the
// title, band, date and file name, the 16 channels, the function settings and an empty
// box for the radio and its owner.
namespace ChannelSheet {

// The sheet of the workspace as it stands, captioned from `table`, a table of `language`.
ChannelSheetContent contentOf(const Workspace& workspace, const LanguageTable& table,
                              Language language, const QString& fileName, QDate date);

// A4, or Letter where the locale's paper is Letter.
QPageSize::PageSizeId pageSizeFor(const QLocale& locale);

// Paints the sheet on the device's first page, within its margins; the device may be a
// printer or a PDF writer. Needs a QGuiApplication, for the fonts.
void paint(QPagedPaintDevice& device, const ChannelSheetContent& content);

// The sheet as a PDF file's bytes, on paper of `pageSize`.
QByteArray pdf(const ChannelSheetContent& content, QPageSize::PageSizeId pageSize);

} // namespace ChannelSheet
