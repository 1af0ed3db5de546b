#include "plans/ChannelSheet.h"

#include "plans/PlanTexts.h"
#include "workspace/LanguageStrings.h"
#include "workspace/LanguageTable.h"
#include "workspace/LanguageWords.h"
#include "workspace/Workspace.h"

#include <QBuffer>
#include <QFont>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>

namespace {

// Where paper is Letter rather than A4: the territories whose locales print on it.
constexpr QLocale::Territory LetterTerritories[] = {
    QLocale::UnitedStates, QLocale::Canada,           QLocale::Mexico,     QLocale::Chile,
    QLocale::Colombia,     QLocale::CostaRica,        QLocale::Guatemala,  QLocale::Nicaragua,
    QLocale::Panama,       QLocale::PuertoRico,       QLocale::ElSalvador, QLocale::Venezuela,
    QLocale::Philippines,  QLocale::DominicanRepublic};

// Lengths on the page, in points.
constexpr qreal Margin = 42; // about 15 mm
constexpr qreal TitleSize = 18;
constexpr qreal TextSize = 10;
constexpr qreal CellSize = 9;
constexpr qreal RowHeight = 19;
constexpr qreal SettingHeight = 17;
constexpr qreal Gap = 14;
// The grid's columns, channel number first, in shares of the page's width.
constexpr qreal ColumnShares[] = {0.6, 1.3, 1, 1.3, 1, 1, 1, 1, 1};

QFont sheetFont(qreal size, bool bold = false)
{
    // Latin letters and digits from DejaVu Sans, Chinese characters from Noto Sans CJK (the
    // package depends on both). Latin text set in the CJK font comes out right on paper
    // but loses its digits when the PDF's text is read back: the font's shaping picks
    // glyphs that map to no character.
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Droid Sans Fallback"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setStyleHint(QFont::SansSerif);
    // Pixels of the painter, which counts in points.
    font.setPixelSize(int(size));
    font.setBold(bold);
    return font;
}

// Paints within `page`, a rectangle in points.
class SheetPainter
{
public:
    SheetPainter(QPainter& painter, const QRectF& page, const ChannelSheetContent& content)
        : m_painter(painter), m_page(page), m_content(content), m_y(page.top())
    {
    }

    void paint()
    {
        paintHeading();
        paintChannels();
        paintSettings();
        paintOwnerBox();
    }

private:
    QString text(PlanTexts::Text which) const { return PlanTexts::text(which, m_content.language); }

