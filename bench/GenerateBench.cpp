// Generates a whole project from a board of about a thousand pins into a
// temporary folder.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "generate/Pinloom.h"
#include "model/DaughterBoard.h"
#include "model/MainBoard.h"
#include "model/Text.h"

namespace {

constexpr int kGroups = 20;
constexpr int kPinsPerGroup = 48;

std::string Location(int n) { return Format("%c%d", 'A' + n / 40 % 26, n % 40 + 1); }

// 20 groups of 48 pins (a bus given in falling order and plain signals, so
// the sort has work to do), a clock, and a 40-pin header with a card.
std::unique_ptr<TMainBoard> BuildLargeBoard()
{
    auto board = std::make_unique<TMainBoard>();
    board->m_BoardId = MAINBOARD_HOLLARNE;
    board->m_Family = "Cyclone V";
    board->m_Device = "5CSEMA5F31C6";
    board->m_Package = "FBGA";
    board->m_DevicePinCount = 896;
    board->m_SpeedGradeText = "6";
    for (int offset = 140; offset <= 143; ++offset) board->m_HollarneConfig.bytes[offset] = 1;

    int n = 0;
    auto* clock = new TConnector("CLOCK", "", CONNECTOR_NONE, -1);
    clock->AddPin(new TPin("CLOCK_50", Location(n++), PIN_DIR_INPUT, 8, 50.0));
    board->AddConnector(clock);
    for (int g = 0; g < kGroups; ++g) {
        auto* group = new TConnector(Format("GROUP_%d", g), g % 2 ? "odd group" : "", CONNECTOR_NONE, -1);
        for (int i = kPinsPerGroup / 2 - 1; i >= 0; --i)
            group->AddPin(new TPin(Format("BUS_%d[%d]", g, i), Location(n++), PIN_DIR_OUTPUT, 8, 0));
        for (int i = kPinsPerGroup / 2 - 1; i >= 0; --i)
            group->AddPin(new TPin(Format("SIG_%d_%d", g, i), Location(n++), PIN_DIR_INPUT, 6, 0));
        board->AddConnector(group);
    }

    auto* header = new TConnector("GPIO", "GPIO connect to bench card", CONNECTOR_GPIO40, -1);
    for (int i = 0; i < 40; ++i) header->AddPin(new TPin("", Location(n++), PIN_DIR_BY_CARD, IO_STD_BY_CARD, 0));
    header->SetIsMaster(true);
    header->SetMasterId(16);
    board->AddConnector(header);
    TDaughterBoard card;
    card.SetType(CONNECTOR_GPIO40);
    for (int i = 0; i < 40; ++i) card.AddPin(new TPin(Format("GPIO[%d]", i), PIN_DIR_INOUT, 8, i + 1, 0));
    card.UpdateMasterConnector(header, "CARD_");
    return board;
}

void BM_GenerateProject(benchmark::State& state)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "pinloom-bench-XXXXXX").string();
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back(0);
    if (!mkdtemp(buffer.data())) {
        state.SkipWithError("cannot create a temporary folder");
        return;
    }
    const std::string folder = std::string(buffer.data()) + "/";
    int pins = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<TMainBoard> board = BuildLargeBoard();
        state.ResumeTiming();
        TPinloom pinloom;
        if (!pinloom.Generate(board.get(), folder + "bench.qpf", false)) {
            state.SkipWithError("generation failed");
            break;
        }
        state.PauseTiming();
        pins = 0;
        for (int c = 0; c < board->GetConnectorCount(); ++c) pins += board->GetConnector(c)->GetActivePinCount();
        board.reset();
        state.ResumeTiming();
    }
    state.counters["pins"] = pins;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

}  // namespace

BENCHMARK(BM_GenerateProject)->Unit(benchmark::kMillisecond);
