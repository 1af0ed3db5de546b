#pragma once

#include "plans/ChannelSheet.h"
#include "plans/PlanFill.h"

#include <QObject>
#include <QString>

class ChannelEditor;
class Localisation;
class Messenger;
class QPrinter;
class QWidget;
class Workspace;

// The window's "Fill from a plan…" and "Print channel sheet…": each asks in its dialog,
// then leaves the work to the core.
class PlanCommands : public QObject
{
    Q_OBJECT

public:
    PlanCommands(Workspace& workspace, const Localisation& localisation, Messenger& messenger,
                 ChannelEditor& editor, QWidget* window);

    // Where the user's plans are looked for; the standard folder unless set.
    void setUserFolder(const QString& folder) { m_userFolder = folder; }

    // Opens the plan dialog with `firstRow` as the first channel, and fills as chosen.
    void fillFromPlan(int firstRow);
    // Fills the grid from the plan as one undo step, after committing the cell being edited;
    // the channels left out are listed in a message. False when nothing was filled.
    bool fill(const ChannelPlan& plan, const PlanFillChoice& choice);

    // The file the sheet names: the channel file last opened or saved; none after New or a
    // read of a radio.
    void setFileName(const QString& fileName) { m_fileName = fileName; }
    const QString& fileName() const { return m_fileName; }

    ChannelSheetContent sheetContent() const;
    // The desktop's print dialog, which also offers a PDF file; then prints the sheet.
    void printSheet();
    void print(QPrinter& printer) const;

signals:
    // What a fill did, for the status bar.
    void reported(const QString& text);

private:
    Workspace& m_workspace;
    const Localisation& m_localisation;
    Messenger& m_messenger;
    ChannelEditor& m_editor;
    QWidget* m_window;
    QString m_userFolder;
    QString m_fileName;
};
