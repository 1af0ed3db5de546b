#pragma once

// What the channel editor remembers between events. The editor keeps its own notion of
// the current cell, apart from the grid's highlighted cell: channel moves carry
// CurrentRow along with the moved channel while the highlight stays where it was.
struct EditorState
{
    int CurrentColumn = 0;       // column of the cell last handled by a grid click
    int CurrentRow = 0;          // its row; follows a channel moved up or down
    int PickerRow = 0;           // row the tone picker was last opened for
    bool SuppressToggle = false; // swallows the next toggle of a flag cell
    // Set while the program itself selects a band, so the band box's change reaction
    // neither asks nor resets: during start-up, and while a radio read or a file open
    // takes the band.
    bool StartingUp = false;
    bool Loading = false;
};
