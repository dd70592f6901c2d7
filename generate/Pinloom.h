// One generation run: turns a filled main board into a Quartus project on
// disk (.qpf, .qsf, top-level .v or .vhd, Verilog IP files, .sdc, .htm).
// Holds no state of its own; every input comes through the arguments.
#pragma once

#include <string>

class TMainBoard;

class TPinloom {
public:
    TPinloom();
    ~TPinloom();

    // Writes the project named after path (any extension, or none). Sorts the
    // pins of the board's connectors; otherwise only reads the board. Before
    // anything is written it refuses, with an error box, a base name that is
    // no legal project name (model/Names.h) and a signal name that the top
    // level could not declare. Stops at the first step that fails and returns
    // false. Every file goes to a temporary first and the project's files are
    // replaced together once all are written: after a failure the earlier
    // project stays as it was, file for file.
    bool Generate(TMainBoard* board, const std::string& path, bool vhdl);

    // False, after the box "Signal name %s cannot be used in a Verilog or
    // VHDL design." naming the first such pin, when an active pin's name is
    // no legal signal name of the chosen language (model/Names.h): longer
    // than 128 characters, a base that is no identifier, or an index part
    // that is not "[digits]".
    bool CheckPinNames(TMainBoard* board, bool vhdl);
    // False, after an error box naming the first clash, when two active pins
    // share a name, two connectors declare the same top-level port (all
    // compared without regard to letter case), or two connectors hold one bit
    // of a bus. A bus may have its members in several connectors (the top
    // level declares it once), all of one direction: a member of another
    // direction than the bus's first is refused with the box of the port
    // lists.
    bool CheckSignalNames(TMainBoard* board);

    bool WriteQpf(const std::string& path);
    bool WriteQsf(TMainBoard* board, const std::string& path);
    bool WriteVerilog(TMainBoard* board, const std::string& path);
    bool WriteVhdl(TMainBoard* board, const std::string& path);
    // projectFolder ends with "/".
    bool ExportIp(TMainBoard* board, const std::string& projectFolder);
    bool ExportResource(const std::string& target, const std::string& name);
    bool WriteSdc(TMainBoard* board, const std::string& path);
    std::string GetSdcBoardClocks(TMainBoard* board);
    std::string GetSdcJtagConstraints(TMainBoard* board);
    std::string GetSdcInputDelays(TMainBoard* board);
    std::string GetSdcOutputDelays(TMainBoard* board);
    bool WriteHtml(TMainBoard* board, const std::string& path);
};
