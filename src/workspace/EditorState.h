#pragma once

// What the channel editor remembers between events. The editor keeps its own notion of
// the current cell, apart from the grid's highlighted cell: channel moves carry
// currentRow along with the moved channel while the highlight stays where it was.
struct EditorState
{
    int currentColumn = 0;       // column of the cell last handled by a grid click
    int currentRow = 0;          // its row; follows a channel moved up or down
    int pickerRow = 0;           // row the tone picker was last opened for
    bool suppressToggle = false; // swallows the next toggle of a flag cell
    // Set while the program itself selects a band, so the band box's change reaction
    // neither asks nor resets: during start-up, and while a radio read or a file open
    // takes the band.
    bool startingUp = false;
    bool loading = false;
};
