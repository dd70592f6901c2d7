// Batch generation: with the left Ctrl key held on Generate, a board form
// writes one project for every card of one connector's card list, each into a
// folder of its own under the folder the user chose once.
//
// The batch knows no form frame: a form takes part through TBatchTarget
// (how to show one card of the list in its controls and generate that
// project, and how to keep and put back the controls the batch moves) and a
// TBatchRule (the project-name pattern and whether the batch beeps first).
//
// The road of a batch (RunBatchGeneration):
//   1. the beep, when the rule has one;
//   2. the target keeps its controls (SaveBatchControls);
//   3. the project dialog, once (AskBatchProjectFile); a cancel ends the
//      batch silently; otherwise the folder of the answer is the root;
//   4. for item 1, 2, ... of the card list, while every project so far was
//      written: the project name of the card (MakeBatchProjectName), the
//      controls set to the item (ShowBatchItem), the folder <root><name>/
//      created, and <root><name>/<name>.qpf generated (GenerateBatchProject);
//      a failed project stops the batch after whatever box the generation
//      run itself showed, the projects already written stay;
//   5. the controls put back (RestoreBatchControls), also when a generation
//      ends with an exception, which then goes on to the caller.
// No other box is shown: no success box, no warning after a project.
//
// A batch may walk several card lists one after the other (RunBatchPasses):
// one beep, one dialog and one root for all of them; before the items of
// each list the target hears which list comes (BeginBatchPass), and a failed
// project ends the whole batch.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "model/DaughterBoard.h"

class TBatchTarget {
public:
    // The form's project dialog for its current project name: the proposed
    // folder is created first; empty on cancel.
    virtual std::string AskBatchProjectFile() = 0;
    // Keeps the controls the batch is going to move (project name, the walked
    // card combos, the prefixes it changes).
    virtual void SaveBatchControls() = 0;
    // Puts them back as they were kept.
    virtual void RestoreBatchControls() = 0;
    // Shows item `item` of the walked card list in the controls, with the
    // prefixes the board's batch gives it and the project name. Setting items
    // by program runs no change handler: pictures, overlays and the coupling
    // of headers stay as they were.
    virtual void ShowBatchItem(int item, const std::string& projectName) = 0;
    // One generation run from the controls, as a single Generate makes it.
    virtual bool GenerateBatchProject(const std::string& qpfPath) = 0;
    // Before the items of pass `pass` (0, 1, ...) of RunBatchPasses: the items
    // that ShowBatchItem gets from then on are those of that pass's list.
    virtual void BeginBatchPass(int /*pass*/) {}

protected:
    ~TBatchTarget() = default;
};

struct TBatchRule {
    // printf pattern of a project name with one %s for the card's short name,
    // e.g. "MIRRENDALE_GPIO_%s".
    const char* NamePattern = "";
    // A simple beep before anything else.
    bool Beep = false;
};

// True when the left Ctrl key is held; the key is read twice and either read
// counts.
bool IsBatchKeyHeld();

// The project name of one card of a batch: the rule's pattern filled with the
// card's short name, then made a legal project name: every character other
// than a letter, a digit or "_" becomes "_", a run of "_" becomes one, and a
// trailing "_" is dropped. A name already made earlier in the same batch
// (compared without regard to letter case) gets "_<card id>" appended.
// `made` holds the names made so far; the new name is added to it.
std::string MakeBatchProjectName(const TBatchRule& rule, DaughterId card, std::vector<std::string>& made);

// Runs a batch over the items 1 .. size-1 of `cards` (item 0 is "None" and is
// never generated). An empty list, or one holding item 0 alone, writes no
// project: the batch beeps (when the rule says so), asks the path (so the
// proposed folder is created) and ends. Returns true when every project of
// the list was written (also when there was none), false when the dialog was
// cancelled or a project failed.
bool RunBatchGeneration(TBatchTarget& target, const TBatchRule& rule, std::span<const uint8_t> cards);

// One card list of a batch of several: its project-name pattern, the list
// (item 0 first) and the first item it generates (1 skips "None"; 0 also
// writes a project without a card on this connector).
struct TBatchPass {
    const char* NamePattern = "";
    std::span<const uint8_t> Cards;
    std::size_t FirstItem = 1;
};
// Runs the passes in order as one batch (see above); true when every project
// of every pass was written.
bool RunBatchPasses(TBatchTarget& target, bool beep, std::span<const TBatchPass> passes);
