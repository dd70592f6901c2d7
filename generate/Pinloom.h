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
    // pins of the board's connectors; otherwise only reads the board. Stops at
    // the first step that fails and returns false; files of earlier steps stay.
    // An EConvertError raised for a bus index that is not a number leaves here.
    bool Generate(TMainBoard* board, const std::string& path, bool vhdl);

    // False when a pin name holds an opening square bracket without a closing
    // one, or the reverse. Shows nothing.
    bool CheckPinNames(TMainBoard* board);
    // False, after an error box naming the first clash, when two active pins
    // share a name or two connectors declare the same top-level port (both
    // compared without regard to letter case).
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
