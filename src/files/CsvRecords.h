#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// Comma-separated records as spreadsheets write them (RFC 4180): a field may be quoted,
// and a quoted field may hold commas, line breaks and quotes written twice. A record ends
// at CR LF, LF or a lone CR outside quotes.
//
// Reading is lenient where nothing is lost: a quote inside an unquoted field is an
// ordinary character, and characters after a closing quote belong to the field.
namespace CsvRecords {

struct Record
{
    // The record's row in the file, from 1: every line break outside quotes starts a new
    // row, so it is the row a spreadsheet shows and, without line breaks in fields, the
    // line an editor shows.
    int row = 0;
    QStringList fields;
    // A quoted field opened in this record and was never closed. The record holds no
    // fields; reading went on at the line after the one where the quote opened.
    bool unclosedQuote = false;
};

struct Split
{
    QList<Record> records;
    // The row where the first quoted field opens that the text never closes: the rest of
    // the text would have been swallowed into it.
    std::optional<int> unclosedQuoteRow;
};

// Fields are separated by `separator`: a comma in a file, a tab in text a spreadsheet puts
// on the clipboard.
Split split(QStringView text, QChar separator = u',');

// One record's line, fields quoted where they need it, without the line end.
QString join(const QStringList& fields, QChar separator = u',');

} // namespace CsvRecords
