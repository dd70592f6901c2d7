// File helpers for tests: a fresh temporary folder per test, reading and
// writing whole files, splitting generated text into CR LF lines, and
// running the HDL tools on generated files.
#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class TempFolder {
public:
    // In the system's temporary folder, or in the given one.
    explicit TempFolder(const std::string& parent = "");
    ~TempFolder();
    // The folder's path, ending with "/".
    const std::string& Path() const { return m_Path; }

private:
    std::string m_Path;
};

// The source folder (ending with "/"), from where this file lies in it.
inline std::string SourceFolder()
{
    const std::string file = __FILE__;
    return file.substr(0, file.rfind("tests/support/"));
}

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& bytes);
bool FileExists(const std::string& path);
// The names of the entries of a folder, sorted (none when it is missing), and
// of its .v files only.
std::vector<std::string> FilesIn(const std::string& folder);
std::vector<std::string> VerilogFilesIn(const std::string& folder);
// Splits on CR LF; a lone LF or CR inside a line stays part of it. The text
// after the last CR LF (empty for a text that ends in CR LF) is the last item.
std::vector<std::string> SplitCrLf(const std::string& text);

// Runs a shell command; returns its exit code and fills output with what it
// printed (stdout and stderr).
int RunCommand(const std::string& command, std::string& output);
// Compiles Verilog files with Icarus Verilog in one run (-g2005 -Wall),
// elaborating each of the given top modules, or every module that no other
// instantiates when none is given; returns true on success and fills log.
bool CompileVerilog(const std::vector<std::string>& files, const std::vector<std::string>& tops, std::string& log);
// The same for one top module ("": every module that no other instantiates).
bool CompileVerilog(const std::vector<std::string>& files, const std::string& top, std::string& log);
// Compiles Verilog files with Icarus Verilog (extra options, e.g. warning
// switches, before the files) and runs the result with vvp; returns true when
// both succeed and fills log with what they printed.
bool SimulateVerilog(const std::vector<std::string>& files, const std::string& top, const std::string& options,
                     std::string& log);
// Lints a Verilog top level with Verilator (all warnings but those of an
// empty body: undriven outputs, unused inputs).
bool LintVerilog(const std::string& file, const std::string& top, std::string& log);
// Analyses VHDL files with GHDL in a work folder of their own, as VHDL-1993
// (what Quartus reads a .vhd file as unless told otherwise) and as VHDL-2008.
bool AnalyseVhdl(const std::vector<std::string>& files, std::string& log);
bool AnalyseVhdl(const std::string& file, std::string& log);
// Analyses VHDL files with GHDL as AnalyseVhdl does and elaborates the
// entity top as VHDL-2008, starting its simulation for no time: GHDL checks
// the widths of the ports bound to component instances only then.
bool ElaborateVhdl(const std::vector<std::string>& files, const std::string& top, std::string& log);

// Ends the test program with a message when the code in its scope has not
// finished within two minutes: for code that could block forever (a FIFO in
// the place of a file). The limit is wall-clock time on a machine that may
// be busy with other tests, so it is far beyond what the code takes even
// there; a hang is still reported long before the test runner's own limit.
class HangGuard {
public:
    explicit HangGuard(std::string what);
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex m_Mutex;
    std::condition_variable m_Done;
    bool m_Finished = false;
    std::thread m_Watch;
};
