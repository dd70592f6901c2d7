// The largest project a real board makes: of every board form in the build,
// the one with the most pins once every group is ticked, every programmable
// clock chip is in use and each connector carries the card that brings the
// most pins. The search presses each form's Generate button, so it counts
// only projects the form lets a user generate: a setting its checks refuse
// (a card without a pin map on its connector, say) is skipped. The largest
// project is then generated through the form's own run (the record from the
// controls, the board definition, the card attach, the writers), as many
// times as the benchmark asks. Reports the board, its pins, the time per
// project and the process's peak memory.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <sys/resource.h>

#include "model/Text.h"
#include "platform/FormsTesting.h"
#include "tests/sweep/SweepDriver.h"

namespace {

using sweep::TSweepSession;

// The pins of a project: its I/O-standard lines.
int ProjectPins(const std::string& qpf)
{
    const std::string qsf = ChangeFileExt(qpf, ".qsf");
    if (!FileExists(qsf)) return 0;
    int pins = 0;
    for (const std::string& line : SplitCrLf(ReadFile(qsf)))
        if (line.rfind("set_instance_assignment -name IO_STANDARD ", 0) == 0) ++pins;
    return pins;
}

// A prefix of its own on each connector that takes one (an edit is enabled
// while its connector carries a card), so that no two cards share names.
void PrefixEveryCard(TSweepSession& session)
{
    int k = 0;
    for (TEdit* edit : sweep::ControlsOf<TEdit>(*session.Form())) {
        if (edit->Name() == "EditProjectName") continue;
        const std::string prefix = "C" + std::to_string(k++) + "_";
        if (edit->Enabled() && edit->Text() != prefix) UserType(edit, prefix);
    }
}

// The project of what the form shows, generated as its Generate button
// generates it: the button's checks first (the project name, each card on
// its connector, each prefix), then the project dialog, then the run. A
// setting the form refuses writes nothing and counts no pins.
int Generated(TSweepSession& session, const std::string& projectName)
{
    PrefixEveryCard(session);
    session.seam.boxes.clear();
    const int before = session.generated;
    const std::string qpf = session.Generate(projectName);
    return session.generated > before && session.seam.ErrorTexts().empty() ? ProjectPins(qpf) : 0;
}

// Every group, every clock chip, a prefix of its own on each connector, and
// on each card combo (in turn) the card that gives the most pins.
int UseEverything(TSweepSession& session, const std::string& projectName)
{
    session.TickEveryGroup();
    session.UseEveryClockChip();
    int best = Generated(session, projectName);
    for (TComboBox* combo : sweep::ControlsOf<TComboBox>(*session.Form())) {
        if (combo->ItemCount() < 2 || combo->ItemText(0) != "None") continue;
        int bestItem = combo->ItemIndex();
        for (int item = 0; item < combo->ItemCount(); ++item) {
            if (!combo->Enabled()) break;
            UserPick(combo, item);
            const int pins = Generated(session, projectName);
            if (pins > best) best = pins, bestItem = item;
        }
        if (combo->Enabled()) UserPick(combo, bestItem);
    }
    return Generated(session, projectName);
}

struct TLargest {
    uint8_t id = 0;
    std::string name;
    std::string settings;  // the form's settings file
    int pins = 0;
};

TLargest FindLargest(TSweepSession& session)
{
    TLargest largest;
    for (const TBoardFormSlot& slot : BoardFormSlots()) {
        if (!slot.Create || sweep::IsPlaceholder(slot.Id) || !session.ChangeBoard(slot.Id)) continue;
        const int pins = UseEverything(session, "search");
        if (pins > largest.pins) largest = {slot.Id, sweep::BoardName(slot), session.Save(), pins};
    }
    return largest;
}

long PeakRssKb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The session and the search outlive the benchmark's runs (it may run the
// function more than once); main ends the session before the application.
std::unique_ptr<TSweepSession> g_Session;
TLargest g_Largest;
long g_StartKb = 0;  // the peak before the first form was made

void BM_GenerateLargestBoardProject(benchmark::State& state)
{
    if (!g_Session) {
        g_StartKb = PeakRssKb();
        g_Session = std::make_unique<TSweepSession>();
        g_Largest = FindLargest(*g_Session);
        // The winner's settings back in a fresh form of its board, and
        // through its Generate button once more: the project timed below is
        // one the form lets a user generate.
        if (g_Largest.pins > 0 && g_Session->ChangeBoard(g_Largest.id)) {
            g_Session->Load(g_Largest.settings);
            if (Generated(*g_Session, "largest") != g_Largest.pins) g_Largest.pins = -1;
        }
    }
    TSweepSession& session = *g_Session;
    const TLargest& largest = g_Largest;
    if (largest.pins == 0 || session.main->CurrentBoardId() != largest.id) {
        state.SkipWithError("no board generated a project");
        return;
    }
    if (largest.pins < 0) {
        state.SkipWithError("the largest project's settings, loaded again, did not generate it");
        return;
    }
    // On disk, as a user's project is written (the session's folder may be
    // in memory).
    TempFolder disk;
    const std::string qpf = disk.Path() + "largest.qpf";
    const long before = PeakRssKb();
    int pins = 0;
    for (auto _ : state) {
        if (!session.RunGeneration(qpf)) {
            state.SkipWithError("generation failed");
            break;
        }
    }
    pins = ProjectPins(qpf);
    state.SetLabel(largest.name);
    state.counters["pins"] = pins;
    state.counters["peak_rss_MB"] = PeakRssKb() / 1024.0;
    state.counters["peak_rss_before_forms_MB"] = g_StartKb / 1024.0;
    state.counters["peak_rss_growth_in_runs_MB"] = (PeakRssKb() - before) / 1024.0;
}

BENCHMARK(BM_GenerateLargestBoardProject)->Unit(benchmark::kMillisecond);

}  // namespace

// The form runs need a QApplication; the platform is offscreen unless the
// environment says otherwise.
int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    g_Session.reset();
    return 0;
}
