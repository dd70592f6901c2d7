#include "platform/Seam.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace seam {
namespace {

// Used until a real backend is installed: nothing is shown on screen.
class FallbackBackend final : public Backend {
public:
    void MessageBox(BoxKind kind, const std::string& text) override
    {
        std::fprintf(stderr, "%s: %s\n",
                     kind == BoxKind::Error ? "Error" : kind == BoxKind::Warning ? "Warning" : "Information",
                     text.c_str());
    }
    bool AskWarningYesNo(const std::string& text) override
    {
        MessageBox(BoxKind::Warning, text);
        return false;
    }
    void Beep() override {}
    bool IsLeftCtrlDown() override { return false; }
    std::string RunSaveDialog(const FileDialogRequest&) override { return {}; }
    std::string RunOpenDialog(const FileDialogRequest&) override { return {}; }
    bool LoadRawResource(const std::string&, std::string&) override { return false; }
    std::string ExecutableFolder() override
    {
        std::error_code ec;
        auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
        if (ec) return "./";
        return exe.parent_path().string() + "/";
    }
    std::tm CurrentTime() override
    {
        std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        return local;
    }
    void FailedInvariant(const std::string& condition, const std::string& file, int line) override
    {
        std::fprintf(stderr, "Assertion failed: %s, file %s, line %d\n", condition.c_str(), file.c_str(), line);
    }
};

FallbackBackend g_fallback;
Backend* g_backend = &g_fallback;

}  // namespace

void Install(Backend* backend) { g_backend = backend ? backend : &g_fallback; }
Backend& Current() { return *g_backend; }

void ShowError(const std::string& text) { g_backend->MessageBox(BoxKind::Error, text); }
void ShowInformation(const std::string& text) { g_backend->MessageBox(BoxKind::Information, text); }
void ShowWarning(const std::string& text) { g_backend->MessageBox(BoxKind::Warning, text); }
bool AskWarningYesNo(const std::string& text) { return g_backend->AskWarningYesNo(text); }
void Beep() { g_backend->Beep(); }
bool IsLeftCtrlDown() { return g_backend->IsLeftCtrlDown(); }
std::string RunSaveDialog(const FileDialogRequest& request) { return g_backend->RunSaveDialog(request); }
std::string RunOpenDialog(const FileDialogRequest& request) { return g_backend->RunOpenDialog(request); }
bool LoadRawResource(const std::string& name, std::string& bytes) { return g_backend->LoadRawResource(name, bytes); }
std::string ExecutableFolder() { return g_backend->ExecutableFolder(); }
std::tm CurrentTime() { return g_backend->CurrentTime(); }

void FailInvariant(const char* condition, const char* file, int line)
{
    g_backend->FailedInvariant(condition, file, line);
    std::abort();
}

}  // namespace seam
