// libFuzzer target over the crafted-settings entry point: a settings file
// loaded through a board form's own "Load Setting", then generated.
//
// Input: the first byte picks the board (among the forms of the build that
// have settings, modulo their count), the rest is the file. A file of the
// record's size is loaded and generated; any other must be refused and leave
// what the form shows as it was. A fault shown (failed invariant, escaped
// exception), a choice outside its list or a changed form after a refused
// file aborts; the address sanitizer catches the rest.
//
// With PINLOOM_FUZZ_SEEDS set to a folder, the crafted records of every
// board are first written there as a starting corpus.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "tests/sweep/CraftedRecords.h"
#include "tests/sweep/SweepDriver.h"

namespace {

struct TFuzzBoard {
    uint8_t id;
    std::string defaults;  // the form's own record, saved
};

QApplication* g_Application = nullptr;
sweep::TSweepSession* g_Session = nullptr;
std::vector<TFuzzBoard> g_Boards;

[[noreturn]] void Fail(const TFuzzBoard& board, const std::vector<std::string>& problems)
{
    std::fprintf(stderr, "board %d:\n", board.id);
    for (const std::string& problem : problems) std::fprintf(stderr, "  %s\n", problem.c_str());
    std::abort();
}

void WriteSeeds(const std::string& folder)
{
    std::filesystem::create_directories(folder);
    for (size_t b = 0; b < g_Boards.size(); ++b) {
        const std::vector<sweep::TCraftedRecord> records = sweep::CraftedRecords(g_Boards[b].defaults, g_Boards[b].id);
        for (size_t r = 0; r < records.size(); ++r)
            WriteFile(folder + "/" + std::to_string(g_Boards[b].id) + "-" + std::to_string(r),
                      std::string(1, static_cast<char>(b)) + records[r].bytes);
    }
}

}  // namespace

// The one library LeakSanitizer is told to leave aside: fontconfig keeps no
// pointer to some blocks of the configuration it parses when the font
// database is first filled, and of the font lists it builds when a text
// needs a fallback font (a few kilobytes a run). A leak anywhere else, our
// own code's above all, still stops the run.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    g_Application = new QApplication(*argc, *argv);
    g_Session = new sweep::TSweepSession();
    for (const TBoardFormSlot& slot : BoardFormSlots()) {
        if (!slot.Create || sweep::IsPlaceholder(slot.Id) || !g_Session->ChangeBoard(slot.Id)) continue;
        g_Boards.push_back({slot.Id, g_Session->Save()});
    }
    if (const char* seeds = std::getenv("PINLOOM_FUZZ_SEEDS")) WriteSeeds(seeds);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0 || g_Boards.empty()) return 0;
    const TFuzzBoard& board = g_Boards[data[0] % g_Boards.size()];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    // The board's form from its own defaults: a fresh form for another
    // board, the defaults loaded again into the form already open.
    if (g_Session->main->CurrentBoardId() != board.id || !g_Session->Form()) {
        if (!g_Session->ChangeBoard(board.id)) Fail(board, {"the form did not open"});
    } else {
        g_Session->Load(board.defaults);
    }
    g_Session->seam.boxes.clear();
    if (bytes.size() != board.defaults.size()) {
        const std::string shown = sweep::DescribeSettings(*g_Session->Form());
        g_Session->Load(bytes);
        if (sweep::DescribeSettings(*g_Session->Form()) != shown) Fail(board, {"a refused file changed the form"});
        const std::vector<std::string> faults = sweep::FaultTexts(g_Session->seam);
        if (!faults.empty()) Fail(board, faults);
        return 0;
    }
    const std::vector<std::string> problems = g_Session->LoadAndGenerate(bytes);
    if (!problems.empty()) Fail(board, problems);
    return 0;
}
