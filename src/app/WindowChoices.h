#pragma once

class ComPortChoices;
class Link;
class SettingsFile;
class Workspace;
struct StoredChoices;

// The choices qv3307.ini keeps between runs that live outside the widgets: the COM port and
// its ties to devices, and the band list with its selection. The skin is applied before the
// widgets are built, and the pages it leaves up are the window's own business.
class WindowChoices
{
public:
    WindowChoices(SettingsFile& file, Workspace& workspace, Link& link,
                  ComPortChoices& portChoices);

    // When the window is created; the band is selected as at start-up, asking nothing.
    void restore(const StoredChoices& stored);
    // When the window is destroyed: the port, the skin and the band list.
    void store() const;

private:
    SettingsFile& m_file;
    Workspace& m_workspace;
    Link& m_link;
    ComPortChoices& m_portChoices;
};
