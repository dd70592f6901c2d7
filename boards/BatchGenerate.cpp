#include "boards/BatchGenerate.h"

#include <filesystem>
#include <string>

#include "boards/BoardForm.h"
#include "model/Text.h"
#include "platform/Seam.h"

namespace {

bool IsNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Every character other than a letter, a digit or "_" becomes "_", a run of
// "_" becomes one, a trailing "_" is dropped.
std::string LegalName(const std::string& text)
{
    std::string name;
    for (const char c : text) {
        const char kept = IsNameCharacter(c) ? c : '_';
        if (kept == '_' && !name.empty() && name.back() == '_') continue;
        name += kept;
    }
    if (!name.empty() && name.back() == '_') name.pop_back();
    return name;
}

bool IsMade(const std::vector<std::string>& made, const std::string& name)
{
    for (const std::string& earlier : made)
        if (SameTextIgnoringCase(earlier, name)) return true;
    return false;
}

}  // namespace

bool IsBatchKeyHeld()
{
    const bool first = seam::IsLeftCtrlDown();
    const bool second = seam::IsLeftCtrlDown();
    return first || second;
}

std::string MakeBatchProjectName(const TBatchRule& rule, DaughterId card, std::vector<std::string>& made)
{
    std::string name = LegalName(Format(rule.NamePattern, GetCardShortName(card).c_str()));
    while (IsMade(made, name)) name += "_" + std::to_string(card);
    made.push_back(name);
    return name;
}

bool RunBatchGeneration(TBatchTarget& target, const TBatchRule& rule, std::span<const uint8_t> cards)
{
    const TBatchPass pass{.NamePattern = rule.NamePattern, .Cards = cards, .FirstItem = 1};
    return RunBatchPasses(target, rule.Beep, std::span<const TBatchPass>(&pass, 1));
}

bool RunBatchPasses(TBatchTarget& target, bool beep, std::span<const TBatchPass> passes)
{
    if (beep) seam::Beep();
    target.SaveBatchControls();
    const std::string answer = target.AskBatchProjectFile();
    if (answer.empty()) return false;
    const std::string root = ExtractFilePath(answer);

    bool success = true;
    try {
        std::vector<std::string> made;
        for (size_t p = 0; p < passes.size() && success; ++p) {
            const TBatchPass& pass = passes[p];
            target.BeginBatchPass(static_cast<int>(p));
            for (size_t item = pass.FirstItem; item < pass.Cards.size() && success; ++item) {
                const TBatchRule rule{.NamePattern = pass.NamePattern};
                const std::string name = MakeBatchProjectName(rule, pass.Cards[item], made);
                target.ShowBatchItem(static_cast<int>(item), name);
                const std::string folder = root + name + "/";
                std::error_code ec;
                if (!std::filesystem::is_directory(folder, ec)) std::filesystem::create_directories(folder, ec);
                const std::string path = folder + name + ".qpf";
                success = target.GenerateBatchProject(path);
            }
        }
    } catch (...) {
        target.RestoreBatchControls();
        throw;
    }
    target.RestoreBatchControls();
    return success;
}
