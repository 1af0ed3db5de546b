#include "plans/PlanCommands.h"

#include "channels/ChannelEditor.h"
#include "plans/PlanFillDialog.h"
#include "plans/PlanTexts.h"
#include "plans/UserPlans.h"
#include "workspace/Localisation.h"
#include "workspace/Messenger.h"
#include "workspace/Workspace.h"

#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>

PlanCommands::PlanCommands(Workspace& workspace, const Localisation& localisation,
                           Messenger& messenger, ChannelEditor& editor, QWidget* window)
    : QObject(window), m_workspace(workspace), m_localisation(localisation), m_messenger(messenger),
      m_editor(editor), m_window(window), m_userFolder(UserPlans::folder())
{
}

void PlanCommands::fillFromPlan(int firstRow)
{
    if (!m_editor.commitEditedCell())
        return;
    m_editor.closeCellEditors();
    PlanFillDialog dialog(m_workspace, m_userFolder, firstRow, m_window);
    if (dialog.exec() == QDialog::Accepted)
        fill(dialog.plan(), dialog.choice());
}

bool PlanCommands::fill(const ChannelPlan& plan, const PlanFillChoice& choice)
{
    if (!m_editor.commitEditedCell())
        return false;
    m_editor.closeCellEditors();
    const QString band = m_workspace.bands.selectedText();
    const PlanFill fill = PlanFilling::prepare(plan, choice, band, m_workspace.words);
    PlanFilling::apply(m_workspace, fill);
    const Language language = m_workspace.checkedLanguage;
    if (!fill.filled.isEmpty())
        emit reported(PlanTexts::filledReport(fill.filled.size(), plan.name, language));
    if (const QString leftOut = PlanFilling::leftOutText(plan, fill, band, language);
        !leftOut.isEmpty())
        m_messenger.errorBox(leftOut);
    return !fill.filled.isEmpty();
}

ChannelSheetContent PlanCommands::sheetContent() const
{
    return ChannelSheet::contentOf(m_workspace, m_localisation.applied(),
                                   m_workspace.checkedLanguage, m_fileName, QDate::currentDate());
}

void PlanCommands::printSheet()
{
    if (!m_editor.commitEditedCell())
        return;
    m_editor.closeCellEditors();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(ChannelSheet::pageSizeFor(QLocale())));
    printer.setDocName(PlanTexts::text(PlanTexts::Text::SheetTitle, m_workspace.checkedLanguage));
    QPrintDialog dialog(&printer, m_window);
    dialog.setWindowTitle(
        PlanTexts::text(PlanTexts::Text::PrintSheet, m_workspace.checkedLanguage));
    if (dialog.exec() == QDialog::Accepted)
        print(printer);
}

void PlanCommands::print(QPrinter& printer) const
{
    ChannelSheet::paint(printer, sheetContent());
}
