#include "tests/support/TestFiles.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>

namespace fs = std::filesystem;

TempFolder::TempFolder(const std::string& parent)
{
    const fs::path in = parent.empty() ? fs::temp_directory_path() : fs::path(parent);
    std::string pattern = (in / "pinloom-test-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back(0);
    if (!mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
    m_Path = std::string(buffer.data()) + "/";
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    fs::remove_all(m_Path, ec);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path)
{
    std::error_code ec;
    return fs::exists(path, ec);
}

std::vector<std::string> FilesIn(const std::string& folder)
{
    std::vector<std::string> names;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> VerilogFilesIn(const std::string& folder)
{
    std::vector<std::string> names = FilesIn(folder);
    std::erase_if(names, [](const std::string& name) { return fs::path(name).extension() != ".v"; });
    return names;
}

std::vector<std::string> SplitCrLf(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (true) {
        size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int RunCommand(const std::string& command, std::string& output)
{
    output.clear();
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return -1;
    std::array<char, 4096> buffer{};
    size_t n;
    while ((n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0) output.append(buffer.data(), n);
    int status = pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

namespace {

// Icarus Verilog in Verilog-2005 mode with the given switches, writing its
// program into the folder; each top given is elaborated, or, none given,
// every module that no other instantiates.
bool RunIcarus(const std::vector<std::string>& files, const std::vector<std::string>& tops,
               const std::string& options, const TempFolder& work, std::string& log)
{
    std::string command = "iverilog -g2005 " + options + " -o '" + work.Path() + "a.out'";
    for (const std::string& top : tops) command += " -s '" + top + "'";
    for (const std::string& file : files) command += " '" + file + "'";
    return RunCommand(command, log) == 0;
}

}  // namespace

bool CompileVerilog(const std::vector<std::string>& files, const std::vector<std::string>& tops, std::string& log)
{
    TempFolder work;
    return RunIcarus(files, tops, "-Wall", work, log);
}

bool CompileVerilog(const std::vector<std::string>& files, const std::string& top, std::string& log)
{
    return CompileVerilog(files, top.empty() ? std::vector<std::string>{} : std::vector<std::string>{top}, log);
}

bool SimulateVerilog(const std::vector<std::string>& files, const std::string& top, const std::string& options,
                     std::string& log)
{
    TempFolder work;
    if (!RunIcarus(files, {top}, options, work, log)) return false;
    std::string run;
    const int code = RunCommand("vvp -n '" + work.Path() + "a.out'", run);
    log += run;
    return code == 0;
}

bool LintVerilog(const std::string& file, const std::string& top, std::string& log)
{
    const std::string command = "verilator --lint-only -Wall -Wno-UNDRIVEN -Wno-UNUSED -Wno-DECLFILENAME --top-module '" +
                                top + "' '" + file + "'";
    return RunCommand(command, log) == 0;
}

namespace {

bool RunGhdlAnalysis(const std::vector<std::string>& files, const TempFolder& work, std::string& log)
{
    std::string quoted;
    for (const std::string& file : files) quoted += " '" + file + "'";
    const std::string analyse = "ghdl -a --workdir='" + work.Path() + "'";
    return RunCommand(analyse + " --std=93" + quoted + " && " + analyse + " --std=08" + quoted, log) == 0;
}

}  // namespace

bool AnalyseVhdl(const std::vector<std::string>& files, std::string& log)
{
    TempFolder work;
    return RunGhdlAnalysis(files, work, log);
}

bool ElaborateVhdl(const std::vector<std::string>& files, const std::string& top, std::string& log)
{
    TempFolder work;
    if (!RunGhdlAnalysis(files, work, log)) return false;
    // Run in the work folder: a GHDL built with a code generator writes its
    // program into the current folder.
    std::string run;
    const int code = RunCommand("cd '" + work.Path() + "' && ghdl --elab-run --std=08 --workdir=. '" + top +
                                    "' --stop-time=0ns",
                                run);
    log += run;
    return code == 0;
}

bool AnalyseVhdl(const std::string& file, std::string& log) { return AnalyseVhdl(std::vector<std::string>{file}, log); }

namespace {

constexpr int kHangSeconds = 120;

}  // namespace

HangGuard::HangGuard(std::string what)
{
    m_Watch = std::thread([this, what] {
        std::unique_lock<std::mutex> lock(m_Mutex);
        if (!m_Done.wait_for(lock, std::chrono::seconds(kHangSeconds), [this] { return m_Finished; })) {
            std::fprintf(stderr, "%s did not finish within %d seconds\n", what.c_str(), kHangSeconds);
            std::fflush(stderr);
            std::_Exit(1);
        }
    });
}

HangGuard::~HangGuard()
{
    {
        std::lock_guard<std::mutex> lock(m_Mutex);
        m_Finished = true;
    }
    m_Done.notify_all();
    m_Watch.join();
}
