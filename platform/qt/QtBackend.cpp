#include "platform/qt/QtBackend.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

#include "platform/Forms.h"
#include "platform/Text.h"
#include "platform/qt/FormWidgets.h"
#include "platform/qt/NamedResources.h"

namespace {

// Message texts use CR LF line ends; Qt wants LF.
QString BoxText(const std::string& text)
{
    QString result = ToQString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

std::string Trim(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return std::string();
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::vector<std::string> SplitOn(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return parts;
}

QString RunFileDialog(const seam::FileDialogRequest& request, bool save)
{
    QFileDialog dialog(QApplication::activeWindow(), ToQString(request.title), ToQString(request.initialFolder));
    ConfigureFileDialog(dialog, request, save);
    if (dialog.exec() != QDialog::Accepted) return QString();
    const QStringList files = dialog.selectedFiles();
    return files.isEmpty() ? QString() : files.first();
}

}  // namespace

void ConfigureFileDialog(QFileDialog& dialog, const seam::FileDialogRequest& request, bool save)
{
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Either dialog returns the name it is given on OK: the save dialog asks
    // nothing about a file that exists, the open dialog nothing about one
    // that does not. The forms decide what such a name means.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    QStringList filters;
    for (const std::string& filter : DialogNameFilters(request.filter)) filters << ToQString(filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = request.filterIndex - 1;
        if (index >= 0 && index < filters.size()) dialog.selectNameFilter(filters[index]);
    }
    if (!request.defaultExt.empty()) dialog.setDefaultSuffix(ToQString(request.defaultExt));
    if (!request.fileName.empty()) dialog.selectFile(ToQString(request.fileName));
}

std::vector<std::string> DialogNameFilters(const std::string& filter)
{
    std::vector<std::string> result;
    if (filter.empty()) return result;
    const std::vector<std::string> parts = SplitOn(filter, '|');
    for (std::size_t i = 0; i < parts.size(); i += 2) {
        std::string caption = Trim(parts[i]);
        std::vector<std::string> patterns;
        auto add = [&patterns](const std::string& pattern) {
            std::string p = Trim(pattern);
            if (p.empty()) return;
            if (p == "*.*") p = "*";
            for (const std::string& variant : {LowerCase(p), UpperCase(p)})
                if (std::find(patterns.begin(), patterns.end(), variant) == patterns.end()) patterns.push_back(variant);
        };
        // The patterns shown in the caption's parentheses, then those after '|'.
        const std::size_t open = caption.rfind('(');
        if (open != std::string::npos && caption.back() == ')') {
            for (const std::string& p : SplitOn(caption.substr(open + 1, caption.size() - open - 2), ';'))
                for (const std::string& q : SplitOn(p, ' ')) add(q);
            caption = Trim(caption.substr(0, open));
        }
        if (i + 1 < parts.size())
            for (const std::string& p : SplitOn(parts[i + 1], ';')) add(p);
        std::string joined;
        for (const std::string& p : patterns) joined += (joined.empty() ? "" : " ") + p;
        result.push_back(caption + " (" + joined + ")");
    }
    return result;
}

std::string FailedInvariantText(const std::string& condition, const std::string& file, int line)
{
    return "Assertion failed: " + condition + ", file " + file + ", line " + std::to_string(line);
}

void QtSeamBackend::MessageBox(seam::BoxKind kind, const std::string& text)
{
    const bool error = kind == seam::BoxKind::Error;
    const bool warning = kind == seam::BoxKind::Warning;
    QMessageBox box(error ? QMessageBox::Critical : warning ? QMessageBox::Warning : QMessageBox::Information,
                    error     ? QStringLiteral("Error")
                    : warning ? QStringLiteral("Warning")
                              : QStringLiteral("Information"),
                    BoxText(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool QtSeamBackend::AskWarningYesNo(const std::string& text)
{
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), BoxText(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    return box.exec() == QMessageBox::Yes;
}

void QtSeamBackend::Beep() { QApplication::beep(); }

void TControlKeys::Note(bool pressed, unsigned nativeKey)
{
    if (nativeKey == kLeftSymbol) m_LeftDown = pressed;
    if (nativeKey == kRightSymbol) m_RightDown = pressed;
}

bool TControlKeys::IsLeftDown(bool controlModifier)
{
    if (!controlModifier) {
        // A release we did not see (focus went elsewhere) ends the state.
        m_LeftDown = m_RightDown = false;
        return false;
    }
    return m_LeftDown || !m_RightDown;
}

TControlKeys& ApplicationControlKeys()
{
    static TControlKeys keys;
    return keys;
}

bool QtSeamBackend::IsLeftCtrlDown()
{
    const bool control = (QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier) != 0;
    return ApplicationControlKeys().IsLeftDown(control);
}

std::string QtSeamBackend::RunSaveDialog(const seam::FileDialogRequest& request)
{
    return FromQString(RunFileDialog(request, true));
}

std::string QtSeamBackend::RunOpenDialog(const seam::FileDialogRequest& request)
{
    return FromQString(RunFileDialog(request, false));
}

bool QtSeamBackend::LoadRawResource(const std::string& name, std::string& bytes)
{
    return LoadNamedResource(name, bytes);
}

std::string QtSeamBackend::ExecutableFolder() { return ExtractFilePath(ExecutablePath()); }

std::tm QtSeamBackend::CurrentTime()
{
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

void QtSeamBackend::FailedInvariant(const std::string& condition, const std::string& file, int line)
{
    const std::string text = FailedInvariantText(condition, file, line);
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    if (QApplication::instance()) MessageBox(seam::BoxKind::Error, text);
    std::_Exit(3);
}
