#pragma once

#include <QString>
#include <QStringList>

// The texts a tone cell can hold, in the order the tone picker lists them: the off word,
// 50 CTCSS tones, 104 DCS codes of normal polarity and the same 104 inverted (259 in all).
// Only the first entry depends on the language.
class ToneList
{
public:
    static constexpr int Count = 259;
    static constexpr int CtcssCount = 50;
    static constexpr int DcsCodeCount = 104;

    // Before any language has been applied the first entry is the built-in Chinese off
    // word.
    ToneList();

    const QStringList& entries() const { return m_entries; }
    QString offEntry() const { return m_entries.first(); }
    void setOffEntry(const QString& offWord);

    // The 258 language-independent entries: CTCSS tones with "." as separator, then the
    // DCS codes "D023N" ... "D754N", then "D023I" ... "D754I".
    static const QStringList& toneTexts();

private:
    QStringList m_entries;
};