    void paintHeading()
    {
        m_painter.setFont(sheetFont(TitleSize, true));
        const qreal titleHeight = TitleSize * 1.6;
        m_painter.drawText(QRectF(m_page.left(), m_y, m_page.width(), titleHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, text(PlanTexts::Text::SheetTitle));
        m_y += titleHeight + 4;

        const QString file =
            m_content.fileName.isEmpty() ? text(PlanTexts::Text::SheetNoFile) : m_content.fileName;
        const std::pair<PlanTexts::Text, QString> facts[] = {
            {PlanTexts::Text::SheetBand, m_content.band},
            {PlanTexts::Text::SheetDate, m_content.date.toString(Qt::ISODate)},
            {PlanTexts::Text::SheetFile, file},
        };
        m_painter.setFont(sheetFont(TextSize));
        const qreal widths[] = {0.25, 0.25, 0.5};
        qreal x = m_page.left();
        for (int fact = 0; fact < 3; ++fact) {
            const qreal width = m_page.width() * widths[fact];
            m_painter.drawText(QRectF(x, m_y, width, TextSize * 1.6),
                               Qt::AlignLeft | Qt::AlignVCenter,
                               text(facts[fact].first) + u' ' + facts[fact].second);
            x += width;
        }
        m_y += TextSize * 1.6 + Gap;
    }

    void paintChannels()
    {
        qreal shares = 0;
        for (qreal share : ColumnShares)
            shares += share;
        QList<qreal> lefts;
        qreal x = m_page.left();
        for (qreal share : ColumnShares) {
            lefts.append(x);
            x += m_page.width() * share / shares;
        }
        lefts.append(m_page.right());

        const auto paintRow = [&](const QStringList& cells) {
            for (int column = 0; column < cells.size() && column + 1 < lefts.size(); ++column) {
                const QRectF cell(lefts[column], m_y, lefts[column + 1] - lefts[column], RowHeight);
                m_painter.drawRect(cell);
                m_painter.drawText(cell, Qt::AlignCenter, cells[column]);
            }
            m_y += RowHeight;
        };
        m_painter.setFont(sheetFont(CellSize, true));
        m_painter.setBrush(QColor(225, 225, 225));
        paintRow(m_content.columnCaptions);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.setFont(sheetFont(CellSize));
        for (int channel = 0; channel < RadioContents::ChannelCount; ++channel) {
            QStringList cells{QStringLiteral("%1").arg(channel + 1, 2, 10, QLatin1Char('0'))};
            cells += m_content.channels[size_t(channel)];
            paintRow(cells);
        }
        m_y += Gap;
    }

    void paintSettings()
    {
        m_painter.setFont(sheetFont(TextSize + 1, true));
        m_painter.drawText(QRectF(m_page.left(), m_y, m_page.width(), SettingHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, m_content.settingsTitle);
        m_y += SettingHeight + 2;
        m_painter.setFont(sheetFont(TextSize));
        // Two columns, read down the first, then down the second.
        const qsizetype perColumn = (m_content.settings.size() + 1) / 2;
        const qreal columnWidth = m_page.width() / 2;
        for (qsizetype index = 0; index < m_content.settings.size(); ++index) {
            const qreal left = m_page.left() + (index < perColumn ? 0 : columnWidth);
            const qreal top = m_y + SettingHeight * qreal(index % perColumn);
            const auto& [label, value] = m_content.settings.at(index);
            m_painter.drawText(QRectF(left, top, columnWidth * 0.6, SettingHeight),
                               Qt::AlignLeft | Qt::AlignVCenter, label);
            m_painter.drawText(
                QRectF(left + columnWidth * 0.6, top, columnWidth * 0.4, SettingHeight),
                Qt::AlignLeft | Qt::AlignVCenter, value);
        }
        m_y += SettingHeight * qreal(perColumn) + Gap;
    }

    void paintOwnerBox()
    {
        const qreal height = std::max<qreal>(60, std::min<qreal>(140, m_page.bottom() - m_y));
        const QRectF box(m_page.left(), m_y, m_page.width(), height);
        m_painter.drawRect(box);
        m_painter.setFont(sheetFont(TextSize));
        m_painter.drawText(box.adjusted(8, 6, -8, -6), Qt::AlignLeft | Qt::AlignTop,
                           text(PlanTexts::Text::SheetRadioOwner));
    }

    QPainter& m_painter;
    QRectF m_page;
    const ChannelSheetContent& m_content;
    qreal m_y;
};

} // namespace

namespace ChannelSheet {

ChannelSheetContent contentOf(const Workspace& workspace, const LanguageTable& table,
                              Language language, const QString& fileName, QDate date)
{
    ChannelSheetContent content;
    content.language = language;
    content.band = workspace.bands.selectedText();
    content.date = date;
    content.fileName = fileName;
    for (int column = Column::ChannelLabel; column <= Column::LastField; ++column)
        content.columnCaptions.append(table.string(LanguageString::columnCaption(column)));
    for (int row = Row::FirstChannel; row <= Row::LastChannel; ++row) {
        QStringList& cells = content.channels[size_t(row - Row::FirstChannel)];
        for (int column = Column::FirstField; column <= Column::LastField; ++column)
            cells.append(LanguageWords::reworded(column, workspace.table.text(row, column),
                                                 workspace.words));
    }
    content.settingsTitle = table.string(LanguageString::FunctionSettingsTitle);
    for (int setting = 0; setting < FunctionSettings::SettingCount; ++setting) {
        const auto which = FunctionSettings::Setting(setting);
        content.settings.append(
            {table.string(LanguageString::settingLabel(which)), workspace.settings.text(which)});
    }
    content.settings.append(
        {table.string(LanguageString::VoxInhibit),
         workspace.settings.voxInhibit() ? workspace.words.onWord : workspace.words.offWord});
    return content;
}

QPageSize::PageSizeId pageSizeFor(const QLocale& locale)
{
    const QLocale::Territory territory = locale.territory();
    for (const QLocale::Territory letter : LetterTerritories) {
        if (territory == letter)
            return QPageSize::Letter;
    }
    return QPageSize::A4;
}

void paint(QPagedPaintDevice& device, const ChannelSheetContent& content)
{
    QPainter painter(&device);
    // Everything below counts in points, whatever the device's resolution.
    const qreal scale = qreal(device.logicalDpiX()) / 72.0;
    painter.scale(scale, scale);
    painter.setPen(QPen(Qt::black, 0.6));
    const QRectF page = device.pageLayout().paintRect(QPageLayout::Point);
    SheetPainter(painter, QRectF(QPointF(0, 0), page.size()), content).paint();
}

QByteArray pdf(const ChannelSheetContent& content, QPageSize::PageSizeId pageSize)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(PlanTexts::text(PlanTexts::Text::SheetTitle, content.language));
        writer.setCreator(QStringLiteral("QV3307 programmer"));
        writer.setPageLayout(QPageLayout(QPageSize(pageSize), QPageLayout::Portrait,
                                         QMarginsF(Margin, Margin, Margin, Margin),
                                         QPageLayout::Point));
        paint(writer, content);
    }
    return bytes;
}

} // namespace ChannelSheet
