// The parts of a board photograph that a form marks with an overlay
// rectangle when the part is in use. A photograph is drawn from its board's
// table of parts, so each overlay sits over its part.
#pragma once

#include "boards/frame/PartOutline.h"

// How a part is drawn.
enum class TPartLook {
    Fpga,        // the FPGA itself
    Chip,        // a chip with its label
    Header,      // a pin header: Count pads per row (two rows along its long side)
    Jack,        // a connector with a coloured socket
    LedRow,      // Count LEDs
    SwitchRow,   // Count slide switches
    ButtonRow,   // Count push buttons
    Seg7,        // Count seven-segment digits
    Oscillator,  // a crystal oscillator
    Socket,      // a card slot or memory socket
    Jumper,      // one position of a jumper block
};

struct TBoardPart {
    const char* ShapeName;  // the overlay shape of the form; nullptr: drawn but not marked
    const char* Label;      // the text printed on the part
    int Left, Top, Width, Height;  // in the photograph
    TPartLook Look;
    int Count;  // pads, LEDs, switches, buttons or digits; 0 for the other looks
};
